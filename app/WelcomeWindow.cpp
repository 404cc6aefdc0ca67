#include "WelcomeWindow.h"

#include <QCloseEvent>
#include <QKeyEvent>

#include "ChooserWindow.h"
#include "WindowFlow.h"
#include "Windows.h"

TForm1::TForm1(QWidget* parent) : QDialog(parent) {
    setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(278, 223);
    // A minimised window is named by its icon text on the accessibility bus: the title, so a
    // screen reader says the same name in either state.
    setWindowIconText(windowTitle());
    Label1->setText(WelcomeText());
    Label2->setText(QString::fromLatin1(kAuthorName));
    Label3->setText(QString::fromLatin1(kAuthorRole));
    connect(FlatButton1, &QPushButton::clicked, this, &TForm1::FlatButton1Click);
}

QString TForm1::WelcomeText() {
    return QStringLiteral(
               "Welcome to Dutywise 4.1. I have changed the program just a LITTLE. At least this "
               "time, you have a choice of a template or a generated roster. If you have any "
               "questions or problems, my email is:") +
           QString::fromLatin1(kAuthorAddress) +
           QStringLiteral(". Thank you for using this program.\n\nHappy Roster Generating.");
}

void TForm1::FlatButton1Click() {
    dutywise::app::Minimise(*this);
    dutywise::app::ShowModal(*Form5);
    // Nothing restores the welcome window: it stays minimised.
}

void TForm1::closeEvent(QCloseEvent* event) {
    // The main window: closing it ends the program.
    event->accept();
    if (auto* flow = dutywise::app::WindowFlow::Instance())
        flow->Terminate();
}

void TForm1::keyPressEvent(QKeyEvent* event) {
    // Escape does not close the window.
    if (event->key() == Qt::Key_Escape)
        return event->accept();
    QDialog::keyPressEvent(event);
}
