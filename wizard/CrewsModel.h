#pragma once
// The roster's crews as a table for the Crews dialog: one row per meal in the roster's order; a
// column with the meal, one with the rules its crews break (in words), then the cooks' places
// and the clean-up places. A place changed here is marked as set by hand.

#include <QAbstractTableModel>
#include <array>
#include <QStringList>
#include <string>
#include <vector>

#include "CrewRules.h"
#include "Roster.h"
#include "RosterWords.h"

class CrewsModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { MealColumn = 0, RulesColumn = 1, FirstPlaceColumn = 2 };
    // The most of a name a place shows; the whole name is its tooltip.
    static constexpr int kShownNameLength = 48;

    // `keptApart`: the plan's pairs of names that should not share a meal's crews.
    CrewsModel(dutywise::Roster roster, const dutywise::RosterWords& words,
               std::vector<std::array<std::string, 2>> keptApart = {}, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // Edit role: the person (list position) to put into a place.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The roster with the changes made.
    const dutywise::Roster& roster() const { return roster_; }
    // Whether the cell is a place of a crew (a meal with smaller crews has empty cells).
    bool isPlace(const QModelIndex& index) const;
    // Puts each place's person into the other; both count as set by hand.
    void swapPlaces(const QModelIndex& a, const QModelIndex& b);
    // "Sunday Breakfast, Cook 2: Ann": a place, for choosing it from a list.
    QString placeTitle(const QModelIndex& index) const;
    QString mealTitle(int row) const;
    // The rules a meal's crews break, one sentence each.
    QStringList brokenRules(int row) const { return rules_[static_cast<std::size_t>(row)]; }
    // The words of one broken rule: every language's sentence is made here. `other` is the
    // second person of a pair kept apart.
    static QString ruleText(const dutywise::BrokenRule& rule, const QString& person,
                            const QString& other = {});

private:
    dutywise::CrewPlace* place(const QModelIndex& index);
    const dutywise::CrewPlace* place(const QModelIndex& index) const;
    QString personName(int person) const;
    void checkMeal(std::size_t meal);
    // A change to a meal's crews can break or mend the rest rule of the meal after it.
    void mealChanged(std::size_t meal);

    dutywise::Roster roster_;
    dutywise::RosterWords words_;
    std::vector<std::array<std::string, 2>> keptApart_;
    int places_ = 0; // the widest crew
    std::vector<QStringList> rules_;
};
