#pragma once
// The welcome window, the program's main window: closing it ends the program.

#include <QDialog>

#include "ui_WelcomeWindow.h"

class WelcomeWindow : public QDialog, private Ui::WelcomeWindow {
    Q_OBJECT

public:
    explicit WelcomeWindow(QWidget* parent = nullptr);

    static constexpr const char* kAuthorName = "Sam Ridley";
    static constexpr const char* kAuthorRole =
        QT_TRANSLATE_NOOP("WelcomeWindow", "Scoutmaster, Trailhead Software");
    static constexpr const char* kAuthorAddress = "rosters@example.org";
    static QString WelcomeText();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void openChooser();
};
