#pragma once
// The welcome window, the program's main window: closing it ends the program.

#include <QDialog>

#include "ui_WelcomeWindow.h"

class TForm1 : public QDialog, private Ui::TForm1 {
    Q_OBJECT

public:
    explicit TForm1(QWidget* parent = nullptr);

    static constexpr const char* kAuthorName = "Sam Ridley";
    static constexpr const char* kAuthorRole = "Scoutmaster, Trailhead Software";
    static constexpr const char* kAuthorAddress = "rosters@example.org";
    static QString WelcomeText();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FlatButton1Click();
};
