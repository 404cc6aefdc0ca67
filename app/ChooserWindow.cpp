#include "ChooserWindow.h"

#include <QKeyEvent>

#include "TemplateChooser.h"
#include "WelcomeWindow.h"
#include "WindowFlow.h"
#include "Windows.h"
#include "WizardWindow.h"

ChooserWindow::ChooserWindow(QWidget* parent) : QDialog(parent) {
    setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(347, 201);
    // A minimised window is named by its icon text on the accessibility bus: the title, so a
    // screen reader says the same name in either state.
    setWindowIconText(windowTitle());
    for (QPushButton* b : {templateButton, wizardButton, exitButton}) {
        b->setProperty("colorFocused", QColor(0x62, 0xB0, 0xFF));
        b->setProperty("colorDown", QColor(0x00, 0x80, 0xFF));
        b->setProperty("colorBorder", QColor(0xA0, 0x96, 0x83));
    }
    connect(templateButton, &QPushButton::clicked, this, &ChooserWindow::openTemplateChooser);
    connect(wizardButton, &QPushButton::clicked, this, &ChooserWindow::openWizard);
    connect(exitButton, &QPushButton::clicked, this, &ChooserWindow::exitProgram);
}

void ChooserWindow::openTemplateChooser() {
    dutywise::app::Minimise(*this);
    dutywise::app::ShowModal(*templateChooser);
}

void ChooserWindow::openWizard() {
    dutywise::app::Minimise(*this);
    dutywise::app::ShowModal(*wizardWindow);
}

void ChooserWindow::exitProgram() {
    // Closing the main window ends the program; nothing is asked, nothing saved.
    welcomeWindow->close();
}

void ChooserWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape)
        return event->accept();
    QDialog::keyPressEvent(event);
}
