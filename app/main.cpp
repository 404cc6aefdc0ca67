// Dutywise: builds the duty roster of a scout patrol's camping outing.

#include <cstdio>
#include <QLocale>

#include "Accessibility.h"
#include "Application.h"
#include "CommandLine.h"
#include "Language.h"
#include "WindowFlow.h"

int main(int argc, char** argv) {
    // Read before the application object, so that --help and --version need no display.
    const dutywise::app::CommandLine line = dutywise::app::ReadCommandLine(argc, argv);
    using Action = dutywise::app::CommandLine::Action;
    if (line.action != Action::Run) {
        std::FILE* out = line.action == Action::Usage ? stderr : stdout;
        std::fputs(line.output.toLocal8Bit().constData(), out);
        return line.exitCode;
    }

    dutywise::app::DutywiseApplication app(argc, argv);
    // Before any window is made: the forms take their texts when they are set up.
    dutywise::InstallLanguage(dutywise::ChooseLanguage(QLocale::system().uiLanguages()));
    InstallWidgetAccessibility(); // the painted widgets, as a screen reader sees them
    dutywise::app::WindowFlow windows;
    if (line.planGiven)
        windows.LoadPlanFileAtStart(line.planFileName);
    windows.Start();
    return app.exec();
}
