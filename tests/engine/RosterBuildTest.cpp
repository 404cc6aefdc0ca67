#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MemoryDocument.h"
#include "ParagraphTexts.h"
#include "RecordingHost.h"
#include "RosterBuild.h"
#include "ScriptedClock.h"

namespace dutywise::testing {
namespace {

const ParagraphStyle kTitle = ParagraphStyle::Roster(14, {FontStyle::Bold});
const ParagraphStyle kDay = ParagraphStyle::Roster(12, {FontStyle::Underline});
const ParagraphStyle kMealHeading = ParagraphStyle::Roster(10, {FontStyle::Bold});
const ParagraphStyle kSlotLine = ParagraphStyle::Roster(10, {});
const ParagraphStyle kFood = ParagraphStyle::Roster(10, {FontStyle::Bold, FontStyle::Underline});

const std::string kNoOuting = "Please enter the name of the Boy Scout Outing!";
const std::string kTooFew =
    "You don't have enough people to perform the task of cleaning up or cooking!\n"
    "Please shorten the limit!";
const std::string kAdvice = "Just a suggestion, please enter some more names in the beginning!";
const std::string kNoBreakfast = "I can't let you generate a roster without Breakfast.\n"
                                 "If you can't think of a breakfast, choose a suggestion.";
const std::string kNoLunch = "I can't let you generate a roster without Lunch.\n"
                             "If you can't think of a lunch, choose a suggestion.";
const std::string kNoDinner = "I can't let you generate a roster without Dinner.\n"
                              "If you can't think of a dinner, choose a suggestion.";
const std::string kCompleted = "Completed!";

void Tick(OutingPlan& plan, Weekday day, Meal meal) {
    plan.days[static_cast<int>(day)] = true;
    plan.mealTicks[static_cast<int>(day)][static_cast<int>(meal)] = true;
}

OutingPlan SaturdayBreakfast() {
    OutingPlan plan;
    plan.outingName = "Spring Campout";
    plan.patrolName = "Eagles";
    plan.people = {"Ann", "Bob", "Cy"};
    Tick(plan, Weekday::Saturday, Meal::Breakfast);
    plan.breakfasts = {"Eggs", "Oats"};
    plan.snacks = {"Trail mix", "Apples"};
    plan.drinks = {"Cocoa"};
    return plan;
}

struct Build {
    ScriptedClock clock;
    Generator random{clock};
    MemoryDocument doc;
    RecordingHost host;
    AdviceFlag advice;

