#include "ModalAnswer.h"

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
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

int g_waitingAnswers = 0; // answers scheduled and not yet given or given up

// A message box's text, or the label texts of another dialog.
QString TextOf(QWidget* modal) {
    if (auto* box = qobject_cast<QMessageBox*>(modal))
        return box->text();
    QStringList texts;
    for (QLabel* l : modal->findChildren<QLabel*>())
        if (!l->text().isEmpty())
            texts << l->text();
    return texts.join('\n');
}

void Poll(std::shared_ptr<ModalSeen> seen, QString button, ModalAction before,
          QDeadlineTimer deadline, QPointer<QWidget> previous) {
    QWidget* modal = QApplication::activeModalWidget();
    // Wait for a modal that is new (not the one that was up when the answer was scheduled).
    if (!modal || modal == previous || !modal->isVisible()) {
        if (deadline.hasExpired()) {
            seen->error = "no modal dialog appeared";
            --g_waitingAnswers;
            return;
        }
        QTimer::singleShot(10, qApp, [=] { Poll(seen, button, before, deadline, previous); });
        return;
    }
    seen->title = modal->windowTitle();
    seen->text = TextOf(modal);
    if (auto* box = qobject_cast<QMessageBox*>(modal))
        seen->hasIcon = box->icon() != QMessageBox::NoIcon;
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
        // Another dialog than the one expected: say which, and close it so the test goes on.
        seen->error = "no button \"" + button + "\" in the dialog \"" + seen->title + "\" (" +
                      seen->buttons.join(", ") + "): " + seen->text;
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
        --g_waitingAnswers;
        return;
    }
    seen->found = true;
    --g_waitingAnswers; // before the click, which may open the next dialog
    QTest::mouseClick(target, Qt::LeftButton);
}

} // namespace

std::shared_ptr<ModalSeen> AnswerNextModal(const QString& button, ModalAction before,
                                           int timeoutMs) {
    auto seen = std::make_shared<ModalSeen>();
    ++g_waitingAnswers;
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

int InstallModalWatchdog(int seconds) {
    static int limitMs = 0;
    static QPointer<QWidget> watched;
    static QElapsedTimer since;
    const int previous = limitMs / 1000;
    limitMs = seconds * 1000;
    if (previous != 0)
        return previous; // already installed: only the limit changes
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, [] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible() || modal->windowModality() != Qt::ApplicationModal ||
            g_waitingAnswers > 0) {
            watched = nullptr;
            return;
        }
        if (modal != watched) {
            watched = modal;
            since.start();
            return;
        }
        if (since.elapsed() < limitMs)
            return;
        ADD_FAILURE() << "A modal dialog that no test answers stayed open for "
                      << since.elapsed() / 1000 << " s and is closed now. Title: \""
                      << modal->windowTitle().toStdString() << "\"; text: \""
                      << TextOf(modal).toStdString() << "\"";
        watched = nullptr;
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
    });
    timer->start(200);
    return previous;
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
