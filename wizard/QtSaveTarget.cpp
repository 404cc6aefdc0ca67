#include "QtSaveTarget.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace dutywise {
namespace {

constexpr int kPdfFilter = 2;

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

QtSaveTarget::QtSaveTarget(QWidget* parent) : parent_(parent) {}

QStringList QtSaveTarget::nameFilters() {
    // "All Files" means every file; on POSIX "*.*" would hide names without a dot.
#ifdef Q_OS_WIN
    return {QCoreApplication::translate("QtSaveTarget", "Rich Text (*.RTF)"),
            QCoreApplication::translate("QtSaveTarget", "All Files (*.*)"),
            QCoreApplication::translate("QtSaveTarget", "PDF (*.pdf)")};
#else
    return {QCoreApplication::translate("QtSaveTarget", "Rich Text (*.RTF)"),
            QCoreApplication::translate("QtSaveTarget", "All Files (*)"),
            QCoreApplication::translate("QtSaveTarget", "PDF (*.pdf)")};
#endif
}

SaveFormat QtSaveTarget::FormatOfFilter(int index) {
    return index == kPdfFilter ? SaveFormat::Pdf : SaveFormat::RichText;
}

QString QtSaveTarget::DefaultSuffix(SaveFormat format) {
    return format == SaveFormat::Pdf ? QStringLiteral("pdf") : QStringLiteral("rtf");
}

std::optional<SaveChoice> QtSaveTarget::AskFileName() {
    const QStringList filters = nameFilters();
    QFileDialog dialog(parent_, QCoreApplication::translate("QtSaveTarget", "Save As"));
    dialog.setObjectName(QStringLiteral("SaveDialog1"));
    // Qt's own dialog on every platform, so that it looks and answers the same everywhere.
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.at(lastFormat_ == SaveFormat::Pdf ? kPdfFilter : 0));
    dialog.setDefaultSuffix(DefaultSuffix(lastFormat_));
    // The extension added to a bare name follows the file type chosen.
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, &dialog, [&dialog, filters](const QString& filter) {
            dialog.setDefaultSuffix(
                DefaultSuffix(FormatOfFilter(static_cast<int>(filters.indexOf(filter)))));
        });
    if (!last_.isEmpty())
        ProposeName(dialog, last_);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty() || files.first().isEmpty())
        return std::nullopt;
    const SaveFormat format =
        FormatOfFilter(static_cast<int>(filters.indexOf(dialog.selectedNameFilter())));
    last_ = files.first();
    lastFormat_ = format;
    return SaveChoice{last_.toStdString(), format};
}

} // namespace dutywise
