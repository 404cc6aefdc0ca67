#pragma once
// The save dialog behind the roster's save button: a QFileDialog that proposes the name chosen
// last in this run and reports the file type chosen in it.

#include <QString>
#include <QStringList>

#include "Output.h"

class QWidget;

namespace dutywise {

// Where the file dialogs open until a name has been chosen in this run: the user's Documents
// folder, or the home folder without one; never the program's own folder.
QString DialogStartFolder();

class QtSaveTarget : public SaveTarget {
public:
    explicit QtSaveTarget(QWidget* parent = nullptr);

    std::optional<SaveChoice> AskFileName() override; // shows "rosterSaveDialog"

    // The name chosen last, empty until the first choice.
    QString lastFileName() const { return last_; }
    // Rich Text, all files, PDF, then the notice board, each scout's duties, the calendar and
    // the spreadsheet: in this order, Rich Text chosen at first.
    static QStringList nameFilters();
    // What a file saved under the filter at `index` of nameFilters() holds.
    static SaveFormat FormatOfFilter(int index);
    // The extension added to a name typed without one ("rtf", "pdf", "ics", "csv").
    static QString DefaultSuffix(SaveFormat format);

private:
    QWidget* parent_;
    QString last_;
    // Chosen again with the last name, so that "roster.pdf" is never proposed under Rich Text.
    SaveFormat lastFormat_ = SaveFormat::RichText;
};

} // namespace dutywise
