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
    auto* box = Find<TFlatColorComboBox>(w, "FlatColorComboBox1");
    box->setCurrentIndex(box->findText(name) - 1);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Down);
}

void PickSize(QWidget& w, const QString& points) {
    auto* size = Find<TFlatSpinEditInteger>(w, "FlatSpinEditInteger2");
    size->lineEdit()->setFocus();
    size->lineEdit()->selectAll();
    QTest::keyClicks(size->lineEdit(), points);
}

TEST(Screenshots, GenerationPageWithARestyledRoster) {
    TForm2 w;
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    Find<QLineEdit>(w, "FlatEdit1")->setText("Spring Camporee");
    Find<QLineEdit>(w, "FlatEdit2")->setText("Eagle");
    for (const char* name : {"Ann", "Ben", "Cy", "Dee", "Eve", "Flo"})
        Add(w, "FlatSpeedButton1", name);
    ShowPage(w, 1);
    TickDay(w, 5);
    TickDay(w, 6);
    Click(w, "FlatSpeedButton3"); // Check All Meals
    ShowPage(w, 2);
    for (const char* meal : {"Pancakes", "Oatmeal"})
        Add(w, "FlatSpeedButton8", meal);
    for (const char* meal : {"Sandwiches", "Soup"})
        Add(w, "FlatSpeedButton10", meal);
    for (const char* meal : {"Chili", "Foil Packs"})
        Add(w, "FlatSpeedButton12", meal);
    ShowPage(w, 3);
    Add(w, "FlatSpeedButton17", "Trail Mix");
    Add(w, "FlatSpeedButton18", "Water");
    ShowPage(w, 4);
    auto done = testsupport::AnswerNextModal("OK");
    Click(w, "FlatButton1");
    ASSERT_TRUE(done->found) << done->error.toStdString();
    ASSERT_EQ(done->text, "Completed!");

    ShowPage(w, 5);
    auto* editor = Find<QTextEdit>(w, "R");
    SelectLines(*editor, 0, 1); // outing and title
    PickColour(w, "Navy");
    PickSize(w, "18");
    Click(w, "FlatSpeedButton24");
    SelectLines(*editor, 4, 4); // the first day's heading
    PickColour(w, "Red");
    Click(w, "FlatSpeedButton23");
    auto* font = Find<QComboBox>(w, "FlatComboBox1");
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
    TForm2 w;
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    ShowPage(w, 2);
    Add(w, "FlatSpeedButton8", "Pancakes");
    for (const char* button : {"FlatSpeedButton15", "FlatSpeedButton16", "FlatSpeedButton14"})
        Click(w, button);
    for (const char* name : {"JvAppearingLabel1", "JvAppearingLabel2", "JvAppearingLabel3"}) {
        auto* label = Find<TJvAppearingLabel>(w, name);
        ASSERT_TRUE(
            testsupport::WaitUntil([&] { return label->isVisible() && !label->isSliding(); }));
    }
    Save(w, "meals-suggestions.png");
}

} // namespace
