#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <random>

#include "Abiword.h"
#include "PlanFile.h"
#include "RosterBuild.h"
#include "RosterWriter.h"
#include "ScriptedClock.h"

using namespace dutywise;
using dutywise::testing::ReadFileBytes;
using dutywise::testing::TempDir;
using dutywise::testing::WriteFileBytes;

namespace {

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// A text of random code points: ASCII with quotes and backslashes, blanks at either end, Latin,
// CJK and characters beyond the basic plane.
std::string RandomText(std::mt19937& rng) {
    static constexpr char32_t kPool[] = {
        U'"',      U'\\',     U'/',      U' ',      U'a',      U'Z',          U'0',
        U'{',      U'}',      U'\u00A0', U'\u00E9', U'\u00C9', U'\u00DF',     U'\u0130',
        U'\u200B', U'\u4E2D', U'\uFEFF', U'\uFFFD', U'\u202E', U'\U0001F3D5', U'\U0010FFFF'};
    std::uniform_int_distribution<int> length(0, 40);
    std::uniform_int_distribution<std::size_t> pick(0, std::size(kPool) - 1);
    std::string out;
    for (int i = length(rng); i > 0; --i)
        AppendUtf8(out, kPool[pick(rng)]);
    return out;
}

// Line breaks and the other control characters, none of which a name may hold.
constexpr char32_t kControls[] = {U'\0',     U'\t',     U'\n',     U'\r',     U'\u001B',
                                  U'\u007F', U'\u0085', U'\u009F', U'\u2028', U'\u2029'};

// Case `n` ticks days by the bits of n, so 128 cases walk every day pattern; meal ticks,
// lists (empty, short, repeated, now and then thousands long) and the rest are random.
PlanFile RandomPlan(unsigned n) {
    std::mt19937 rng(n);
    PlanFile plan;
    plan.outingName = RandomText(rng);
    plan.patrolName = RandomText(rng);
    std::uniform_int_distribution<int> shortLength(0, 6);
    for (auto& list : plan.lists) {
        const int length =
            rng() % 40 == 0 ? 1000 + static_cast<int>(rng() % 2000) : shortLength(rng);
        for (int i = 0; i < length; ++i)
            list.push_back(i > 0 && rng() % 5 == 0 ? list.back() : RandomText(rng));
    }
    const unsigned mealBits = rng();
    for (std::size_t d = 0; d < kDays; ++d) {
        plan.days[d] = (n >> d) & 1u;
        for (std::size_t m = 0; m < kMeals; ++m)
            plan.mealTicks[d][m] = (mealBits >> (d * kMeals + m)) & 1u;
    }
    for (auto&& sorted : plan.sorted)
        sorted = rng() % 2;
    plan.crewSize = kMinCrewSize + static_cast<int>(rng() % kMaxCrewSize);
    plan.evenShares = rng() % 2;
    // Half the plans have absences, also from meals that are not ticked.
    if (rng() % 2) {
        for (std::size_t i = 0; i < plan.List(PlanList::People).size(); ++i)
            plan.away.emplace_back(rng() % 3 == 0 ? rng() & ((1u << kSlots) - 1) : 0u);
        if (std::none_of(plan.away.begin(), plan.away.end(), [](auto& set) { return set.any(); }))
            plan.away.clear();
    }
    const std::vector<std::string>& people = plan.List(PlanList::People);
    for (unsigned k = people.empty() ? 0 : rng() % 3; k > 0; --k)
        plan.keepApart.push_back({people[rng() % people.size()], people[rng() % people.size()]});
    for (unsigned k = rng() % 4 == 0 ? 1 + rng() % 3 : 0; k > 0; --k)
        plan.season[RandomText(rng)] = {static_cast<int>(rng() % (kMaxSeasonCount + 1)),
                                        static_cast<int>(rng() % 50)};
    return plan;
}

// Finds the keys of a written plan's top level, in the order they were written.
std::vector<std::string> TopLevelKeys(const std::string& bytes) {
    std::vector<std::string> keys;
    const auto root = nlohmann::ordered_json::parse(bytes);
    for (const auto& [key, value] : root.items())
        keys.push_back(key);
    return keys;
}

} // namespace

