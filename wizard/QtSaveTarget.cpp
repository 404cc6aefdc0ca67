#include "QtSaveTarget.h"

#include <QFileDialog>

namespace dutywise {

QtSaveTarget::QtSaveTarget(QWidget* parent) : parent_(parent) {}

QStringList QtSaveTarget::nameFilters() {
    // "All Files" means every file; on POSIX "*.*" would hide names without a dot.
#ifdef Q_OS_WIN
    return {QStringLiteral("Rich Text (*.RTF)"), QStringLiteral("All Files (*.*)")};
#else
    return {QStringLiteral("Rich Text (*.RTF)"), QStringLiteral("All Files (*)")};
#endif
}

std::optional<std::string> QtSaveTarget::AskFileName() {
    QFileDialog dialog(parent_, QStringLiteral("Save As"));
    dialog.setObjectName(QStringLiteral("SaveDialog1"));
    // Qt's own dialog on every platform, so that it looks and answers the same everywhere.
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(nameFilters());
    dialog.selectNameFilter(nameFilters().first());
    dialog.setDefaultSuffix(QStringLiteral("rtf"));
    if (!last_.isEmpty())
        dialog.selectFile(last_);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty() || files.first().isEmpty())
        return std::nullopt;
    last_ = files.first();
    return last_.toStdString();
}

} // namespace dutywise
