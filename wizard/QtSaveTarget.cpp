#include "QtSaveTarget.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

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

QString DialogStartFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

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
    const std::string_view extension = ExtensionOf(format);
    return QString::fromUtf8(extension.data(), static_cast<qsizetype>(extension.size()));
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
    // Proposed next time under the type it was written in: "roster.pdf" typed under Rich Text
    // is a PDF.
    lastFormat_ = FormatOfName(last_.toStdString()).value_or(format);
    return SaveChoice{last_.toStdString(), format};
}

} // namespace dutywise
