#pragma once
// Finding the wizard's controls by name and working them as a user does.

#include <gtest/gtest.h>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "FlatListBox.h"
#include "ModalAnswer.h"
#include "WizardWindow.h"

namespace wizardtest {

// The day groups of the Days page, Sunday first.
inline const QStringList kDayGroups{"sundayGroup",    "mondayGroup",   "tuesdayGroup",
                                    "wednesdayGroup", "thursdayGroup", "fridayGroup",
                                    "saturdayGroup"};

// The name of a day's meal box: "sundayBreakfastBox" for day 0, meal 0.
inline QString MealBoxName(int day, int meal) {
    static const char* const days[] = {"sunday",   "monday", "tuesday", "wednesday",
                                       "thursday", "friday", "saturday"};
    static const char* const meals[] = {"Breakfast", "Lunch", "Dinner"};
    return QString::fromLatin1(days[day]) + QString::fromLatin1(meals[meal]) +
           QStringLiteral("Box");
}

template <class T = QWidget> T* Find(QWidget& window, const char* name) {
    T* control = window.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(control, nullptr) << name;
    return control;
}

inline void ShowPage(QWidget& window, int page) {
    Find<QTabWidget>(window, "pages")->setCurrentIndex(page);
}

inline void Click(QWidget& window, const char* name) {
    QWidget* control = Find(window, name);
    QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
}

// Clicks a check box on its box, not at its centre, which may lie beyond its caption.
inline void Tick(QWidget& window, const char* name) {
    QWidget* box = Find(window, name);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}

inline void ClickRow(QWidget& window, const char* list, int row) {
    auto* box = Find<FlatListBox>(window, list);
    QTest::mouseClick(box, Qt::LeftButton, {}, box->rowRect(row).center());
}

inline void TickDay(QWidget& window, int day) {
    auto* days = Find<FlatCheckListBox>(window, "daysList");
    QTest::mouseClick(days, Qt::LeftButton, {},
                      FlatCheckListBox::checkRect(days->rowRect(day)).center());
}

// Adds an entry through the list's Add button and the prompt it opens.
inline std::shared_ptr<testsupport::ModalSeen> Add(QWidget& window, const char* addButton,
                                                   const QString& text) {
    auto seen = testsupport::AnswerPrompt(text);
    Click(window, addButton);
    EXPECT_TRUE(seen->found) << seen->error.toStdString();
    return seen;
}

// A week of every meal for five people (no advice), one breakfast, lunch and dinner to choose
// from, entered as a user enters them.
inline void EnterAWeekForFive(QWidget& window, const QString& outing) {
    ShowPage(window, 0);
    Find<QLineEdit>(window, "outingNameEdit")->setText(outing);
    for (const char* name : {"Ann", "Ben", "Cy", "Dee", "Eve"})
        Add(window, "addPersonButton", name);
    ShowPage(window, 1);
    Click(window, "checkAllDaysButton");  // Check All Days
    Click(window, "checkAllMealsButton"); // Check All Meals
    ShowPage(window, 2);
    Add(window, "addBreakfastButton", "Oatmeal");
    Add(window, "addLunchButton", "Soup");
    Add(window, "addDinnerButton", "Chili");
}

// Presses Build (or Regenerate) and answers the box that must say the roster is done.
inline void PressExpectingCompleted(QWidget& window, const char* button) {
    auto done = testsupport::AnswerNextModal("OK");
    Click(window, button);
    ASSERT_TRUE(done->found) << done->error.toStdString();
    ASSERT_EQ(done->text, "Completed!");
}

inline QStringList Items(QWidget& window, const char* list) {
    return Find<FlatListBox>(window, list)->items();
}

// What the save dialog showed when it opened, before it was answered.
struct SaveDialogSeen {
    QStringList filters;   // its file-type choices, in order
    QString chosenFilter;  // the one chosen when it opened
    QString defaultSuffix; // added to a bare name under that choice
    QString proposedName;  // the name field's text
    QString proposedPath;  // that name in the folder the dialog shows
};

// Answers the next save dialog as a user does: picks `filter` in its file-type box with the
// keyboard (empty: keeps the one chosen), sets the name and presses Save. `after` runs just
// before the click. `seen`, when given, must outlive the answer.
inline std::shared_ptr<testsupport::ModalSeen>
SaveAs(const QString& path, QString* proposed = nullptr, testsupport::ModalAction after = {},
       const QString& filter = {}, SaveDialogSeen* seen = nullptr) {
    return testsupport::AnswerNextModal("Save", [=](QWidget* dialog) {
        auto* fd = qobject_cast<QFileDialog*>(dialog);
        ASSERT_NE(fd, nullptr);
        auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(name, nullptr);
        if (proposed)
            *proposed = name->text();
        if (seen)
            *seen = {fd->nameFilters(), fd->selectedNameFilter(), fd->defaultSuffix(), name->text(),
                     QDir(fd->directory()).filePath(name->text())};
        if (!filter.isEmpty()) {
            auto* types = dialog->findChild<QComboBox*>("fileTypeCombo");
            ASSERT_NE(types, nullptr);
            const int wanted = types->findText(filter);
            ASSERT_GE(wanted, 0) << filter.toStdString();
            types->setFocus();
            for (int step = 0; step < types->count() && types->currentIndex() != wanted; ++step)
                QTest::keyClick(types, wanted > types->currentIndex() ? Qt::Key_Down : Qt::Key_Up);
            ASSERT_EQ(fd->selectedNameFilter(), filter);
        }
        // Set, not typed: typing opens the completer's popup, which would swallow the click.
        // Typing would also let go of the file the dialog proposed, selected in its list, which
        // otherwise wins over the name set: let go of it as typing does.
        for (auto* view : dialog->findChildren<QAbstractItemView*>())
            if (view->selectionModel())
                view->selectionModel()->clearSelection();
        name->setText(path);
        if (after)
            after(dialog);
    });
}

} // namespace wizardtest
