#pragma once
// Answers the next modal dialog that the code under test opens, as a user would: waits (with a
// deadline) for QApplication::activeModalWidget(), lets the test look at it or fill it in, then
// clicks the named button. Schedule the answer before the call that opens the dialog.

#include <functional>
#include <memory>
#include <QPointer>
#include <QString>
#include <QWidget>

namespace testsupport {

struct ModalSeen {
    bool found = false;   // a modal dialog appeared and the button was clicked
    QString title;        // its window title
    QString text;         // a message box's text, or the label texts of another dialog
    QStringList buttons;  // the button texts, without '&'
    bool hasIcon = false; // a message box with an icon
    QString error;        // why the answer failed
};

using ModalAction = std::function<void(QWidget* dialog)>;

// Clicks the button whose text (ignoring '&') equals `button`. `before` runs first, on the
// dialog, e.g. to type into its field. Returns what was seen, filled in once answered.
std::shared_ptr<ModalSeen> AnswerNextModal(const QString& button, ModalAction before = {},
                                           int timeoutMs = 5000);

// Types `text` into the dialog's first line edit (replacing what it holds), then clicks "OK".
std::shared_ptr<ModalSeen> AnswerPrompt(const QString& text, int timeoutMs = 5000);

// A watchdog for the dialogs nobody answers: when an application-modal dialog (a message box, a
// prompt, a file dialog) stays open for `seconds` while no answer above is waiting, the running
// test fails with the dialog's title and text and the dialog is closed, so that the test goes on
// instead of hanging until CTest's limit. The program's own windows, which are window-modal,
// are left alone. The shared GUI test main installs it; returns the limit it replaced.
int InstallModalWatchdog(int seconds = 5);

// Processes events until `done` returns true or the deadline passes; returns `done()`.
bool WaitUntil(const std::function<bool()>& done, int timeoutMs = 5000);

} // namespace testsupport