TEST(PlanFileRoundTrip, SeveralHundredRandomPlansComeBackEqualAndRewriteToTheSameBytes) {
    std::vector<std::string> order{"format",     "version", "outing",  "patrol",   "people",
                                   "breakfasts", "lunches", "dinners", "snacks",   "drinks",
                                   "sorted",     "days",    "meals",   "crewSize", "evenShares"};
    int withAbsences = 0;
    for (unsigned n = 0; n < 300; ++n) {
        PlanFile plan = RandomPlan(n);
        if (n % 8 == 0) {
            // One control character in one name: the whole plan is refused, naming the field.
            std::mt19937 rng(n);
            const std::size_t field = rng() % (kPlanLists + 2);
            std::string* name = field == 0   ? &plan.outingName
                                : field == 1 ? &plan.patrolName
                                             : nullptr;
            std::string fieldKey = field == 0 ? "outing" : "patrol";
            if (!name) {
                const PlanList list = kAllPlanLists[field - 2];
                plan.List(list).push_back("Ann");
                name = &plan.List(list)[rng() % plan.List(list).size()];
                fieldKey = PlanListKey(list);
            }
            std::string control;
            AppendUtf8(control, kControls[rng() % std::size(kControls)]);
            name->insert(rng() % (name->size() + 1), control);
            const PlanReadResult refused = ParsePlanJson(WritePlanJson(plan));
            ASSERT_FALSE(refused.plan) << "case " << n;
            ASSERT_EQ(refused.Message(),
                      "The field \"" + fieldKey +
                          "\" must not hold a line break or another control character.")
                << "case " << n;
            continue;
        }
        // Written only when somebody is away, so other plans keep their bytes.
        order.resize(15);
        if (!plan.away.empty()) {
            order.push_back("away");
            ++withAbsences;
        }
        if (!plan.keepApart.empty())
            order.push_back("keepApart");
        if (!plan.season.empty())
            order.push_back("season");
        const std::string bytes = WritePlanJson(plan);
        const PlanReadResult read = ParsePlanJson(bytes);
        ASSERT_TRUE(read.plan) << "case " << n << ": " << read.Message();
        ASSERT_TRUE(*read.plan == plan) << "case " << n;
        ASSERT_EQ(WritePlanJson(*read.plan), bytes) << "case " << n;
        ASSERT_EQ(TopLevelKeys(bytes), order) << "case " << n;
    }
    EXPECT_GT(withAbsences, 60);
}

// Catches: a roster or start date lost or changed on the way through the file (places set by
// hand, shared names, dates), and a roster or a pair kept apart written that the file could not
// read back.
TEST(PlanFileRoundTrip, TheRosterAndStartDateComeBackAndARosterThatNoLongerFitsIsNotWritten) {
    for (unsigned n = 0; n < 40; ++n) {
        PlanFile plan = RandomPlan(n * 8 + 1);
        plan.List(PlanList::People) = {"Ann", "Bob", "Cy", "Ann", "Dee", "Eve"};
        plan.List(PlanList::Breakfasts) = plan.List(PlanList::Lunches) =
            plan.List(PlanList::Dinners) = {"Stew"};
        plan.crewSize = 1 + static_cast<int>(n % 3);
        plan.away.clear();
        plan.keepApart = {{"Ann", "Cy"}};
        if (n % 2)
            plan.startDate = CalendarDate{2027, 6, 1 + static_cast<int>(n % 28)};
        dutywise::testing::ScriptedClock clock(n);
        Generator random(clock);
        plan.roster = DrawRoster(OutingPlanOf(plan), random);
        for (RosterMeal& meal : plan.roster->meals) {
            for (CrewPlace& place : meal.cleanup) {
                place.person = place.person == 3 ? 0 : place.person; // the first "Ann" stands for both
                place.byHand = (place.person + n) % 3 == 0;
            }
        }
        const PlanReadResult read = ParsePlanJson(WritePlanJson(plan));
        ASSERT_TRUE(read.plan) << "case " << n << ": " << read.Message();
        for (RosterMeal& meal : plan.roster->meals)
            for (CrewPlace& place : meal.cooks)
                place.person = place.person == 3 ? 0 : place.person;
        EXPECT_TRUE(*read.plan == plan) << "case " << n;

        if (plan.roster->meals.empty())
            continue;
        // The people changed after the build: the roster no longer fits and is left out.
        PlanFile renamed = plan;
        std::fill(renamed.List(PlanList::People).begin(), renamed.List(PlanList::People).end(),
                  "Zed");
        const std::string bytes = WritePlanJson(renamed);
        EXPECT_EQ(bytes.find("\"roster\""), std::string::npos) << "case " << n;
        EXPECT_EQ(bytes.find("keepApart"), std::string::npos) << "case " << n;
        ASSERT_TRUE(ParsePlanJson(bytes).plan) << "case " << n;
    }
}

