// "I can't see the text!": what it turns opaque, what it leaves alone, and that it works once.

#include <QLabel>

#include "FlatControls.h"
#include "WizardTestSupport.h"

using namespace wizardtest;

namespace {

// Every label of the wizard's pages.
const QStringList kPageLabels{
    "introText",        "outingNamePrompt", "peoplePrompt",   "daysPrompt",    "patrolNamePrompt",
    "mealsIntro",       "breakfastsPrompt", "lunchesPrompt",  "dinnersPrompt", "snacksIntro",
    "snacksPrompt",     "drinksPrompt",     "crewSizePrompt", "crewSizeLimit", "buildPrompt",
    "generationNotice", "tagline",          "limitQuestion",  "limitReason",   "seasonLabel"};

const QStringList kSortedBoxes{"peopleSortedBox",  "breakfastsSortedBox", "lunchesSortedBox",
                               "dinnersSortedBox", "snacksSortedBox",     "drinksSortedBox"};

const QStringList kLists{"peopleList",  "daysList",   "breakfastsList", "lunchesList",
                         "dinnersList", "snacksList", "drinksList"};

// What the switch may change, for every control it touches or must not touch.
struct Look {
    bool filled;
    QColor background;
    QColor caption;
    QFont font;
    int mode = -1;
    bool operator==(const Look&) const = default;
};

std::map<QString, Look> LookOfEverything(QWidget& w) {
    std::map<QString, Look> looks;
    for (QWidget* c : w.findChildren<QWidget*>()) {
        if (c->objectName().isEmpty())
            continue;
        Look look{c->autoFillBackground(), c->palette().color(QPalette::Window),
                  c->palette().color(QPalette::WindowText), c->font()};
        if (auto* list = qobject_cast<FlatListBox*>(c))
            look.mode = list->transparentMode();
        looks[c->objectName()] = look;
    }
    return looks;
}

class Readability : public ::testing::Test {
protected:
    void SetUp() override {
        w.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    }
    QWidget* W(const QString& name) { return Find(w, name.toLatin1().constData()); }
    WizardWindow w;
};

TEST_F(Readability, OneClickMakesEveryPageReadableAndLeavesTheRestAlone) {
    const auto before = LookOfEverything(w);
    for (const QString& l : kLists)
        ASSERT_EQ(Find<FlatListBox>(w, l.toLatin1().constData())->transparentMode(),
                  FlatListBox::tmAlways);
    const QColor saturday = W("saturdayGroup")->palette().color(QPalette::Window);

    Click(w, "readabilitySwitch");
    const auto after = LookOfEverything(w);

    for (const QString& l : kPageLabels) {
        EXPECT_TRUE(after.at(l).filled) << l.toStdString();
        EXPECT_EQ(after.at(l).background, W(l)->palette().color(QPalette::Button))
            << l.toStdString();
        EXPECT_EQ(after.at(l).caption, before.at(l).caption) << l.toStdString();
    }
    for (const QString& b : kSortedBoxes)
        EXPECT_TRUE(after.at(b).filled) << b.toStdString();
    EXPECT_EQ(after.at("peopleSortedBox").caption, QColor(Qt::black));
    EXPECT_EQ(after.at("lunchesSortedBox").caption, QColor(Qt::black));
    EXPECT_TRUE(after.at("peopleSortedBox").font.bold());
    EXPECT_EQ(after.at("peopleSortedBox").font, before.at("peopleSortedBox").font);
    // The Finalization page's white bold caption goes the way of the people list's.
    EXPECT_TRUE(after.at("shareEvenlyBox").filled);
    EXPECT_EQ(after.at("shareEvenlyBox").background,
              W("shareEvenlyBox")->palette().color(QPalette::Button));
    EXPECT_EQ(before.at("shareEvenlyBox").caption, QColor(Qt::white));
    EXPECT_EQ(after.at("shareEvenlyBox").caption, QColor(Qt::black));
    EXPECT_EQ(after.at("shareEvenlyBox").font, before.at("shareEvenlyBox").font);
    EXPECT_TRUE(after.at("shareEvenlyBox").font.bold());
    for (const char* b :
         {"breakfastsSortedBox", "dinnersSortedBox", "snacksSortedBox", "drinksSortedBox"})
        EXPECT_EQ(after.at(b).caption, before.at(b).caption) << b;

    for (const QString& g : kDayGroups)
        EXPECT_TRUE(after.at(g).filled) << g.toStdString();
    for (const QString& g : kDayGroups.mid(0, 6))
        EXPECT_EQ(after.at(g).background, W(g)->palette().color(QPalette::Button))
            << g.toStdString();
    EXPECT_EQ(after.at("saturdayGroup").background, saturday);

    for (const QString& l : kLists)
        EXPECT_EQ(after.at(l).mode, FlatListBox::tmNone) << l.toStdString();

    // Untouched: the meal boxes inside the groups and the suggestion labels.
    QStringList untouched{"breakfastSuggestionLabel", "lunchSuggestionLabel",
                          "dinnerSuggestionLabel", "snackSuggestionLabel", "drinkSuggestionLabel"};
    for (int day = 0; day < 7; ++day)
        for (int meal = 0; meal < 3; ++meal)
            untouched << MealBoxName(day, meal);
    for (const QString& c : untouched)
        EXPECT_EQ(after.at(c), before.at(c)) << c.toStdString();
}

TEST_F(Readability, SecondClickChangesNothing) {
    Click(w, "readabilitySwitch");
    const auto once = LookOfEverything(w);
    Click(w, "readabilitySwitch");
    EXPECT_TRUE(LookOfEverything(w) == once);
}

} // namespace
