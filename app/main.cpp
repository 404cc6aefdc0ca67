// Dutywise: builds the duty roster of a scout patrol's camping outing.

#include "Accessibility.h"
#include "Application.h"
#include "WindowFlow.h"

int main(int argc, char** argv) {
    dutywise::app::DutywiseApplication app(argc, argv);
    InstallWidgetAccessibility(); // the painted widgets, as a screen reader sees them
    dutywise::app::WindowFlow windows;
    windows.Start();
    return app.exec();
}
