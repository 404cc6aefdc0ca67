// Adding, deleting and sorting the entries of the people and food lists.

#include <QMessageBox>

#include "InputBox.h"
#include "WizardWindow.h"

namespace {

// Repeated entries are found by upper-casing a to z only; every other character compares as is.
QString UpperAscii(QString text) {
    for (QChar& c : text)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 'a' + 'A');
    return text;
}

bool Holds(const FlatListBox& list, const QString& text) {
    const QString wanted = UpperAscii(text);
    for (const QString& entry : list.items())
        if (UpperAscii(entry) == wanted)
            return true;
    return false;
}

} // namespace

std::array<WizardWindow::EditableList, 6> WizardWindow::editableLists() const {
    const QString sameMeal = tr("I'm sorry, I can't add the same meal to the list!");
    using dutywise::PlanList;
    return {{
        {PlanList::People, peopleList, addPersonButton, deletePersonButton, peopleSortedBox,
         personInput, QString()},
        {PlanList::Breakfasts, breakfastsList, addBreakfastButton, deleteBreakfastButton,
         breakfastsSortedBox, breakfastInput, sameMeal},
        {PlanList::Lunches, lunchesList, addLunchButton, deleteLunchButton, lunchesSortedBox,
         lunchInput, sameMeal},
        {PlanList::Dinners, dinnersList, addDinnerButton, deleteDinnerButton, dinnersSortedBox,
         dinnerInput, sameMeal},
        {PlanList::Snacks, snacksList, addSnackButton, deleteSnackButton, snacksSortedBox,
         snackInput, tr("I'm sorry, I can't add the same snack to the list!")},
        {PlanList::Drinks, drinksList, addDrinkButton, deleteDrinkButton, drinksSortedBox,
         drinkInput, tr("I'm sorry, I can't add the same drink to the list!")},
    }};
}

void WizardWindow::connectListControls() {
    for (const EditableList& entry : editableLists()) {
        connect(entry.addButton, &QPushButton::clicked, this, [this, entry] { addEntry(entry); });
        connect(entry.deleteButton, &QPushButton::clicked, this,
                [entry] { deleteSelectedEntry(*entry.list); });
        connect(entry.sortedBox, &FlatCheckBox::changed, this,
                [entry] { entry.list->setSorted(entry.sortedBox->isChecked()); });
    }
}

void WizardWindow::addEntry(const EditableList& entry) {
    if (!entry.prompt->Execute())
        return;
    const QString text = entry.prompt->value();
    FlatListBox& list = *entry.list;
    if (!Holds(list, text)) {
        list.addItem(text);
        return;
    }
    if (!entry.refusal.isEmpty()) {
        QMessageBox message(QMessageBox::NoIcon, tr("Error"), entry.refusal, QMessageBox::Ok, this);
        message.exec();
        return;
    }
    // Two scouts may share a name: the user decides.
    QMessageBox question(QMessageBox::NoIcon, tr("Names"),
                         tr("The name you have entered is already in the list, add to the list?"),
                         QMessageBox::Yes | QMessageBox::No, this);
    if (question.exec() == QMessageBox::Yes)
        list.addItemKeeping(text);
}

void WizardWindow::deleteSelectedEntry(FlatListBox& list) {
    const int index = list.selectedIndex();
    if (index >= 0 && index < list.count())
        list.deleteItem(index);
}