TEST(PlanFileRoundTrip, ThroughARealFileTheWrittenBytesReadBackAndTwoSpacesIndent) {
    TempDir dir;
    const std::string path = dir / "spring.dutywise";
    PlanFile plan = RandomPlan(7);
    plan.List(PlanList::People) = {"Ann", " Ann ", "Ann", ""};
    plan.keepApart = {{" Ann ", ""}};
    plan.days = {false, false, false, false, false, true, true};
    plan.mealTicks = {};
    plan.mealTicks[0][2] = true; // Sunday dinner on an unticked day stays
    ASSERT_EQ(WritePlanFile(path, plan), std::nullopt);
    const std::string bytes = ReadFileBytes(path);
    EXPECT_EQ(bytes.rfind("{\n  \"format\": \"dutywise-plan\",\n  \"version\": 1,\n", 0), 0u);
    EXPECT_NE(bytes.find("\"meals\": {\n    \"Sunday\": [\n      \"Dinner\"\n    ]\n  }"),
              std::string::npos)
        << bytes;
    const PlanReadResult read = ReadPlanFile(path);
    ASSERT_TRUE(read.plan) << read.Message();
    EXPECT_TRUE(*read.plan == plan);
}

TEST(PlanFileRead, MissingFieldsTakeStartValuesUnknownOnesAreIgnoredCrewSizeIsHeld) {
    const PlanReadResult bare = ParsePlanJson(R"({"format": "dutywise-plan", "version": 1})");
    ASSERT_TRUE(bare.plan) << bare.Message();
    EXPECT_TRUE(*bare.plan == PlanFile{});
    EXPECT_EQ(bare.plan->crewSize, 2);

    const PlanReadResult extra = ParsePlanJson(
        "\xEF\xBB\xBF" // a byte order mark some editors add
        R"({"format": "dutywise-plan", "version": 1, "colour": "green", "people": ["Ann"],
            "sorted": {"people": true, "tents": 3}, "meals": {"Monday": []}, "crewSize": 99})");
    ASSERT_TRUE(extra.plan) << extra.Message();
    EXPECT_EQ(extra.plan->List(PlanList::People), std::vector<std::string>{"Ann"});
    EXPECT_TRUE(extra.plan->Sorted(PlanList::People));
    EXPECT_EQ(extra.plan->crewSize, 5);
    // Any whole number is held to 1..5, however it is written and however far out it lies.
    const struct {
        const char* written;
        int crewSize;
    } crews[] = {{"0", 1},
                 {"4", 4},
                 {"5.0", 5},
                 {"3e0", 3},
                 {"-0.0", 1},
                 {"18446744073709551615", 5},
                 {"18446744073709551616", 5},
                 {"1e300", 5},
                 {"-18446744073709551615", 1},
                 {"-1e300", 1}};
    for (const auto& c : crews) {
        const PlanReadResult read = ParsePlanJson(
            std::string(R"({"format": "dutywise-plan", "version": 1.0, "crewSize": )") + c.written +
            "}");
        ASSERT_TRUE(read.plan) << c.written << ": " << read.Message();
        EXPECT_EQ(read.plan->crewSize, c.crewSize) << c.written;
    }
}

