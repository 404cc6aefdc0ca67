#include "WelcomeWindow.h"

#include <QCloseEvent>
#include <QKeyEvent>

#include "ChooserWindow.h"
#include "WindowFlow.h"
#include "Windows.h"

WelcomeWindow::WelcomeWindow(QWidget* parent) : QDialog(parent) {
    setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(278, 223);
    // A minimised window is named by its icon text on the accessibility bus: the title, so a
    // screen reader says the same name in either state.
    setWindowIconText(windowTitle());
    welcomeText->setText(WelcomeText());
    authorName->setText(QString::fromLatin1(kAuthorName));
    authorRole->setText(tr(kAuthorRole));
    connect(okButton, &QPushButton::clicked, this, &WelcomeWindow::openChooser);
}

QString WelcomeWindow::WelcomeText() {
    return tr("Welcome to Dutywise 4.1. I have changed the program just a LITTLE. At least this "
              "time, you have a choice of a template or a generated roster. If you have any "
              "questions or problems, my email is:%1. Thank you for using this program.\n\n"
              "Happy Roster Generating.")
        .arg(QString::fromLatin1(kAuthorAddress));
}

void WelcomeWindow::openChooser() {
    dutywise::app::Minimise(*this);
    dutywise::app::ShowModal(*chooserWindow);
    // Nothing restores the welcome window: it stays minimised.
}

void WelcomeWindow::closeEvent(QCloseEvent* event) {
    // The main window: closing it ends the program.
    event->accept();
    if (auto* flow = dutywise::app::WindowFlow::Instance())
        flow->Terminate();
}

void WelcomeWindow::keyPressEvent(QKeyEvent* event) {
    // Escape does not close the window.
    if (event->key() == Qt::Key_Escape)
        return event->accept();
    QDialog::keyPressEvent(event);
}
