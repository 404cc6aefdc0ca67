#pragma once
// The template chooser: opens a ready-made roster for one to seven days, or the master
// template, in the word processor.

#include <QDialog>

#include "ui_TemplateChooser.h"

class TemplateChooser : public QDialog, private Ui::TemplateChooser {
    Q_OBJECT

public:
    explicit TemplateChooser(QWidget* parent = nullptr);

    static constexpr const char* kProgram = "bin\\abiword.exe";
    static constexpr const char* kMasterTemplate = "template.abw";
    static constexpr const char* kNoSelection = "Please select the number of days in the outing!";

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void openDayTemplate();    // Start
    void backToChooser();      // Exit
    void editMasterTemplate(); // Edit a Template
};
