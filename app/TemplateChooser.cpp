#include "TemplateChooser.h"

#include <QKeyEvent>
#include <string>

#include "Application.h"
#include "ChooserWindow.h"
#include "Shell.h"
#include "WindowFlow.h"
#include "Windows.h"

TForm6::TForm6(QWidget* parent) : QDialog(parent) {
    setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(353, 268);
    connect(FlatButton1, &QPushButton::clicked, this, &TForm6::FlatButton1Click);
    connect(FlatButton2, &QPushButton::clicked, this, &TForm6::FlatButton2Click);
    connect(FlatButton3, &QPushButton::clicked, this, &TForm6::FlatButton3Click);
}

void TForm6::FlatButton1Click() {
    const int index = FlatListBox1->selectedIndex();
    // Nothing clicked yet, or a click on one of the empty rows below the last entry.
    const QString text =
        index >= 0 && index < FlatListBox1->count() ? FlatListBox1->item(index) : QString();
    if (text.isEmpty()) {
        dutywise::app::ShowMessage(QString::fromLatin1(kNoSelection));
        return;
    }
    // The number of days comes from the position alone.
    ShellExecute(kProgram, std::to_string(index + 1) + "daytemp.abw", "", 1);
}

void TForm6::FlatButton3Click() {
    ShellExecute(kProgram, kMasterTemplate, "", 1);
}

void TForm6::FlatButton2Click() {
    close();
    dutywise::app::Restore(*Form5);
}

void TForm6::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape)
        return event->accept();
    QDialog::keyPressEvent(event);
}
