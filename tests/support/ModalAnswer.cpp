#include "ModalAnswer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

namespace testsupport {
namespace {

QString Plain(QString s) {
    return s.remove('&');
}

void Poll(std::shared_ptr<ModalSeen> seen, QString button, ModalAction before,
          QDeadlineTimer deadline, QPointer<QWidget> previous) {
    QWidget* modal = QApplication::activeModalWidget();
    // Wait for a modal that is new (not the one that was up when the answer was scheduled).
    if (!modal || modal == previous || !modal->isVisible()) {
        if (deadline.hasExpired()) {
            seen->error = "no modal dialog appeared";
            return;
        }
        QTimer::singleShot(10, qApp, [=] { Poll(seen, button, before, deadline, previous); });
        return;
    }
    seen->title = modal->windowTitle();
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        seen->text = box->text();
        seen->hasIcon = box->icon() != QMessageBox::NoIcon;
    } else {
        QStringList texts;
        for (QLabel* l : modal->findChildren<QLabel*>())
            if (!l->text().isEmpty())
                texts << l->text();
        seen->text = texts.join('\n');
    }
    QAbstractButton* target = nullptr;
    for (QAbstractButton* b : modal->findChildren<QAbstractButton*>()) {
        if (!b->isVisible())
            continue;
        seen->buttons << Plain(b->text());
        if (Plain(b->text()) == button && !target)
            target = b;
    }
    if (before)
        before(modal);
    if (!target) {
        seen->error = "no button \"" + button + "\" in the dialog";
        modal->close();
        return;
    }
    seen->found = true;
    QTest::mouseClick(target, Qt::LeftButton);
}

} // namespace

std::shared_ptr<ModalSeen> AnswerNextModal(const QString& button, ModalAction before,
                                           int timeoutMs) {
    auto seen = std::make_shared<ModalSeen>();
    QPointer<QWidget> previous = QApplication::activeModalWidget();
    QDeadlineTimer deadline(timeoutMs);
    QTimer::singleShot(0, qApp, [=] { Poll(seen, button, before, deadline, previous); });
    return seen;
}

std::shared_ptr<ModalSeen> AnswerPrompt(const QString& text, int timeoutMs) {
    return AnswerNextModal(
        "OK",
        [text](QWidget* dialog) {
            if (auto* edit = dialog->findChild<QLineEdit*>()) {
                edit->selectAll();
                if (text.isEmpty())
                    QTest::keyClick(edit, Qt::Key_Delete);
                else
                    QTest::keyClicks(edit, text);
            }
        },
        timeoutMs);
}

bool WaitUntil(const std::function<bool()>& done, int timeoutMs) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > timeoutMs)
            return done();
        QApplication::processEvents(QEventLoop::AllEvents, 10);
        QTest::qWait(1);
    }
    return true;
}

} // namespace testsupport
