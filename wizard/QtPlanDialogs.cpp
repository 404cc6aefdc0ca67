#include "QtPlanDialogs.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>

#include "QtSaveTarget.h"

namespace dutywise {

QtPlanDialogs::QtPlanDialogs(QWidget* parent) : parent_(parent) {}

QStringList QtPlanDialogs::nameFilters() {
    // Worded like the roster's save dialog: "*.*" on POSIX would hide names without a dot.
#ifdef Q_OS_WIN
    return {QCoreApplication::translate("QtPlanDialogs", "Dutywise Plans (*.dutywise)"),
            QCoreApplication::translate("QtPlanDialogs", "All Files (*.*)")};
#else
    return {QCoreApplication::translate("QtPlanDialogs", "Dutywise Plans (*.dutywise)"),
            QCoreApplication::translate("QtPlanDialogs", "All Files (*)")};
#endif
}

std::optional<QString> QtPlanDialogs::AskOpenName() {
    return Ask(false);
}

std::optional<QString> QtPlanDialogs::AskSaveName() {
    return Ask(true);
}

std::optional<QString> QtPlanDialogs::Ask(bool save) {
    QFileDialog dialog(parent_, save ? QCoreApplication::translate("QtPlanDialogs", "Save Plan")
                                     : QCoreApplication::translate("QtPlanDialogs", "Open Plan"));
    dialog.setObjectName(save ? QStringLiteral("PlanSaveDialog")
                              : QStringLiteral("PlanOpenDialog"));
    // Qt's own dialog everywhere, as for the roster, so it looks and answers the same.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilters(nameFilters());
    dialog.selectNameFilter(nameFilters().first());
    dialog.setDefaultSuffix(QStringLiteral("dutywise"));
    if (last_.isEmpty())
        dialog.setDirectory(DialogStartFolder());
    else if (save)
        dialog.selectFile(last_);
    else
        dialog.setDirectory(QFileInfo(last_).absolutePath());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty() || files.first().isEmpty())
        return std::nullopt;
    last_ = files.first();
    return last_;
}

} // namespace dutywise
