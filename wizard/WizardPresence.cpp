// Who is there when: the Finalization page's "Who Is There..." button, its dialog, and the
// absences the wizard keeps with the people list's entries (by entry key, so that sorting,
// adding and deleting others leave each person's ticks with that person). Beside it, "Keep
// Apart..." and the pairs of names kept out of one meal's crews.

#include <QMessageBox>
#include <QSet>

#include "FlatListBox.h"
#include "KeepApartDialog.h"
#include "Roster.h"
#include "WhoIsThereDialog.h"
#include "WizardWindow.h"

std::vector<dutywise::MealSlot> WizardWindow::ActiveMeals() const {
    // In the outing's order, from the start date's weekday when there is one.
    return dutywise::OutingMeals(ReadPlan());
}

std::vector<std::array<std::string, 2>> WizardWindow::KeptApart() const {
    const QStringList people = peopleList->items();
    const auto among = [&](const std::string& name) {
        return people.contains(QString::fromStdString(name));
    };
    std::vector<std::array<std::string, 2>> pairs;
    for (const auto& pair : keepApart_)
        if (among(pair[0]) && among(pair[1]))
            pairs.push_back(pair);
    return pairs;
}

std::vector<dutywise::MealSet> WizardWindow::Absences() const {
    if (absences_.isEmpty())
        return {};
    std::vector<dutywise::MealSet> away;
    away.reserve(peopleList->entryKeys().size());
    bool anyAway = false;
    for (const quint64 key : peopleList->entryKeys()) {
        away.push_back(absences_.value(key));
        anyAway = anyAway || away.back().any();
    }
    if (!anyAway)
        away.clear();
    return away;
}

void WizardWindow::keepAbsences(const std::vector<quint64>& keys,
                                const std::vector<dutywise::MealSet>& away) {
    absences_.clear();
    for (std::size_t i = 0; i < keys.size() && i < away.size(); ++i)
        if (away[i].any())
            absences_.insert(keys[i], away[i]);
}

void WizardWindow::dropAbsencesOfDeletedPeople() {
    if (absences_.isEmpty())
        return;
    const std::vector<quint64>& keys = peopleList->entryKeys();
    const QSet<quint64> live(keys.begin(), keys.end());
    absences_.removeIf([&live](const auto& entry) { return !live.contains(entry.key()); });
}

void WizardWindow::showWhoIsThere() {
    const std::vector<dutywise::MealSlot> meals = ActiveMeals();
    if (meals.empty()) {
        QMessageBox box(QMessageBox::NoIcon, tr("Dutywise"),
                        tr("Tick the days and meals of the outing first."), QMessageBox::Ok, this);
        box.exec();
        return;
    }
    std::vector<dutywise::MealSet> away = Absences();
    away.resize(peopleList->entryKeys().size());
    WhoIsThereDialog dialog(peopleList->items(), meals, away, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    // The list cannot change while the dialog is up: its rows are the entries, in order.
    const std::vector<quint64>& keys = peopleList->entryKeys();
    keepAbsences(keys, dialog.away());
}

void WizardWindow::updateKeepApartButton() {
    // Two different names, as the dialog offers them; one pass, as this runs on every change.
    QString first;
    bool two = false;
    for (const QString& name : peopleList->items()) {
        if (name.isEmpty() || name == first)
            continue;
        if (!first.isEmpty()) {
            two = true;
            break;
        }
        first = name;
    }
    keepApartButton->setEnabled(two);
}

void WizardWindow::showKeepApart() {
    updateKeepApartButton();
    if (!keepApartButton->isEnabled())
        return;
    KeepApartDialog dialog(peopleList->items(), KeptApart(), this);
    if (dialog.exec() == QDialog::Accepted)
        keepApart_ = dialog.pairs();
}