TEST(PlanFileRead, EveryKindOfBadInputIsRefusedWithItsOwnMessage) {
    const std::string head = R"({"format": "dutywise-plan", "version": 1, )";
    const std::string friday =
        R"("people": ["Ann", "Bob"], "days": ["Friday"], "meals": {"Friday": ["Dinner"]}, )";
    const struct {
        std::string bytes;
        std::string message;
    } cases[] = {
        {"", "This file is not valid JSON (at byte 1)."},
        {"{\"format\": \"dutywise-plan\",", "This file is not valid JSON (at byte 28)."},
        {"Outing: Spring Camporee\n", "This file is not valid JSON (at byte 1)."},
        {"{\"format\": \"dutywise-plan\", \"version\": 1, \"outing\": \"Caf\xE9\"}",
         "This file is not UTF-8 text."},
        {"{\"format\": \"dutywise-plan\", \"version\": 1, \"outing\": \"\xED\xA0\x80\"}",
         "This file is not UTF-8 text."},
        {"\xC0\xAF", "This file is not UTF-8 text."},
        {std::string(100000, '['), "This file is not a Dutywise plan."},
        {"[]", "This file is not a Dutywise plan."},
        {R"({"version": 1})", "This file is not a Dutywise plan."},
        {R"({"format": "packready-plan", "version": 1})", "This file is not a Dutywise plan."},
        {R"({"format": "dutywise-plan"})", "The plan does not say its version."},
        {R"({"format": "dutywise-plan", "version": 2})",
         "This plan was written by a newer Dutywise (version 2)."},
        {R"({"format": "dutywise-plan", "version": 0})",
         "The plan's version (0) is not one Dutywise knows."},
        {R"({"format": "dutywise-plan", "version": "1"})",
         "The field \"version\" must be a whole number."},
        {R"({"format": "dutywise-plan", "version": 1.5})",
         "The field \"version\" must be a whole number."},
        // Versions far beyond any number a program holds are still newer, given as written.
        {R"({"format": "dutywise-plan", "version": 2.0})",
         "This plan was written by a newer Dutywise (version 2)."},
        {R"({"format": "dutywise-plan", "version": 18446744073709551615})",
         "This plan was written by a newer Dutywise (version 18446744073709551615)."},
        {R"({"format": "dutywise-plan", "version": 18446744073709551616})",
         "This plan was written by a newer Dutywise (version 18446744073709551616)."},
        {R"({"format": "dutywise-plan", "version": 1E+300})",
         "This plan was written by a newer Dutywise (version 1E+300)."},
        {R"({"format": "dutywise-plan", "version": -1e19})",
         "The plan's version (-1e19) is not one Dutywise knows."},
        // Numbers too large for a double, anywhere in the file.
        {R"({"format": "dutywise-plan", "version": 1, "x": 1e400})",
         "This file is not valid JSON (at byte 52)."},
        {R"({"format": "dutywise-plan", "version": -1e400})",
         "This file is not valid JSON (at byte 45)."},
        {head + R"("sorted": {"snacks": [[0, 2e308]]}})",
         "This file is not valid JSON (at byte 73)."},
        // The parser would stop at a NUL byte; what follows it is no plan.
        {std::string(R"({"format": "dutywise-plan", "version": 1})") + '\0' + "garbage",
         "This file is not valid JSON (at byte 42)."},
        {std::string("{\"format\": \"dutywise-plan\", \"version\": 1, \"outing\": \"a\0b\"}"),
         "This file is not valid JSON (at byte 55)."},
        // Names are single lines of text.
        {head + R"("outing": "Lake\nHollow"})",
         "The field \"outing\" must not hold a line break or another control character."},
        {head + R"("patrol": "Eagle\u2028"})",
         "The field \"patrol\" must not hold a line break or another control character."},
        {head + R"("people": ["Ann", "Ben\tCy"]})",
         "The field \"people\" must not hold a line break or another control character."},
        {head + R"("dinners": ["Chili\u0085"]})",
         "The field \"dinners\" must not hold a line break or another control character."},
        {head + R"("snacks": ["\u001b[31mApples"]})",
         "The field \"snacks\" must not hold a line break or another control character."},
        {head + R"("outing": 7})", "The field \"outing\" must be a text."},
        {head + R"("patrol": null})", "The field \"patrol\" must be a text."},
        {head + R"("people": "Ann"})", "The field \"people\" must be a list of texts."},
        {head + R"("drinks": ["Cocoa", 3]})", "The field \"drinks\" must be a list of texts."},
        {head + R"("sorted": true})",
         "The field \"sorted\" must hold true or false for each list."},
        {head + R"("sorted": {"lunches": "yes"}})",
         "The field \"sorted.lunches\" must be true or false."},
        {head + R"("days": "Friday"})", "The field \"days\" must be a list of day names."},
        {head + R"("days": ["Friday", "Funday"]})",
         "Unknown day \"Funday\" in the field \"days\"."},
        {head + R"("days": ["friday"]})", "Unknown day \"friday\" in the field \"days\"."},
        {head + R"("meals": ["Dinner"]})",
         "The field \"meals\" must hold a list of meal names for each day."},
        {head + R"("meals": {"Caturday": ["Dinner"]}})",
         "Unknown day \"Caturday\" in the field \"meals\"."},
        {head + R"("meals": {"Friday": "Dinner"}})",
         "The field \"meals.Friday\" must be a list of meal names."},
        {head + R"("meals": {"Friday": ["Brunch"]}})",
         "Unknown meal \"Brunch\" in the field \"meals.Friday\"."},
        {head + R"("crewSize": 2.5})", "The field \"crewSize\" must be a whole number."},
        {head + R"("crewSize": "2"})", "The field \"crewSize\" must be a whole number."},
        {head + R"("evenShares": 1})", "The field \"evenShares\" must be true or false."},
        {head + R"("people": ["Ann", "Bob"], "away": [["Friday Dinner"]]})",
         "The field \"away\" must have one entry for each person (2, not 1)."},
        {head + R"("away": {}, "people": ["Ann"]})",
         "The field \"away\" must hold a list of meals for each person."},
        // Each person's entry is a list of meals; "texts" would not say which.
        {head + R"("people": ["Ann", "Bob"], "away": [[], "Friday Dinner"]})",
         "The field \"away\" must be a list of meal names."},
        {head + R"("people": ["Ann"], "away": [["Friday Dinner", "Friday Brunch"]]})",
         "Unknown meal \"Friday Brunch\" in the field \"away\"."},
        {head + R"("people": ["Ann"], "away": [["FridayDinner"]]})",
         "Unknown meal \"FridayDinner\" in the field \"away\"."},
        // A roster must name the plan's people and its ticked meals only.
        {head + R"("startDate": "2027-06-31"})",
         "The field \"startDate\" must be a date written as YYYY-MM-DD."},
        {head + friday + R"("roster": {}})", "The field \"roster\" must be a list of meals."},
        {head + friday + R"("roster": [{"day": "Friday", "meal": "Dinner", "cooks": ["Zed"]}]})",
         "The name \"Zed\" in the field \"roster.cooks\" is not among the plan's people."},
        {head + friday + R"("roster": [{"day": "Friday", "meal": "Dinner", "cooks": [],
            "cleanup": ["ann"]}]})",
         "The name \"ann\" in the field \"roster.cleanup\" is not among the plan's people."},
        {head + friday + R"("roster": [{"day": "Friday", "meal": "Lunch"}]})",
         "The meal \"Friday Lunch\" in the field \"roster\" is not one of the plan's ticked "
         "meals."},
        {head + R"("meals": {"Friday": ["Dinner"]}, "roster": [{"day": "Friday", "meal": "Dinner"}]})",
         "The meal \"Friday Dinner\" in the field \"roster\" is not one of the plan's ticked "
         "meals."},
        {head + friday + R"("roster": [{"day": "Fri", "meal": "Dinner"}]})",
         "Unknown day \"Fri\" in the field \"roster.day\"."},
        {head + friday + R"("roster": [{"day": "Friday", "meal": "Dinner", "cooks": [], "cleanup": [],
            "dish": "", "byHand": {"cooks": [0]}}]})",
         "The field \"roster.byHand.cooks\" must be a list of places in the crew."},
        {head + friday + R"("roster": [{"day": "Friday", "meal": "Dinner", "cooks": [], "cleanup": [],
            "dish": ""}, {"day": "Friday", "meal": "Dinner"}]})",
         "The meal \"Friday Dinner\" is twice in the field \"roster\"."},
        // A name of 4 MB, quoted whole, kept the message box busy for a minute: 80 characters
        // (the 80th of two bytes), then an ellipsis.
        {head + R"("days": [")" + std::string(79, 'x') + "\xC3\xA9" + std::string(4'000'000, 'x') +
             "\"]}",
         "Unknown day \"" + std::string(79, 'x') + "\xC3\xA9\xE2\x80\xA6\" in the field \"days\"."},
        {head + R"("people": ["Ann", "Ben"], "keepApart": [["Ann", "Zed"]]})",
         "The name \"Zed\" in the field \"keepApart\" is not among the plan's people."},
        {head + R"("keepApart": [["Ann", "Ben"]], "people": ["ann", "Ben"]})",
         "The name \"Ann\" in the field \"keepApart\" is not among the plan's people."},
        {head + R"("people": ["Ann", "Ben"], "keepApart": [["Ann", "Ben", "Ann"]]})",
         "The field \"keepApart\" must be a list of pairs of names."},
        {head + R"("people": ["Ann"], "keepApart": ["Ann"]})",
         "The field \"keepApart\" must be a list of texts."},
        {head + R"("season": []})",
         "The field \"season\" must hold the duties and meals of each person by name."},
        {head + R"("season": {"Ann": 4}})",
         "The field \"season.Ann\" must hold the duties and meals of each person by name."},
        {head + R"("season": {"Ann": {"duties": -1}}})",
         "The number -1 in the field \"season.Ann.duties\" is not from 0 to 1000000."},
        {head + R"("season": {"Ann": {"meals": 2.5}}})",
         "The field \"season.Ann.meals\" must be a whole number."},
    };
    for (const auto& c : cases) {
        const PlanReadResult r = ParsePlanJson(c.bytes);
        EXPECT_FALSE(r.plan) << c.bytes.substr(0, 80);
        EXPECT_EQ(r.Message(), c.message) << c.bytes.substr(0, 80);
    }
}

