#pragma once
// The save dialog behind the roster's save button: a QFileDialog that proposes the name chosen
// last in this run.

#include <QString>
#include <QStringList>

#include "Output.h"

class QWidget;

namespace dutywise {

class QtSaveTarget : public SaveTarget {
public:
    explicit QtSaveTarget(QWidget* parent = nullptr);

    std::optional<std::string> AskFileName() override;

    // The name chosen last, empty until the first choice.
    QString lastFileName() const { return last_; }
    static QStringList nameFilters();

private:
    QWidget* parent_;
    QString last_;
};

} // namespace dutywise
