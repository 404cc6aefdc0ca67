#include "PresenceModel.h"

#include <QCoreApplication>
#include <utility>

PresenceModel::PresenceModel(QStringList people, std::vector<dutywise::MealSlot> meals,
                             std::vector<dutywise::MealSet> away, QObject* parent)
    : QAbstractTableModel(parent), people_(std::move(people)), meals_(std::move(meals)),
      away_(std::move(away)) {
    away_.resize(static_cast<std::size_t>(people_.size()));
}

int PresenceModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(people_.size());
}

int PresenceModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 1 + static_cast<int>(meals_.size());
}

bool PresenceModel::there(int row, int meal) const {
    return !away_[static_cast<std::size_t>(row)].test(
        dutywise::SlotIndex(meals_[static_cast<std::size_t>(meal)]));
}

Qt::CheckState PresenceModel::rowState(int row) const {
    int count = 0;
    for (int meal = 0; meal < static_cast<int>(meals_.size()); ++meal)
        count += there(row, meal) ? 1 : 0;
    if (count == static_cast<int>(meals_.size()))
        return Qt::Checked;
    return count == 0 ? Qt::Unchecked : Qt::PartiallyChecked;
}

QVariant PresenceModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const int row = index.row();
    if (index.column() == 0) {
        if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
            return people_[row];
        if (role == Qt::CheckStateRole)
            return rowState(row);
        return {};
    }
    const bool isThere = there(row, index.column() - 1);
    if (role == Qt::CheckStateRole)
        return isThere ? Qt::Checked : Qt::Unchecked;
    if (role == Qt::AccessibleTextRole || role == Qt::ToolTipRole) {
        // "Ann, Friday Dinner: there": the person, the meal, and whether they are there.
        const QString meal = headerData(index.column(), Qt::Horizontal).toString();
        return (isThere ? tr("%1, %2: there") : tr("%1, %2: away")).arg(people_[row], meal);
    }
    return {};
}

bool PresenceModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::CheckStateRole)
        return false;
    const bool isThere = value.toInt() != Qt::Unchecked;
    const int row = index.row();
    if (index.column() == 0) {
        // A partly ticked row becomes ticked whole; a ticked one is cleared.
        setThereForEveryMeal(row, rowState(row) != Qt::Checked);
        return true;
    }
    const auto slot = dutywise::SlotIndex(meals_[static_cast<std::size_t>(index.column() - 1)]);
    away_[static_cast<std::size_t>(row)].set(slot, !isThere);
    emit dataChanged(index, index, {Qt::CheckStateRole});
    const QModelIndex name = this->index(row, 0);
    emit dataChanged(name, name, {Qt::CheckStateRole});
    return true;
}

void PresenceModel::setThereForEveryMeal(int row, bool isThere) {
    for (const dutywise::MealSlot& slot : meals_)
        away_[static_cast<std::size_t>(row)].set(dutywise::SlotIndex(slot), !isThere);
    emit dataChanged(index(row, 0), index(row, columnCount() - 1), {Qt::CheckStateRole});
}

Qt::ItemFlags PresenceModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable;
}

QVariant PresenceModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section == 0)
        return tr("Person");
    if (section < 1 || section > static_cast<int>(meals_.size()))
        return {};
    // The roster's names of the day and the meal, in the running language.
    const dutywise::MealSlot slot = meals_[static_cast<std::size_t>(section - 1)];
    return tr("%1 %2").arg(
        QCoreApplication::translate("RosterWords", dutywise::DayName(slot.day)),
        QCoreApplication::translate("RosterWords", dutywise::MealName(slot.meal)));
}
