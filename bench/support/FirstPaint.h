#pragma once
// For the start-up probes: watches one window and ends the event loop with status 0 right
// after that window's first paint.
#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>

namespace benchsupport {

class QuitAfterFirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !painted_) {
            painted_ = true;
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool painted_ = false;
};

} // namespace benchsupport