// Catches: a season lost on the way through the file, an outing's duties or meals (away ones
// too) added to the wrong name or not at all, a third outing that forgets the first, totals on
// the roster that leave the past out, and a plan without a roster taken as an empty season.
TEST(SeasonRoundTrip, EachOutingAddsItsRosterToTheSeasonItCarriesOn) {
    TempDir dir;
    PlanFile plan;
    plan.List(PlanList::People) = {"Ann", "Bob", "Cy"};
    plan.List(PlanList::Breakfasts) = plan.List(PlanList::Dinners) = {"Stew"};
    plan.days[5] = plan.days[6] = true;
    plan.mealTicks[5][2] = plan.mealTicks[6][0] = true; // Friday Dinner, Saturday Breakfast
    plan.crewSize = 1;
    plan.evenShares = true;
    plan.away = {{}, {}, MealSet{}.set(SlotIndex({Weekday::Friday, Meal::Dinner}))};
    const std::string path = dir / "outing.dutywise";
    ASSERT_FALSE(WritePlanFile(path, plan));
    EXPECT_EQ(ReadSeasonFrom(path).refusal.code, MessageCode::NoRosterKept);
    Season expected;
    for (int outing = 0; outing < 3; ++outing) {
        dutywise::testing::ScriptedClock clock(outing);
        Generator random(clock);
        plan.roster = DrawRoster(OutingPlanOf(plan), random);
        ASSERT_FALSE(WritePlanFile(path, plan));
        EXPECT_EQ(ReadPlanFile(path).plan, plan) << "outing " << outing;
        const std::vector<DutyCount> counts = CountDuties(*plan.roster);
        const std::vector<std::string> lines = DutyCountLines(*plan.roster);
        for (std::size_t i = 0; i < counts.size(); ++i) {
            SeasonCount& total = expected[plan.List(PlanList::People)[i]];
            total = {total.duties + counts[i].duties, total.meals + counts[i].mealsThere};
            EXPECT_EQ(lines[i].ends_with("; season total " + std::to_string(total.duties)),
                      outing > 0) << lines[i];
        }
        plan.season = ReadSeasonFrom(path).season.value_or(Season{});
        ASSERT_EQ(plan.season, expected) << "outing " << outing;
        plan.List(PlanList::People) = {"Dee", "Ann", "Bob"}; // Cy gone, Dee new
        plan.away.clear();
    }
    EXPECT_EQ(expected["Cy"].meals, 1);
    int duties = 0;
    for (const auto& [name, count] : expected)
        duties += count.duties;
    EXPECT_EQ(duties, 3 * 2 * 2);
}

