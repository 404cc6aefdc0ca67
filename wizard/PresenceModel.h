#pragma once
// Who is there for which meal, as a table for the "Who is there when?" dialog: one row per
// person in the people list's order, a first column with the name, then one column per active
// meal. Each cell is a tick (ticked = there); the name's tick stands for the whole row.

#include <QAbstractTableModel>
#include <QStringList>
#include <vector>

#include "OutingPlan.h"

class PresenceModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // `away` has one entry per person (missing ones are there for every meal); bits of meals
    // that are not among `meals` are kept as they are.
    PresenceModel(QStringList people, std::vector<dutywise::MealSlot> meals,
                  std::vector<dutywise::MealSet> away, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // Ticks or clears every meal of a person at once.
    void setThereForEveryMeal(int row, bool there);
    bool there(int row, int meal) const; // meal: 0 .. meals - 1
    // One entry per person, as given, with the changes made in the table.
    const std::vector<dutywise::MealSet>& away() const { return away_; }

private:
    Qt::CheckState rowState(int row) const;

    QStringList people_;
    std::vector<dutywise::MealSlot> meals_;
    std::vector<dutywise::MealSet> away_;
};
