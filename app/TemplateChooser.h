#pragma once
// The template chooser: opens a ready-made roster for one to seven days, or the master
// template, in the word processor.

#include <QDialog>
#include <string>

#include "ui_TemplateChooser.h"

class TemplateChooser : public QDialog, private Ui::TemplateChooser {
    Q_OBJECT

public:
    explicit TemplateChooser(QWidget* parent = nullptr);

    static constexpr const char* kProgram = "bin\\abiword.exe";
    static constexpr const char* kMasterTemplate = "template.abw";
    // In English; the message said is its translation.
    static constexpr const char* kNoSelection =
        QT_TRANSLATE_NOOP("TemplateChooser", "Please select the number of days in the outing!");
    // The templates of the running language, when it has them: "de/1daytemp.abw".
    static std::string TemplatePath(const std::string& file);

    // Where the word processor's launcher (bin/abiword) and the templates are, and where it is
    // started, whatever the current folder: the program's own folder when it holds the
    // launcher, as the run folder of a build does, else the data folder of an installed program.
    static QString dataFolder();
    static QString DataFolderOf(const QString& programFolder);
    static void setDataFolder(const QString& folder); // another one, for tests

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void openDayTemplate();    // Start
    void backToChooser();      // Exit
    void editMasterTemplate(); // Edit a Template
};
