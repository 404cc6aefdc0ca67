#pragma once
// The file dialogs behind Open Plan... and Save Plan...: Qt's own dialogs, named so that tests
// answer them as a user would, proposing the plan file used last in this run.

#include <optional>
#include <QString>
#include <QStringList>

class QWidget;

namespace dutywise {

class QtPlanDialogs {
public:
    explicit QtPlanDialogs(QWidget* parent = nullptr);

    std::optional<QString> AskOpenName(); // "PlanOpenDialog"; nothing when cancelled
    std::optional<QString> AskSaveName(); // "PlanSaveDialog"; a bare name gets ".dutywise"

    // The plan file chosen or opened last, proposed by the next dialog.
    void setLastFileName(const QString& path) { last_ = path; }

    static QStringList nameFilters();

private:
    std::optional<QString> Ask(bool save);

    QWidget* parent_;
    QString last_;
};

} // namespace dutywise
