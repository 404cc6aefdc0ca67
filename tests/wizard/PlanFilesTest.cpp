// Plan files through the controls a user clicks: Save Plan..., Open Plan..., the replace
// question, a refused file, a dropped file.

#include <algorithm>
#include <array>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QLineEdit>
#include <QMimeData>
#include <QTextEdit>
#include <QUrl>
#include <string>

#include "Abiword.h"
#include "FlatSpinEdit.h"
#include "PlanFile.h"
#include "WizardTestSupport.h"

using namespace wizardtest;
using dutywise::testing::ReadFileBytes;
using dutywise::testing::TempDir;
using dutywise::testing::WriteFileBytes;
using testsupport::AnswerNextModal;
using testsupport::ModalSeen;

namespace {

constexpr std::array<const char*, 6> kLists{"peopleList",  "breakfastsList", "lunchesList",
                                            "dinnersList", "snacksList",     "drinksList"};
constexpr std::array<const char*, 6> kSortBoxes{"peopleSortedBox",  "breakfastsSortedBox",
                                                "lunchesSortedBox", "dinnersSortedBox",
                                                "snacksSortedBox",  "drinksSortedBox"};
constexpr std::array<const char*, 21> kMealBoxes{
    "sundayBreakfastBox",   "sundayLunchBox",        "sundayDinnerBox",      "mondayBreakfastBox",
    "mondayLunchBox",       "mondayDinnerBox",       "tuesdayBreakfastBox",  "tuesdayLunchBox",
    "tuesdayDinnerBox",     "wednesdayBreakfastBox", "wednesdayLunchBox",    "wednesdayDinnerBox",
    "thursdayBreakfastBox", "thursdayLunchBox",      "thursdayDinnerBox",    "fridayBreakfastBox",
    "fridayLunchBox",       "fridayDinnerBox",       "saturdayBreakfastBox", "saturdayLunchBox",
    "saturdayDinnerBox"};

// Everything a plan puts into the wizard, as its controls show it.
struct Controls {
    QString outing, patrol;
    std::array<QStringList, 6> lists;
    std::array<bool, 6> sortTicks{}, listsSorted{};
    std::array<bool, 7> days{}, groupsShown{};
    std::array<bool, 21> meals{};
    int crew = 0;
    bool evenShares = false;
    bool operator==(const Controls&) const = default;
};

void PrintTo(const Controls& c, std::ostream* os) {
    const auto bits = [](const auto& flags) {
        std::string out;
        for (bool f : flags)
            out += f ? '1' : '0';
        return out;
    };
    *os << "outing '" << c.outing.toStdString() << "' patrol '" << c.patrol.toStdString() << "'";
    for (std::size_t i = 0; i < c.lists.size(); ++i)
        *os << " list" << i + 1 << " [" << c.lists[i].join('|').toStdString() << "]";
    *os << " ticks " << bits(c.sortTicks) << " sorted " << bits(c.listsSorted) << " days "
        << bits(c.days) << " groups " << bits(c.groupsShown) << " meals " << bits(c.meals)
        << " crew " << c.crew << " even shares " << c.evenShares;
}

Controls Read(QWidget& w) {
    Controls c;
    c.outing = Find<QLineEdit>(w, "outingNameEdit")->text();
    c.patrol = Find<QLineEdit>(w, "patrolNameEdit")->text();
    for (std::size_t i = 0; i < kLists.size(); ++i) {
        c.lists[i] = Items(w, kLists[i]);
        c.listsSorted[i] = Find<FlatListBox>(w, kLists[i])->sorted();
        c.sortTicks[i] = Find<QCheckBox>(w, kSortBoxes[i])->isChecked();
    }
    auto* days = Find<FlatCheckListBox>(w, "daysList");
    for (int d = 0; d < 7; ++d) {
        c.days[std::size_t(d)] = days->checked(d);
        const QByteArray group = kDayGroups[d].toLatin1();
        c.groupsShown[std::size_t(d)] = !Find(w, group.constData())->isHidden();
    }
    for (std::size_t i = 0; i < kMealBoxes.size(); ++i)
        c.meals[i] = Find<QCheckBox>(w, kMealBoxes[i])->isChecked();
    c.crew = Find<FlatSpinEdit>(w, "crewSizeBox")->value();
    c.evenShares = Find<QCheckBox>(w, "shareEvenlyBox")->isChecked();
    return c;
}

// Types any text, one key event per character as a keyboard with an input method sends it
// (QTest::keyClicks knows ASCII only).
void TypeText(QWidget* widget, const QString& text) {
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// An entry added through a list's Add button and its prompt, typed in as any text.
void AddTyped(QWidget& w, const char* addButton, const QString& text) {
    auto seen = AnswerNextModal("OK", [text](QWidget* dialog) {
        auto* edit = dialog->findChild<QLineEdit*>();
        ASSERT_NE(edit, nullptr);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        TypeText(edit, text);
    });
    Click(w, addButton);
    EXPECT_TRUE(seen->found) << seen->error.toStdString();
}

// Answers a plan dialog with `path` in its name field; `then` runs while it is still up (to
// schedule the answer to what follows it). `proposed` receives the name it proposed.
std::shared_ptr<ModalSeen> Choose(const QString& button, const QString& path,
                                  std::function<void()> then = {}, QString* proposed = nullptr) {
    return AnswerNextModal(button, [=](QWidget* dialog) {
        auto* fd = qobject_cast<QFileDialog*>(dialog);
        ASSERT_NE(fd, nullptr);
        auto* name = fd->findChild<QLineEdit*>("fileNameEdit");
        ASSERT_NE(name, nullptr);
        if (proposed)
            *proposed = QDir(fd->directory()).filePath(name->text());
        name->setText(path); // set, not typed: the completer's popup would take the click
        if (then)
            then();
    });
}

class PlanFiles : public ::testing::Test {
protected:
    void SetUp() override {
        w.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    }
    void TypeInto(const char* field, const QString& text) {
        auto* edit = Find<QLineEdit>(w, field);
        edit->setFocus();
        TypeText(edit, text);
    }
    QString PathOf(const char* name) const { return QString::fromStdString(dir / name); }

    // Save Plan... answered with `path`.
    void SavePlan(const QString& path) {
        auto seen = Choose("Save", path);
        Click(w, "savePlanButton");
        ASSERT_TRUE(seen->found) << seen->error.toStdString();
        EXPECT_EQ(seen->title, "Save Plan");
    }
    // Open Plan... answered with `path`; `answer` is the button for the message or question
    // that follows, if one is expected. Returns what that second dialog was.
    std::shared_ptr<ModalSeen> OpenPlan(const QString& path, const QString& answer = {}) {
        std::shared_ptr<ModalSeen> next;
        auto seen = Choose("Open", path, [&] {
            // A short wait when nothing should follow: a dialog then would be answered and seen.
            next = AnswerNextModal(answer.isEmpty() ? QStringLiteral("No") : answer, {},
                                   answer.isEmpty() ? 300 : 5000);
        });
        Click(w, "openPlanButton");
        EXPECT_TRUE(seen->found) << seen->error.toStdString();
        EXPECT_EQ(seen->title, "Open Plan");
        testsupport::WaitUntil([&] { return next && (next->found || !next->error.isEmpty()); });
        if (answer.isEmpty())
            EXPECT_FALSE(next->found) << "unexpected dialog: " << next->text.toStdString();
        else
            EXPECT_TRUE(next->found) << next->error.toStdString();
        return next;
    }

    // A wizard filled as a user fills it: Unicode, blanks and a repeated name, a sorted list,
    // a meal ticked under a day that is unticked again, a crew size of 4.
    void Fill() {
        ShowPage(w, 0);
        TypeInto("outingNameEdit", QString::fromUtf8("Spring Camporee at Lake Hollów"));
        TypeInto("patrolNameEdit", "Eagle");
        for (const QString& name : {QStringLiteral("Zoë"), QStringLiteral(" Ann "),
                                    QStringLiteral("李雷"), QStringLiteral("Ben")})
            AddTyped(w, "addPersonButton", name);
        // The same name twice, on purpose: the prompt, then the question about the name.
        std::shared_ptr<ModalSeen> question;
        auto prompt = AnswerNextModal("OK", [&](QWidget* dialog) {
            auto* edit = dialog->findChild<QLineEdit*>();
            edit->selectAll();
            QTest::keyClicks(edit, "Ben");
            question = AnswerNextModal("Yes");
        });
        Click(w, "addPersonButton");
        ASSERT_TRUE(prompt->found) << prompt->error.toStdString();
        ASSERT_TRUE(question && question->found);
        ShowPage(w, 2);
        Tick(w, "dinnersSortedBox");
        for (const char* dinner : {"Chili", "beans", "Apple pie"})
            Add(w, "addDinnerButton", dinner);
        Add(w, "addBreakfastButton", "Pancakes");
        ShowPage(w, 3);
        Add(w, "addDrinkButton", "Cocoa");
        ShowPage(w, 1);
        TickDay(w, 2);
        Tick(w, "tuesdayBreakfastBox");
        TickDay(w, 2); // Tuesday unticked: its breakfast stays ticked, hidden
        TickDay(w, 5);
        TickDay(w, 6);
        for (const char* meal :
             {"fridayDinnerBox", "saturdayBreakfastBox", "saturdayLunchBox", "saturdayDinnerBox"})
            Tick(w, meal);
        ShowPage(w, 4);
        auto* crew = Find<FlatSpinEdit>(w, "crewSizeBox");
        crew->setValue(4);
        Tick(w, "shareEvenlyBox");
        ShowPage(w, 0);
    }

    TempDir dir;
    WizardWindow w;
};

TEST_F(PlanFiles, SavedPlanComesBackIntoEveryControlAfterFreshStart) {
    Fill();
    const Controls filled = Read(w);
    ASSERT_EQ(filled.lists[0], (QStringList{"Zoë", " Ann ", "李雷", "Ben", "Ben"}));
    ASSERT_TRUE(filled.meals[6]);        // tuesdayBreakfastBox, under an unticked day
    ASSERT_FALSE(filled.groupsShown[2]); // Tuesday's group hidden
    ASSERT_TRUE(filled.evenShares);

    SavePlan(PathOf("eagle")); // a bare name gets the plan extension
    const std::string saved = ReadFileBytes(dir / "eagle.dutywise");
    ASSERT_NE(saved.find("\"format\": \"dutywise-plan\""), std::string::npos) << saved;
    ASSERT_NE(saved.find("\"evenShares\": true"), std::string::npos) << saved;

    Click(w, "freshStartButton"); // Fresh Start, which leaves the Sorted ticks
    Tick(w, "dinnersSortedBox");
    ASSERT_NE(Read(w), filled);
    ASSERT_FALSE(Read(w).evenShares);
    ASSERT_EQ(Read(w).lists[3], QStringList{});

    OpenPlan(PathOf("eagle.dutywise")); // an empty wizard loses nothing: no question
    EXPECT_EQ(Read(w), filled);

    // The save dialog proposes the plan used last.
    QString proposed;
    auto cancelled = Choose("Cancel", {}, {}, &proposed);
    Click(w, "savePlanButton");
    ASSERT_TRUE(cancelled->found) << cancelled->error.toStdString();
    EXPECT_EQ(proposed, PathOf("eagle.dutywise"));
}

TEST_F(PlanFiles, ReplaceQuestionNoKeepsTheEntriesYesReplacesThem) {
    Fill();
    const Controls filled = Read(w);
    SavePlan(PathOf("eagle.dutywise"));
    OpenPlan(PathOf("eagle.dutywise")); // the same entries as the plan saved: no question

    Add(w, "addPersonButton", "Cy"); // now they differ
    const Controls changed = Read(w);
    auto no = OpenPlan(PathOf("eagle.dutywise"), "No");
    EXPECT_EQ(no->title, "Dutywise");
    EXPECT_EQ(no->text, "Replace the entries of the wizard with the plan \"eagle.dutywise\"?");
    EXPECT_EQ(no->buttons, (QStringList{"Yes", "No"}));
    EXPECT_FALSE(no->hasIcon);
    EXPECT_EQ(Read(w), changed);

    OpenPlan(PathOf("eagle.dutywise"), "Yes");
    EXPECT_EQ(Read(w), filled);
}

// The even-shares tick is no entry: a wizard whose only change is that tick has nothing to lose.
TEST_F(PlanFiles, AWizardWhoseOnlyChangeIsTheEvenSharesTickOpensAPlanWithoutAsking) {
    WriteFileBytes(dir / "p.dutywise",
                   R"({"format": "dutywise-plan", "version": 1, "patrol": "Owls"})");
    ShowPage(w, 4);
    Tick(w, "shareEvenlyBox");
    ShowPage(w, 0);
    OpenPlan(PathOf("p.dutywise"));
    EXPECT_EQ(Find<QLineEdit>(w, "patrolNameEdit")->text(), "Owls");
}

TEST_F(PlanFiles, AFreshWizardWithEntriesAsksBeforeItsFirstPlan) {
    WriteFileBytes(dir / "p.dutywise", R"({"format": "dutywise-plan", "version": 1})");
    TypeInto("patrolNameEdit", "Owls");
    auto no = OpenPlan(PathOf("p.dutywise"), "No");
    EXPECT_EQ(no->text, "Replace the entries of the wizard with the plan \"p.dutywise\"?");
    EXPECT_EQ(Find<QLineEdit>(w, "patrolNameEdit")->text(), "Owls");
}

// Catches: an opened plan's roster not shown without a build, or one outing's roster left on
// screen under the next outing's plan.
TEST_F(PlanFiles, APlansRosterIsShownAndAPlanWithoutOneEmptiesTheGenerationPage) {
    const std::string head = R"({"format": "dutywise-plan", "version": 1, "people": ["Ann", "Bob"],
        "dinners": ["Stew"], "days": ["Friday"], "meals": {"Friday": ["Dinner"]}, "crewSize": 1, )";
    WriteFileBytes(dir / "lake.dutywise",
                   head + R"("outing": "Lake", "roster": [{"day": "Friday", "meal": "Dinner",
                       "cooks": ["Bob"], "cleanup": ["Ann"], "dish": "Stew"}]})");
    WriteFileBytes(dir / "hill.dutywise", head + R"("outing": "Hill"})");
    auto* editor = Find<QTextEdit>(w, "rosterEditor");

    OpenPlan(PathOf("lake.dutywise"));
    EXPECT_EQ(editor->toPlainText().split('\n').mid(3, 5),
              (QStringList{"Friday", "Dinner", "Cook: Bob", "Cleanup: Ann", "Meal: Stew"}));
    EXPECT_TRUE(w.shownRoster());
    EXPECT_FALSE(w.rosterEditedByHand());

    OpenPlan(PathOf("hill.dutywise"));
    EXPECT_EQ(editor->toPlainText(), "");
    EXPECT_FALSE(w.shownRoster());
}