TEST(PlanFileRead, FileProblemsNameTheFileAndGiveTheReason) {
    TempDir dir;
    const std::string missing = dir / "gone.dutywise";
    EXPECT_EQ(ReadPlanFile(missing).Message(),
              "Cannot open plan \"" + missing + "\". No such file or directory.");
    EXPECT_EQ(ReadPlanFile(dir.path().string()).Message(),
              "Cannot open plan \"" + dir.path().string() + "\". It is a folder, not a plan.");

    // Over the limit by one byte: refused before it is parsed.
    const std::string big = dir / "big.dutywise";
    WriteFileBytes(big, std::string(kMaxPlanFileBytes + 1, ' '));
    EXPECT_EQ(ReadPlanFile(big).Message(), "Cannot open plan \"" + big +
                                             "\". The file is larger than 16 MiB; a plan is far "
                                             "smaller.");

    const std::string fifo = dir / "pipe.dutywise";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(ReadPlanFile(fifo).Message(),
              "Cannot open plan \"" + fifo + "\". It is not a plain file.");

    const std::string newer = dir / "newer.dutywise";
    WriteFileBytes(newer, R"({"format": "dutywise-plan", "version": 3})");
    EXPECT_EQ(ReadPlanFile(newer).Message(),
              "Cannot open plan \"" + newer +
                  "\". This plan was written by a newer Dutywise (version 3).");
}

