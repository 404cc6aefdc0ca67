#pragma once
// Helpers for driving the window flow from a test: the flow's handlers run nested modal loops,
// so what happens inside a loop is scheduled beforehand and runs once its condition holds.

#include <functional>
#include <memory>
#include <QTimer>
#include <QWidget>

namespace apptest {

// Runs `action` as soon as `ready` holds, polling from the event loop that is running then
// (a nested modal loop included). After `timeoutMs` the action is dropped and *failed set.
inline std::shared_ptr<bool> When(std::function<bool()> ready, std::function<void()> action,
                                  int timeoutMs = 5000) {
    auto failed = std::make_shared<bool>(false);
    auto* timer = new QTimer;
    auto waited = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, timer, [=] {
        if (ready()) {
            timer->stop();
            timer->deleteLater();
            action();
        } else if ((*waited += 10) > timeoutMs) {
            *failed = true;
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(10);
    return failed;
}

inline bool Minimised(const QWidget* w) {
    return w->windowState() & Qt::WindowMinimized;
}

} // namespace apptest
