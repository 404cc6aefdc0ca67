// The program's start-up, as far as the welcome window's first paint, then quits: the six
// windows created in order and the welcome window shown, exactly as main() does.
#include "Application.h"
#include "FirstPaint.h"
#include "WelcomeWindow.h"
#include "WindowFlow.h"
#include "Windows.h"

int main(int argc, char** argv) {
    dutywise::app::DutywiseApplication app(argc, argv);
    dutywise::app::WindowFlow windows;
    benchsupport::QuitAfterFirstPaint paint;
    welcomeWindow->installEventFilter(&paint);
    windows.Start();
    return app.exec();
}