// Root reads any file, so this case runs again in a child without the override.
TEST(PlanFileRead, UnreadableFileGivesPermissionDenied) {
    if (geteuid() == 0 && !std::getenv("DUTYWISE_NO_DAC")) {
        const std::string self = std::filesystem::read_symlink("/proc/self/exe");
        const std::string command =
            "DUTYWISE_NO_DAC=1 setpriv --bounding-set=-dac_override,-dac_read_search '" + self +
            "' --gtest_filter=PlanFileRead.UnreadableFileGivesPermissionDenied 2>&1";
        std::string output;
        if (FILE* child = popen(command.c_str(), "r")) {
            char buffer[4096];
            while (const std::size_t n = fread(buffer, 1, sizeof buffer, child))
                output.append(buffer, n);
            EXPECT_EQ(pclose(child), 0) << output;
        }
        // The child ran this very case, and it passed.
        EXPECT_NE(output.find("[  PASSED  ] 1 test."), std::string::npos) << output;
        return;
    }
    TempDir dir;
    const std::string path = dir / "locked.dutywise";
    WriteFileBytes(path, R"({"format": "dutywise-plan", "version": 1})");
    ASSERT_EQ(chmod(path.c_str(), 0), 0);
    EXPECT_EQ(ReadPlanFile(path).Message(), "Cannot open plan \"" + path + "\". Permission denied.");
}
