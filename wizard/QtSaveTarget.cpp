#include "QtSaveTarget.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

#include "DocumentTools.h"

namespace dutywise {
namespace {

// The dialog's file types in the order it offers them, and what a file saved under each holds.
// Rich Text stays first and chosen at first; the sheets, the calendar and the spreadsheet come
// after PDF, so that the first three keep their places.
struct Filter {
    const char* name;
    SaveFormat format;
};
constexpr Filter kFilters[] = {
    {QT_TRANSLATE_NOOP("QtSaveTarget", "Rich Text (*.RTF)"), SaveFormat::RichText},
// "All Files" means every file; on POSIX "*.*" would hide names without a dot.
#ifdef Q_OS_WIN
    {QT_TRANSLATE_NOOP("QtSaveTarget", "All Files (*.*)"), SaveFormat::RichText},
#else
    {QT_TRANSLATE_NOOP("QtSaveTarget", "All Files (*)"), SaveFormat::RichText},
#endif
    {QT_TRANSLATE_NOOP("QtSaveTarget", "PDF (*.pdf)"), SaveFormat::Pdf},
    // The dialog reads the last brackets as the pattern, so the kind of file stands before it.
    {QT_TRANSLATE_NOOP("QtSaveTarget", "Notice board (PDF) (*.pdf)"), SaveFormat::NoticeBoard},
    {QT_TRANSLATE_NOOP("QtSaveTarget", "Each scout's duties (PDF) (*.pdf)"), SaveFormat::DutySlips},
    {QT_TRANSLATE_NOOP("QtSaveTarget", "Calendar (*.ics)"), SaveFormat::Calendar},
    {QT_TRANSLATE_NOOP("QtSaveTarget", "Spreadsheet (*.csv)"), SaveFormat::Spreadsheet},
};

// Proposes `path` so that pressing Save chooses it again. The dialog cannot show a folder that
// does not exist (the name of a save that failed for that reason): it then opens the nearest
// folder above it that exists, and the name keeps the rest of the path.
void ProposeName(QFileDialog& dialog, const QString& path) {
    const QFileInfo info(path);
    QString folder = info.absolutePath();
    while (!QFileInfo(folder).isDir() && QFileInfo(folder).absolutePath() != folder)
        folder = QFileInfo(folder).absolutePath();
    if (folder == info.absolutePath()) {
        dialog.selectFile(path);
        return;
    }
    dialog.setDirectory(folder);
    dialog.selectFile(QDir(folder).relativeFilePath(info.absoluteFilePath()));
}

} // namespace

QString DialogStartFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

QtSaveTarget::QtSaveTarget(QWidget* parent) : parent_(parent) {}

QStringList QtSaveTarget::nameFilters() {
    QStringList names;
    for (const Filter& filter : kFilters)
        names << QCoreApplication::translate("QtSaveTarget", filter.name);
    return names;
}

SaveFormat QtSaveTarget::FormatOfFilter(int index) {
    return index >= 0 && index < static_cast<int>(std::size(kFilters)) ? kFilters[index].format
                                                                       : SaveFormat::RichText;
}

QString QtSaveTarget::DefaultSuffix(SaveFormat format) {
    return QString::fromLatin1(SaveTypes()[static_cast<std::size_t>(format)].extension);
}

std::optional<SaveChoice> QtSaveTarget::AskFileName() {
    const QStringList filters = nameFilters();
    QFileDialog dialog(parent_, QCoreApplication::translate("QtSaveTarget", "Save As"));
    dialog.setObjectName(QStringLiteral("rosterSaveDialog"));
    // Qt's own dialog on every platform, so that it looks and answers the same everywhere.
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters);
    int chosen = 0;
    while (chosen < static_cast<int>(std::size(kFilters)) && kFilters[chosen].format != lastFormat_)
        ++chosen;
    dialog.selectNameFilter(filters.value(chosen, filters.first()));
    dialog.setDefaultSuffix(DefaultSuffix(lastFormat_));
    // The extension added to a bare name follows the file type chosen.
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, &dialog, [&dialog, filters](const QString& filter) {
            dialog.setDefaultSuffix(
                DefaultSuffix(FormatOfFilter(static_cast<int>(filters.indexOf(filter)))));
        });
    if (!last_.isEmpty())
        ProposeName(dialog, last_);
    else
        dialog.setDirectory(DialogStartFolder());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty() || files.first().isEmpty())
        return std::nullopt;
    const SaveFormat format =
        FormatOfFilter(static_cast<int>(filters.indexOf(dialog.selectedNameFilter())));
    last_ = files.first();
    // A name typed with an extension that decides its type is proposed under that type next time.
    lastFormat_ = FormatForName(last_.toStdString(), format);
    return SaveChoice{last_.toStdString(), format};
}

} // namespace dutywise