TEST_F(PlanFiles, RefusedFilesLeaveEveryControlAsItWas) {
    Fill();
    const Controls filled = Read(w);
    const struct {
        const char* name;
        std::string bytes;
        std::string reason;
    } cases[] = {
        {"newer.dutywise", R"({"format": "dutywise-plan", "version": 2, "patrol": "X"})",
         "This plan was written by a newer Dutywise (version 2)."},
        {"typed.dutywise", R"({"format": "dutywise-plan", "version": 1, "people": [1, 2]})",
         "The field \"people\" must be a list of texts."},
        {"roster.dutywise", "{\\rtf1 Eagle's Roster}", "This file is not valid JSON (at byte 2)."},
        {"huge.dutywise", R"({"format": "dutywise-plan", "version": 1, "x": 1e400})",
         "This file is not valid JSON (at byte 52)."},
    };
    for (const auto& c : cases) {
        WriteFileBytes(dir / c.name, c.bytes);
        auto message = OpenPlan(PathOf(c.name), "OK");
        EXPECT_EQ(message->title, "Dutywise");
        EXPECT_EQ(message->text.toStdString(),
                  "Cannot open plan \"" + (dir / c.name) + "\". " + c.reason);
        EXPECT_EQ(Read(w), filled) << c.name;
    }
}