    void Run(const OutingPlan& plan) { BuildRoster(plan, doc, host, random, advice); }
};

TEST(BuildRoster, SaturdayOnlyDocumentHasSeventeenStyledParagraphs) {
    Build b;
    b.clock.counters.push_back(0);        // the build's own re-seed
    b.clock.ScriptDraws(3, {1, 2, 0, 1}); // cooks Bob, Cy; clean-up Ann, Bob
    b.clock.ScriptDraws(2, {1});          // the last breakfast can be served
    b.Run(SaturdayBreakfast());

    const std::vector<Paragraph> paragraphs = b.doc.Paragraphs();
    const std::vector<dutywise::Run> expected = {{"Spring Campout", kTitle},
                                                 {"Eagles's Roster", kTitle},
                                                 {"", kTitle},
                                                 {"", kTitle},
                                                 {"Saturday", kDay},
                                                 {"Breakfast", kMealHeading},
                                                 {"Cook: Bob, Cy", kSlotLine},
                                                 {"Cleanup: Ann, Bob", kSlotLine},
                                                 {"Meal: Oats", kSlotLine},
                                                 {"", kSlotLine},
                                                 {"", kSlotLine},
                                                 {"Snacks", kFood},
                                                 {"Trail mix", kFood},
                                                 {"Apples", kFood},
                                                 {"", kFood},
                                                 {"Drinks", kFood},
                                                 {"Cocoa", kFood}};
    ASSERT_EQ(paragraphs.size(), 17u);
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(paragraphs[i].runs, std::vector<dutywise::Run>{expected[i]})
            << "paragraph " << i + 1;

    EXPECT_EQ(b.host.messages, (std::vector<std::string>{kAdvice, kCompleted}));
    EXPECT_EQ(b.host.noticeHidden, 1);
    EXPECT_EQ(b.host.advances, (std::vector<int>{5, 1, 1, 1}));
}

TEST(BuildRoster, ShapeFollowsTheTicksAndTheNames) {
    Build b;
    OutingPlan plan = SaturdayBreakfast();
    plan.patrolName.clear();
    plan.days = {};
    b.Run(plan); // no day ticked
    EXPECT_EQ(Texts(b.doc),
              (std::vector<std::string>{"Spring Campout", "", "", "", "Snacks", "Trail mix",
                                        "Apples", "", "Drinks", "Cocoa"}));
    // The blank after the days keeps the title's style when no day was written.
    EXPECT_EQ(b.doc.Paragraphs()[3].runs.front().style, kTitle);

    plan.days[1] = plan.days[2] = true; // two days without meals: headings back to back
    plan.drinks.clear();
    b.Run(plan);
    const std::vector<std::string> texts = Texts(b.doc);
    EXPECT_EQ(std::vector<std::string>(texts.begin() + 3, texts.end()),
              (std::vector<std::string>{"Monday", "Tuesday", "", "Snacks", "Trail mix", "Apples",
                                        "", "Drinks"}));
    EXPECT_EQ(b.doc.Paragraphs()[5].runs.front().style, kDay);
}

TEST(BuildRoster, FullWeekHasEveryHeadingAndSlot) {
    Build b;
    OutingPlan plan = SaturdayBreakfast();
    plan.people = {"Ann", "Bob", "Cy", "Dee", "Eve", "Fay"};
    for (int d = 0; d < kDays; ++d)
        for (int m = 0; m < kMeals; ++m)
            Tick(plan, static_cast<Weekday>(d), static_cast<Meal>(m));
    plan.lunches = {"Wraps"};
    plan.dinners = {"Chili"};
    b.Run(plan);

    const std::vector<std::string> texts = Texts(b.doc);
    ASSERT_EQ(texts.size(), 4u + 7u + 21u * 5u + 1u + 3u + 1u + 2u);
    std::size_t i = 4;
    for (int d = 0; d < kDays; ++d) {
        EXPECT_EQ(texts[i++], DayName(static_cast<Weekday>(d)));
        for (int m = 0; m < kMeals; ++m) {
            EXPECT_EQ(texts[i], MealName(static_cast<Meal>(m)));
            EXPECT_EQ(texts[i + 1].rfind("Cook: ", 0), 0u);
            EXPECT_EQ(texts[i + 2].rfind("Cleanup: ", 0), 0u);
            EXPECT_EQ(texts[i + 3].rfind("Meal: ", 0), 0u);
            EXPECT_EQ(texts[i + 4], "");
            i += 5;
        }
    }
    EXPECT_EQ(texts[i], ""); // two blanks before "Snacks"
    EXPECT_EQ(texts[i + 1], "Snacks");
}

struct Refusal {
    const char* why;
    void (*change)(OutingPlan&);
    std::vector<std::string> messages;
};

TEST(BuildRoster, ValidationRefusesInOrderAndLeavesEverythingAlone) {
    const Refusal refusals[] = {
        {"no outing name, before too few people",
         [](OutingPlan& p) {
             p.outingName.clear();
             p.people.clear();
         },
         {kNoOuting}},
        {"no people at all, never below one crew member",
         [](OutingPlan& p) {
             p.people.clear();
             p.crewSize = 1;
         },
         {kTooFew}},
        {"fewer people than the crew size, before the meals",
         [](OutingPlan& p) {
             p.crewSize = 4;
             p.breakfasts.clear();
         },
         {kTooFew}},
        {"breakfast ticked under an unticked day",
         [](OutingPlan& p) {
             p.breakfasts.clear();
             p.days = {};
         },
         {kAdvice, kNoBreakfast}},
        {"breakfast before lunch",
         [](OutingPlan& p) {
             p.breakfasts.clear();
             Tick(p, Weekday::Sunday, Meal::Lunch);
         },
         {kAdvice, kNoBreakfast}},
        {"lunch", [](OutingPlan& p) { p.mealTicks[0][1] = true; }, {kAdvice, kNoLunch}},
        {"dinner after lunch and breakfast are given",
         [](OutingPlan& p) {
             p.lunches = {"Wraps"};
             p.mealTicks[4][1] = p.mealTicks[5][2] = true;
         },
         {kAdvice, kNoDinner}},
    };
    for (const Refusal& r : refusals) {
        SCOPED_TRACE(r.why);
        Build b;
        b.doc.AppendParagraphs({"the previous", "roster"});
        const std::vector<Paragraph> before = b.doc.Paragraphs();
        OutingPlan plan = SaturdayBreakfast();
        r.change(plan);
        const OutingPlan copy = plan;

        b.Run(plan);
        EXPECT_EQ(b.host.messages, r.messages);
        EXPECT_EQ(b.doc.Paragraphs(), before);
        EXPECT_EQ(plan, copy);
        EXPECT_EQ(b.host.noticeHidden, 0);
        EXPECT_TRUE(b.host.advances.empty());
        EXPECT_EQ(b.clock.counterReads, 0); // nothing was drawn
    }
}

TEST(BuildRoster, AdviceIsShownOncePerRunEvenWhenThatBuildIsRefused) {
    Build b;
    OutingPlan plan = SaturdayBreakfast();
    plan.crewSize = 3;
    plan.breakfasts.clear();
    b.Run(plan);
    EXPECT_EQ(b.host.messages, (std::vector<std::string>{kAdvice, kNoBreakfast}));

    plan.breakfasts = {"Eggs"};
    b.host.messages.clear();
    b.Run(plan);
    b.Run(plan);
    EXPECT_EQ(b.host.messages, (std::vector<std::string>{kCompleted, kCompleted}));
}

TEST(BuildRoster, NoAdviceForFivePeople) {
    Build b;
    OutingPlan plan = SaturdayBreakfast();
    plan.people = {"Ann", "Bob", "Cy", "Dee", "Eve"};
    b.Run(plan);
    EXPECT_EQ(b.host.messages, std::vector<std::string>{kCompleted});
    EXPECT_FALSE(b.advice.shown);
}

OutingPlan HiddenPicturePlan() {
    OutingPlan plan;
    plan.outingName = hidden_picture::kOutingName;
    plan.patrolName = hidden_picture::kPatrolName;
    for (std::string_view name : hidden_picture::kFirstPeople)
        plan.people.emplace_back(name);
    plan.people.push_back("Zed");
    Tick(plan, Weekday::Friday, Meal::Dinner);
    plan.dinners = {std::string(hidden_picture::kFirstDinner), "Tacos"};
    return plan;
}

TEST(BuildRoster, HiddenPictureTriggerHasTheAgreedLengths) {
    static_assert(hidden_picture::kOutingName.size() == 15);
    static_assert(hidden_picture::kPatrolName.size() == 7);
    static_assert(hidden_picture::kFirstPeople[0].size() == 1);
    static_assert(hidden_picture::kFirstPeople[1].size() == 4);
    static_assert(hidden_picture::kFirstPeople[2].size() == 3);
    static_assert(hidden_picture::kFirstPeople[3].size() == 3);
    static_assert(hidden_picture::kFirstDinner.size() == 4);
}

TEST(BuildRoster, HiddenPictureShowsInsteadOfBuilding) {
    Build b;
    b.doc.AppendParagraph("untouched");
    OutingPlan plan = HiddenPicturePlan();
    plan.breakfasts.clear();
    Tick(plan, Weekday::Monday, Meal::Breakfast); // would be refused, but is never validated
    b.Run(plan);
    EXPECT_EQ(b.host.messages, std::vector<std::string>{std::string(hidden_picture::kMessage)});
    EXPECT_EQ(b.host.hiddenPictureShown, 1);
    EXPECT_EQ(Texts(b.doc), std::vector<std::string>{"untouched"});
    EXPECT_FALSE(b.advice.shown);
}

TEST(BuildRoster, HiddenPictureNeedsEveryPartExactly) {
    const std::vector<void (*)(OutingPlan&)> spoilers = {
        [](OutingPlan& p) { p.outingName += " "; },
        [](OutingPlan& p) { p.patrolName[0] = static_cast<char>(std::tolower(p.patrolName[0])); },
        [](OutingPlan& p) { p.people.resize(3); },
        [](OutingPlan& p) { std::swap(p.people[1], p.people[2]); },
        [](OutingPlan& p) { p.mealTicks[5][2] = false; },
        [](OutingPlan& p) { p.dinners.clear(); },
        [](OutingPlan& p) { std::swap(p.dinners[0], p.dinners[1]); },
    };
    for (std::size_t i = 0; i < spoilers.size(); ++i) {
        SCOPED_TRACE(i);
        Build b;
        OutingPlan plan = HiddenPicturePlan();
        spoilers[i](plan);
        b.Run(plan);
        EXPECT_EQ(b.host.hiddenPictureShown, 0);
        ASSERT_FALSE(b.host.messages.empty());
        EXPECT_NE(b.host.messages.front(), std::string(hidden_picture::kMessage));
    }
}

// Every name drawn in a build, in drawing order: cooks then clean-up, slot after slot.
std::vector<std::string> DrawnNames(const RosterDocument& doc) {
    std::vector<std::string> names;
    for (const std::string& text : Texts(doc)) {
        std::string list;
        if (text.rfind("Cook: ", 0) == 0)
            list = text.substr(6);
        else if (text.rfind("Cleanup: ", 0) == 0)
            list = text.substr(9);
        else
            continue;
        for (std::size_t start = 0;;) {
            const std::size_t comma = list.find(", ", start);
            names.push_back(list.substr(start, comma - start));
            if (comma == std::string::npos)
                break;
            start = comma + 2;
        }
    }
    return names;
}

void ExpectAvoidanceOverManyBuilds(Generator& random) {
    MemoryDocument doc;
    RecordingHost host;
    AdviceFlag advice;
    for (int build = 0; build < 300; ++build) {
        OutingPlan plan;
        plan.outingName = "Week";
        const int people = 2 + build % 5; // 2 to 6
        for (int i = 0; i < people; ++i)
            plan.people.push_back("P" + std::to_string(i));
        plan.crewSize = 1 + build % people % 5;
        plan.breakfasts = plan.lunches = plan.dinners = {"Food"};
        for (int d = 0; d < kDays; ++d)
            for (int m = 0; m < kMeals; ++m)
                if ((d + m + build) % 3 != 0)
                    Tick(plan, static_cast<Weekday>(d), static_cast<Meal>(m));

        BuildRoster(plan, doc, host, random, advice);
        const std::vector<std::string> names = DrawnNames(doc);
        ASSERT_FALSE(names.empty());
        // PreviousPick starts at 0: the first entry never opens a build.
        EXPECT_NE(names.front(), "P0") << "build " << build;
        if (people == 2) {
            EXPECT_EQ(names.front(), "P1");
        }
        for (std::size_t i = 1; i < names.size(); ++i)
            ASSERT_NE(names[i], names[i - 1]) << "build " << build << ", draw " << i;
    }
}

TEST(BuildRoster, NobodyIsDrawnTwiceInARowWithAScriptedClock) {
    ScriptedClock clock(12345);
    Generator random(clock);
    ExpectAvoidanceOverManyBuilds(random);
}

TEST(BuildRoster, NobodyIsDrawnTwiceInARowWithTheRealClock) {
    ExpectAvoidanceOverManyBuilds(ProgramGenerator());
}

} // namespace
} // namespace dutywise::testing
