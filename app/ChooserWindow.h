#pragma once
// The chooser: a ready-made template or the wizard, or the end of the program.

#include <QDialog>

#include "ui_ChooserWindow.h"

class TForm5 : public QDialog, private Ui::TForm5 {
    Q_OBJECT

public:
    explicit TForm5(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FlatSpeedButton1Click(); // Template
    void FlatSpeedButton2Click(); // Wizard
    void FlatSpeedButton3Click(); // Exit
};