TEST_F(PlanFiles, LoadedListsKeepTheirEntriesExactlyAndSortedListsSortOnce) {
    WriteFileBytes(dir / "hand.dutywise", R"({"format": "dutywise-plan", "version": 1,
        "people": ["  Ann", "Ann", "", "Ann"],
        "dinners": ["pear", "Apple", "banana", "apple"],
        "sorted": {"dinners": true},
        "days": ["Monday"], "meals": {"Monday": ["Lunch"], "Sunday": ["Dinner"]},
        "crewSize": 7})");
    OpenPlan(PathOf("hand.dutywise"));
    // Nothing changed since it was opened, though the dinners show in another order than the
    // file's: opening it again asks nothing.
    OpenPlan(PathOf("hand.dutywise"));
    const Controls c = Read(w);
    EXPECT_EQ(c.lists[0], (QStringList{"  Ann", "Ann", "", "Ann"}));
    EXPECT_EQ(c.lists[3], (QStringList{"Apple", "apple", "banana", "pear"}));
    EXPECT_TRUE(c.sortTicks[3]);
    EXPECT_TRUE(c.listsSorted[3]);
    EXPECT_EQ(c.groupsShown, (std::array<bool, 7>{false, true, false, false, false, false, false}));
    EXPECT_TRUE(c.meals[2]); // Sunday dinner, under an unticked day
    EXPECT_TRUE(c.meals[4]);
    EXPECT_EQ(c.crew, 5);

    // The sorted list goes on as one the user sorted: an addition lands at its place.
    ShowPage(w, 2);
    Add(w, "addDinnerButton", "cherry");
    EXPECT_EQ(Items(w, "dinnersList"), (QStringList{"Apple", "apple", "banana", "cherry", "pear"}));

    // Thousands of entries, far beyond what a list takes in one assignment, written in reverse:
    // all of them come in, in order.
    dutywise::PlanFile many;
    for (int i = 2999; i >= 0; --i)
        many.List(dutywise::PlanList::People).push_back("Scout " + std::to_string(10000 + i));
    many.Sorted(dutywise::PlanList::People) = true;
    // The absences go with their people, not with the places they are sorted into.
    many.away.resize(3000);
    many.away[0].set(5);
    WriteFileBytes(dir / "many.dutywise", dutywise::WritePlanJson(many));
    OpenPlan(PathOf("many.dutywise"), "Yes");
    const QStringList people = Items(w, "peopleList");
    ASSERT_EQ(people.size(), 3000);
    EXPECT_EQ(people.front(), "Scout 10000");
    EXPECT_EQ(people.back(), "Scout 12999");
    EXPECT_TRUE(std::is_sorted(people.begin(), people.end()));
    const std::vector<dutywise::MealSet> away = w.Absences();
    ASSERT_EQ(away.size(), 3000u);
    EXPECT_EQ(away.back(), many.away[0]) << "Scout 12999's absence";
    EXPECT_EQ(std::count_if(away.begin(), away.end(), [](const auto& a) { return a.any(); }), 1);
}

