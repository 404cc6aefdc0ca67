#include "ChooserWindow.h"

#include <QKeyEvent>

#include "TemplateChooser.h"
#include "WelcomeWindow.h"
#include "WindowFlow.h"
#include "Windows.h"
#include "WizardWindow.h"

TForm5::TForm5(QWidget* parent) : QDialog(parent) {
    setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(347, 201);
    // A minimised window is named by its icon text on the accessibility bus: the title, so a
    // screen reader says the same name in either state.
    setWindowIconText(windowTitle());
    for (QPushButton* b : {FlatSpeedButton1, FlatSpeedButton2, FlatSpeedButton3}) {
        b->setProperty("colorFocused", QColor(0x62, 0xB0, 0xFF));
        b->setProperty("colorDown", QColor(0x00, 0x80, 0xFF));
        b->setProperty("colorBorder", QColor(0xA0, 0x96, 0x83));
    }
    connect(FlatSpeedButton1, &QPushButton::clicked, this, &TForm5::FlatSpeedButton1Click);
    connect(FlatSpeedButton2, &QPushButton::clicked, this, &TForm5::FlatSpeedButton2Click);
    connect(FlatSpeedButton3, &QPushButton::clicked, this, &TForm5::FlatSpeedButton3Click);
}

void TForm5::FlatSpeedButton1Click() {
    dutywise::app::Minimise(*this);
    dutywise::app::ShowModal(*Form6);
}

void TForm5::FlatSpeedButton2Click() {
    dutywise::app::Minimise(*this);
    dutywise::app::ShowModal(*Form2);
}

void TForm5::FlatSpeedButton3Click() {
    // Closing the main window ends the program; nothing is asked, nothing saved.
    Form1->close();
}

void TForm5::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape)
        return event->accept();
    QDialog::keyPressEvent(event);
}
