#include "CrewsModel.h"

#include <algorithm>
#include <QBrush>
#include <QDate>
#include <QFont>
#include <QLocale>
#include <utility>

CrewsModel::CrewsModel(dutywise::Roster roster, const dutywise::RosterWords& words,
                       std::vector<std::array<std::string, 2>> keptApart, QObject* parent)
    : QAbstractTableModel(parent), roster_(std::move(roster)), words_(words),
      keptApart_(std::move(keptApart)) {
    for (const dutywise::RosterMeal& meal : roster_.meals)
        places_ = std::max({places_, static_cast<int>(meal.cooks.size()),
                            static_cast<int>(meal.cleanup.size())});
    rules_.resize(roster_.meals.size());
    for (std::size_t meal = 0; meal < roster_.meals.size(); ++meal)
        checkMeal(meal);
}

int CrewsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(roster_.meals.size());
}

int CrewsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : FirstPlaceColumn + 2 * places_;
}

QString CrewsModel::ruleText(const dutywise::BrokenRule& rule, const QString& person,
                             const QString& other) {
    switch (rule.code) {
    case dutywise::RuleCode::Away:
        return tr("%1 is away for this meal").arg(person);
    case dutywise::RuleCode::TwiceInOneCrew:
        return tr("%1 is twice in one crew").arg(person);
    case dutywise::RuleCode::OnBothCrews:
        return tr("%1 is on both crews").arg(person);
    case dutywise::RuleCode::DutyBefore:
        return tr("%1 was on duty at the meal before").arg(person);
    case dutywise::RuleCode::KeptApart:
        return tr("%1 and %2 are to be kept apart").arg(person, other);
    }
    return {};
}

void CrewsModel::checkMeal(std::size_t meal) {
    QStringList& texts = rules_[meal];
    texts.clear();
    for (const dutywise::BrokenRule& rule : dutywise::BrokenRules(roster_, meal, keptApart_))
        texts << ruleText(rule, personName(rule.person), personName(rule.other));
}

void CrewsModel::mealChanged(std::size_t meal) {
    for (std::size_t m = meal; m < std::min(meal + 2, roster_.meals.size()); ++m) {
        checkMeal(m);
        const QModelIndex rules = index(static_cast<int>(m), RulesColumn);
        emit dataChanged(rules, rules);
    }
    emit dataChanged(index(static_cast<int>(meal), FirstPlaceColumn),
                     index(static_cast<int>(meal), columnCount() - 1));
}

QString CrewsModel::personName(int person) const {
    if (person < 0 || static_cast<std::size_t>(person) >= roster_.people.size())
        return {};
    return QString::fromStdString(roster_.people[static_cast<std::size_t>(person)]);
}

QString CrewsModel::mealTitle(int row) const {
    const dutywise::RosterMeal& meal = roster_.meals[static_cast<std::size_t>(row)];
    QString title = QString::fromStdString(words_.DayName(meal.slot.day)) + u' ' +
                    QString::fromStdString(words_.MealName(meal.slot.meal));
    if (meal.date)
        title += QStringLiteral(" (%1)").arg(QLocale().toString(
            QDate(meal.date->year, meal.date->month, meal.date->day), QLocale::ShortFormat));
    return title;
}

const dutywise::CrewPlace* CrewsModel::place(const QModelIndex& index) const {
    if (!index.isValid() || index.column() < FirstPlaceColumn)
        return nullptr;
    const dutywise::RosterMeal& meal = roster_.meals[static_cast<std::size_t>(index.row())];
    const int column = index.column() - FirstPlaceColumn;
    const std::vector<dutywise::CrewPlace>& crew = column < places_ ? meal.cooks : meal.cleanup;
    const std::size_t at = static_cast<std::size_t>(column % places_);
    return at < crew.size() ? &crew[at] : nullptr;
}

dutywise::CrewPlace* CrewsModel::place(const QModelIndex& index) {
    return const_cast<dutywise::CrewPlace*>(std::as_const(*this).place(index));
}

bool CrewsModel::isPlace(const QModelIndex& index) const {
    return place(index) != nullptr;
}

QString CrewsModel::placeTitle(const QModelIndex& index) const {
    const dutywise::CrewPlace* at = place(index);
    if (!at)
        return {};
    return tr("%1, %2: %3")
        .arg(mealTitle(index.row()), headerData(index.column(), Qt::Horizontal).toString(),
             personName(at->person).left(kShownNameLength));
}

QVariant CrewsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const int row = index.row();
    if (index.column() == MealColumn)
        return role == Qt::DisplayRole || role == Qt::AccessibleTextRole ? mealTitle(row)
                                                                           : QVariant();
    if (index.column() == RulesColumn) {
        const QStringList& texts = rules_[static_cast<std::size_t>(row)];
        switch (role) {
        case Qt::DisplayRole:
        case Qt::ToolTipRole:
            return texts.join(u'\n');
        case Qt::AccessibleTextRole:
            return texts.isEmpty() ? tr("No warnings") : texts.join(QStringLiteral("; "));
        case Qt::ForegroundRole:
            return QBrush(Qt::red);
        default:
            return {};
        }
    }
    const dutywise::CrewPlace* at = place(index);
    if (!at)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        // A place is narrower than this: laying out a longer name only to elide it is waste.
        return personName(at->person).left(kShownNameLength);
    case Qt::ToolTipRole:
        return personName(at->person);
    case Qt::AccessibleTextRole:
        return at->byHand ? tr("%1, set by hand").arg(personName(at->person))
                          : personName(at->person);
    case Qt::EditRole:
        return at->person;
    case Qt::FontRole:
        if (at->byHand) {
            QFont font;
            font.setBold(true);
            return font;
        }
        return {};
    default:
        return {};
    }
}

bool CrewsModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    dutywise::CrewPlace* at = place(index);
    bool ok = false;
    const int person = value.toInt(&ok);
    if (!at || role != Qt::EditRole || !ok || person < 0 ||
        static_cast<std::size_t>(person) >= roster_.people.size())
        return false;
    if (at->person == person)
        return true; // the same person again is no change
    *at = {person, true};
    mealChanged(static_cast<std::size_t>(index.row()));
    return true;
}

void CrewsModel::swapPlaces(const QModelIndex& a, const QModelIndex& b) {
    dutywise::CrewPlace* first = place(a);
    dutywise::CrewPlace* second = place(b);
    if (!first || !second || first == second || first->person == second->person)
        return;
    std::swap(first->person, second->person);
    first->byHand = second->byHand = true;
    mealChanged(static_cast<std::size_t>(a.row()));
    if (b.row() != a.row())
        mealChanged(static_cast<std::size_t>(b.row()));
}

Qt::ItemFlags CrewsModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    if (index.column() < FirstPlaceColumn)
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return isPlace(index) ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable
                          : Qt::NoItemFlags;
}

QVariant CrewsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    if (section == MealColumn)
        return tr("Meal");
    if (section == RulesColumn)
        return tr("Warnings");
    const int column = section - FirstPlaceColumn;
    return column < places_ ? tr("Cook %1").arg(column + 1)
                            : tr("Clean-up %1").arg(column - places_ + 1);
}
