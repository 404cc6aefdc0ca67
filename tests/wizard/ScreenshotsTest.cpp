// Pictures of the Generation page with a restyled roster and of the Meals page with its three
// suggestions showing, for people to look at (written to the build's screenshots/wizard).

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QTextBlock>
#include <QTextEdit>

#include "AppearingLabel.h"
#include "FlatColorComboBox.h"
#include "FlatSpinEdit.h"
#include "WizardTestSupport.h"

using namespace wizardtest;

namespace {

void Save(QWidget& w, const QString& name) {
    QDir().mkpath(DUTYWISE_SCREENSHOT_DIR);
    const QString path = QDir(DUTYWISE_SCREENSHOT_DIR).filePath(name);
    ASSERT_TRUE(w.grab().save(path)) << path.toStdString();
}

void SelectLines(QTextEdit& editor, int first, int last) {
    QTextCursor c(editor.document()->findBlockByNumber(first));
    c.setPosition(editor.document()->findBlockByNumber(last).position() +
                      editor.document()->findBlockByNumber(last).length() - 1,
                  QTextCursor::KeepAnchor);
    editor.setFocus();
    editor.setTextCursor(c);
}

void PickColour(QWidget& w, const QString& name) {
    auto* box = Find<FlatColorComboBox>(w, "colourBox");
    box->setCurrentIndex(box->findText(name) - 1);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Down);
}

void PickSize(QWidget& w, const QString& points) {
    auto* size = Find<FlatSpinEdit>(w, "sizeBox");
    size->lineEdit()->setFocus();
    size->lineEdit()->selectAll();
    QTest::keyClicks(size->lineEdit(), points);
}

TEST(Screenshots, GenerationPageWithARestyledRoster) {
    WizardWindow w;
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    Find<QLineEdit>(w, "outingNameEdit")->setText("Spring Camporee");
    Find<QLineEdit>(w, "patrolNameEdit")->setText("Eagle");
    for (const char* name : {"Ann", "Ben", "Cy", "Dee", "Eve", "Flo"})
        Add(w, "addPersonButton", name);
    ShowPage(w, 1);
    TickDay(w, 5);
    TickDay(w, 6);
    Click(w, "checkAllMealsButton"); // Check All Meals
    ShowPage(w, 2);
    for (const char* meal : {"Pancakes", "Oatmeal"})
        Add(w, "addBreakfastButton", meal);
    for (const char* meal : {"Sandwiches", "Soup"})
        Add(w, "addLunchButton", meal);
    for (const char* meal : {"Chili", "Foil Packs"})
        Add(w, "addDinnerButton", meal);
    ShowPage(w, 3);
    Add(w, "addSnackButton", "Trail Mix");
    Add(w, "addDrinkButton", "Water");
    ShowPage(w, 4);
    auto done = testsupport::AnswerNextModal("OK");
    Click(w, "buildButton");
    ASSERT_TRUE(done->found) << done->error.toStdString();
    ASSERT_EQ(done->text, "Completed!");

    ShowPage(w, 5);
    auto* editor = Find<QTextEdit>(w, "rosterEditor");
    SelectLines(*editor, 0, 1); // outing and title
    PickColour(w, "Navy");
    PickSize(w, "18");
    Click(w, "italicButton");
    SelectLines(*editor, 4, 4); // the first day's heading
    PickColour(w, "Red");
    Click(w, "boldButton");
    auto* font = Find<QComboBox>(w, "fontBox");
    font->lineEdit()->setFocus();
    font->lineEdit()->selectAll();
    QTest::keyClicks(font->lineEdit(), "Courier");
    SelectLines(*editor, 8, 8);
    PickColour(w, "Green");
    editor->setFocus();
    editor->moveCursor(QTextCursor::Start);
    Save(w, "generation-restyled.png");
}

TEST(Screenshots, MealsPageWithItsThreeSuggestions) {
    WizardWindow w;
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    ShowPage(w, 2);
    Add(w, "addBreakfastButton", "Pancakes");
    for (const char* button :
         {"suggestBreakfastButton", "suggestLunchButton", "suggestDinnerButton"})
        Click(w, button);
    for (const char* name :
         {"breakfastSuggestionLabel", "lunchSuggestionLabel", "dinnerSuggestionLabel"}) {
        auto* label = Find<AppearingLabel>(w, name);
        ASSERT_TRUE(
            testsupport::WaitUntil([&] { return label->isVisible() && !label->isSliding(); }));
    }
    Save(w, "meals-suggestions.png");
}

} // namespace
