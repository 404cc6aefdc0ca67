// A user's session with the wizard, worked through the controls a user clicks.

#include <cstring>
#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTextDocument>
#include <QTextEdit>

#include "FlatGauge.h"
#include "FlatSpinEdit.h"
#include "ParagraphTexts.h"
#include "WizardTestSupport.h"

using namespace wizardtest;
using dutywise::FontStyle;
using dutywise::ParagraphStyle;
using dutywise::testing::Texts;
using testsupport::AnswerNextModal;

namespace {

class WizardSession : public ::testing::Test {
protected:
    void SetUp() override {
        w.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    }
    void TypeInto(const char* field, const QString& text) {
        auto* edit = Find<QLineEdit>(w, field);
        edit->setFocus();
        QTest::keyClicks(edit, text);
    }
    WizardWindow w;
};

TEST_F(WizardSession, WholeSessionBuildsTheRosterOfThePlanEntered) {
    ShowPage(w, 0);
    TypeInto("outingNameEdit", "Spring Camp");
    TypeInto("patrolNameEdit", "Eagle");
    for (const char* name : {"Ann", "Ben", "Cy", "Dee", "Eve"})
        Add(w, "addPersonButton", name);
    EXPECT_EQ(Items(w, "peopleList"), (QStringList{"Ann", "Ben", "Cy", "Dee", "Eve"}));

    ShowPage(w, 1);
    TickDay(w, 0);
    TickDay(w, 6);
    EXPECT_TRUE(Find(w, "sundayGroup")->isVisible());
    EXPECT_TRUE(Find(w, "saturdayGroup")->isVisible());
    EXPECT_FALSE(Find(w, "mondayGroup")->isVisible());
    Tick(w, "sundayLunchBox");
    Tick(w, "saturdayBreakfastBox");
    Tick(w, "saturdayDinnerBox");

    ShowPage(w, 2);
    Add(w, "addBreakfastButton", "Oatmeal");
    Add(w, "addLunchButton", "Soup");
    Add(w, "addDinnerButton", "Chili");
    ShowPage(w, 3);
    Add(w, "addSnackButton", "Trail Mix");
    Add(w, "addDrinkButton", "Water");

    ShowPage(w, 4);
    auto* crew = Find<FlatSpinEdit>(w, "crewSizeBox");
    crew->lineEdit()->setFocus();
    crew->lineEdit()->selectAll();
    QTest::keyClicks(crew->lineEdit(), "3");

    // The roster is in the editor, caret at its end, while "Completed!" is still showing.
    std::size_t shownBehind = 0;
    bool caretAtEnd = false;
    auto done = AnswerNextModal("OK", [&](QWidget*) {
        shownBehind = w.Document().Paragraphs().size();
        caretAtEnd = Find<QTextEdit>(w, "rosterEditor")->textCursor().atEnd();
    });
    Click(w, "buildButton");
    EXPECT_EQ(shownBehind, 27u);
    EXPECT_TRUE(caretAtEnd);
    // The roster is a new text: nothing to undo back to, but what the user types next is undoable.
    QTextDocument* text = Find<QTextEdit>(w, "rosterEditor")->document();
    EXPECT_FALSE(text->isUndoAvailable());
    EXPECT_TRUE(text->isUndoRedoEnabled());
    ASSERT_TRUE(done->found) << done->error.toStdString();
    EXPECT_EQ(done->text, "Completed!");
    EXPECT_EQ(done->title, "Dutywise");
    EXPECT_FALSE(done->hasIcon);
    EXPECT_EQ(done->buttons, QStringList{"OK"});

    const auto paragraphs = w.Document().Paragraphs();
    const auto texts = Texts(paragraphs);
    ASSERT_EQ(texts.size(), 27u);
    const std::vector<std::string> fixed{"Spring Camp", "Eagle's Roster", "", "",
                                         "Sunday",      "Lunch"};
    EXPECT_EQ(std::vector<std::string>(texts.begin(), texts.begin() + 6), fixed);
    EXPECT_EQ(texts[8], "Meal: Soup");
    EXPECT_EQ(texts[10], "Saturday");
    EXPECT_EQ(texts[11], "Breakfast");
    EXPECT_EQ(texts[14], "Meal: Oatmeal");
    EXPECT_EQ(texts[16], "Dinner");
    EXPECT_EQ(texts[19], "Meal: Chili");
    EXPECT_EQ(std::vector<std::string>(texts.begin() + 20, texts.end()),
              (std::vector<std::string>{"", "", "Snacks", "Trail Mix", "", "Drinks", "Water"}));
    // Three names a crew: the crew size came from what was typed into the spin box.
    for (std::size_t cookLine : {6u, 12u, 17u}) {
        EXPECT_EQ(texts[cookLine].rfind("Cook: ", 0), 0u) << texts[cookLine];
        EXPECT_EQ(std::count(texts[cookLine].begin(), texts[cookLine].end(), ','), 2)
            << texts[cookLine];
        EXPECT_EQ(texts[cookLine + 1].rfind("Cleanup: ", 0), 0u);
        EXPECT_EQ(std::count(texts[cookLine + 1].begin(), texts[cookLine + 1].end(), ','), 2);
    }

    const auto styleOf = [&](std::size_t i) {
        EXPECT_EQ(paragraphs[i].runs.size(), 1u) << i;
        return paragraphs[i].runs.front().style;
    };
    const ParagraphStyle title = ParagraphStyle::Roster(14, {FontStyle::Bold});
    const ParagraphStyle day = ParagraphStyle::Roster(12, {FontStyle::Underline});
    const ParagraphStyle meal = ParagraphStyle::Roster(10, {FontStyle::Bold});
    const ParagraphStyle line = ParagraphStyle::Roster(10, {});
    const ParagraphStyle food = ParagraphStyle::Roster(10, {FontStyle::Bold, FontStyle::Underline});
    for (std::size_t i : {0u, 1u, 2u, 3u})
        EXPECT_EQ(styleOf(i), title) << i;
    EXPECT_EQ(styleOf(4), day);
    EXPECT_EQ(styleOf(10), day);
    for (std::size_t i : {5u, 11u, 16u})
        EXPECT_EQ(styleOf(i), meal) << i;
    for (std::size_t i : {6u, 7u, 8u, 9u, 12u, 15u, 17u, 19u, 20u, 21u})
        EXPECT_EQ(styleOf(i), line) << i;
    for (std::size_t i : {22u, 23u, 24u, 25u, 26u})
        EXPECT_EQ(styleOf(i), food) << i;

    EXPECT_TRUE(Find(w, "generationNotice")->isHidden());
    EXPECT_EQ(Find<FlatGauge>(w, "buildGauge")->progress(), 8);
    EXPECT_TRUE(Find(w, "buildGauge")->isHidden());
}

TEST_F(WizardSession, StartsWithTheNoticeAndTheSevenInitialLinesInTheDefaultStyle) {
    const auto paragraphs = w.Document().Paragraphs();
    ASSERT_EQ(paragraphs.size(), 7u);
    EXPECT_EQ(paragraphs[0].Text(), "Self Interpreter");
    EXPECT_EQ(paragraphs[1].Text(), std::string(17, '*'));
    EXPECT_EQ(paragraphs[4].Text(), std::string(50, '*'));
    EXPECT_EQ(paragraphs[5].Text(), "NO RESULTS ARE GENERATED");
    EXPECT_EQ(paragraphs[6].Text(), "ALL PROGRAM ENVIRONMENT VARIABLES ARE NIL");
    for (const auto& p : paragraphs) {
        ASSERT_EQ(p.runs.size(), 1u);
        EXPECT_EQ(p.runs.front().style, ParagraphStyle::Default()) << p.Text();
    }
    EXPECT_FALSE(Find(w, "generationNotice")->isHidden());
    EXPECT_EQ(w.windowTitle(), "Dutywise v4.1");
    EXPECT_EQ(w.size(), QSize(600, 434));
    EXPECT_EQ(w.minimumSize(), w.maximumSize());
    EXPECT_FALSE(w.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(w.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(Find<QTabWidget>(w, "pages")->tabText(3), "Snacks && Drinks");
}

TEST_F(WizardSession, TabIsTypedIntoTheEditorNotUsedToLeaveIt) {
    ShowPage(w, 5);
    auto* editor = Find<QTextEdit>(w, "rosterEditor");
    editor->setFocus();
    editor->moveCursor(QTextCursor::Start);
    QTest::keyClick(editor, Qt::Key_Tab);
    EXPECT_TRUE(editor->hasFocus());
    EXPECT_EQ(w.Document().Paragraphs().front().Text(), "\tSelf Interpreter");
}

TEST_F(WizardSession, FontBoxListsDefaultAndEveryFamilyOnceSortedIgnoringCase) {
    auto* box = Find<QComboBox>(w, "fontBox");
    EXPECT_EQ(box->currentText(), "Arial");
    EXPECT_EQ(box->currentIndex(), -1);
    QStringList entries;
    for (int i = 0; i < box->count(); ++i)
        entries << box->itemText(i);
    EXPECT_TRUE(entries.contains("Default"));
    QStringList unique = entries;
    unique.removeDuplicates();
    EXPECT_EQ(unique.size(), entries.size());
    for (int i = 1; i < entries.size(); ++i)
        EXPECT_LE(QString::compare(entries[i - 1], entries[i], Qt::CaseInsensitive), 0)
            << entries[i].toStdString();
    // Each family by its name alone: the families this program's packages install are listed
    // by the names a word processor knows, and no entry carries the foundry the database puts
    // in brackets where a family comes from two.
    for (const char* family : {"Liberation Mono", "Liberation Sans", "Liberation Serif"})
        EXPECT_TRUE(entries.contains(QLatin1String(family))) << family;
    for (const QString& entry : entries)
        EXPECT_FALSE(entry.contains(QLatin1Char('['))) << entry.toStdString();
}

// Typed letter by letter, a font name applies each partial name in turn, also where what is
// typed begins a longer entry of the list: nothing fills it out to that entry.
TEST_F(WizardSession, TypingAFontNameAppliesEachPartialNameExactlyAsTyped) {
    auto* box = Find<QComboBox>(w, "fontBox");
    {
        const QSignalBlocker quiet(box);
        box->clear();
        box->addItems({"Default", "Liberation Mono", "Liberation Sans", "Liberation Serif"});
        box->setCurrentIndex(-1);
        box->setEditText("Arial");
    }
    ShowPage(w, 5);
    auto* editor = Find<QTextEdit>(w, "rosterEditor");
    editor->setFocus();
    editor->moveCursor(QTextCursor::End); // nothing selected: the name is what is typed next
    const auto before = w.Document().Paragraphs();

    QStringList applied;
    QObject::connect(box, &QComboBox::currentTextChanged, box, [&] {
        applied << QString::fromStdString(w.Document().CurrentStyle().fontName);
    });
    box->lineEdit()->setFocus();
    box->lineEdit()->selectAll();
    QTest::keyClicks(box->lineEdit(), "Liberation");

    QStringList typed;
    for (qsizetype n = 1; n <= qsizetype(std::strlen("Liberation")); ++n)
        typed << QStringLiteral("Liberation").left(n);
    EXPECT_EQ(applied, typed);
    EXPECT_EQ(box->currentText(), "Liberation");
    EXPECT_EQ(w.Document().CurrentStyle().fontName, "Liberation");
    EXPECT_EQ(w.Document().Paragraphs(), before);
}

TEST(FontBoxEntries, NameEachFamilyOnceWithoutItsFoundrySortedIgnoringCase) {
    EXPECT_EQ(WizardWindow::FontBoxEntries({"Nimbus Sans [urw]", "Nimbus Sans [UKWN]", "arial",
                                            "DejaVu Sans", "Zapf [x] Chancery", "Nimbus Sans",
                                            "dejavu sans", "Cantarell"}),
              (QStringList{"arial", "Cantarell", "Default", "DejaVu Sans", "Nimbus Sans",
                           "Zapf [x] Chancery"}));
    EXPECT_EQ(WizardWindow::FontBoxEntries({}), QStringList{"Default"});
}

TEST_F(WizardSession, CrewSizeThatIsNotANumberReadsAsOne) {
    auto* crew = Find<FlatSpinEdit>(w, "crewSizeBox");
    EXPECT_EQ(w.ReadPlan().crewSize, 2);
    crew->lineEdit()->setText("x");
    EXPECT_EQ(w.ReadPlan().crewSize, 1);
    crew->lineEdit()->setText("");
    EXPECT_EQ(w.ReadPlan().crewSize, 1);
}

} // namespace