TEST_F(PlanFiles, ADroppedPlanOpensAsOpenPlanWouldAndOtherFilesAreNotTaken) {
    Fill();
    SavePlan(PathOf("eagle.dutywise"));
    const Controls filled = Read(w);
    Click(w, "freshStartButton");
    Add(w, "addPersonButton", "Cy");

    const auto drop = [&](const QString& path) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        const QPoint at(300, 200);
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(&w, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(&w, &dropped);
        return dropped.isAccepted();
    };
    WriteFileBytes(dir / "notes.txt", "{}");
    EXPECT_FALSE(drop(PathOf("notes.txt")));

    auto yes = AnswerNextModal("Yes");
    ASSERT_TRUE(drop(PathOf("eagle.dutywise")));
    ASSERT_TRUE(testsupport::WaitUntil([&] { return yes->found; })) << yes->error.toStdString();
    EXPECT_EQ(yes->text, "Replace the entries of the wizard with the plan \"eagle.dutywise\"?");
    EXPECT_EQ(Read(w), filled);
}

} // namespace

namespace {

// The two buttons sit in the Basics page's free room: under the patrol's name, above the
// notice, clear of every other control, and wide enough for their captions.
TEST(PlanButtons, FitTheFreeRoomWithoutCoveringAnyControl) {
    WizardWindow w;
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    QWidget* page = Find(w, "basicsPage");
    const int top = Find(w, "patrolNameEdit")->geometry().bottom();
    const int bottom = Find(w, "tagline")->geometry().top();
    for (const char* name :
         {"openPlanButton", "savePlanButton", "continueSeasonButton", "newSeasonButton"}) {
        auto* button = Find<QPushButton>(w, name);
        ASSERT_EQ(button->parentWidget(), page) << name;
        EXPECT_FALSE(button->accessibleName().isEmpty()) << name;
        EXPECT_GE(button->width(), button->sizeHint().width()) << name;
        EXPECT_GT(button->geometry().top(), top) << name;
        EXPECT_LT(button->geometry().bottom(), bottom) << name;
        for (QWidget* other : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (other == button || other->objectName() == "basicsBackground" || other->isHidden())
                continue;
            EXPECT_FALSE(button->geometry().intersects(other->geometry()))
                << name << " covers " << other->objectName().toStdString();
        }
    }
    EXPECT_EQ(Find<QPushButton>(w, "openPlanButton")->text(), "Open Plan...");
    EXPECT_EQ(Find<QPushButton>(w, "savePlanButton")->text(), "Save Plan...");
}

} // namespace
