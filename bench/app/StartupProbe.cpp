// The program's start-up, as far as the welcome window's first paint, then quits: the six
// windows created in order and the welcome window shown, exactly as main() does.
#include <QEvent>
#include <QTimer>

#include "Application.h"
#include "WelcomeWindow.h"
#include "WindowFlow.h"
#include "Windows.h"

namespace {
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint && !done) {
            done = true;
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        }
        return QObject::eventFilter(o, e);
    }
    bool done = false;
};
} // namespace

int main(int argc, char** argv) {
    dutywise::app::DutywiseApplication app(argc, argv);
    dutywise::app::WindowFlow windows;
    FirstPaint paint;
    Form1->installEventFilter(&paint);
    windows.Start();
    return app.exec();
}
