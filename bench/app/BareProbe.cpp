// The yardstick: a bare Qt Widgets program that shows one empty window and quits after its
// first paint.
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

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
    QApplication app(argc, argv);
    QWidget window;
    window.resize(278, 223);
    FirstPaint paint;
    window.installEventFilter(&paint);
    window.show();
    return app.exec();
}
