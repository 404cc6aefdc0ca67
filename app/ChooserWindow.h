#pragma once
// The chooser: a ready-made template or the wizard, or the end of the program.

#include <QDialog>

#include "ui_ChooserWindow.h"

class ChooserWindow : public QDialog, private Ui::ChooserWindow {
    Q_OBJECT

public:
    explicit ChooserWindow(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void openTemplateChooser(); // Template
    void openWizard();          // Wizard
    void exitProgram();         // Exit
};
