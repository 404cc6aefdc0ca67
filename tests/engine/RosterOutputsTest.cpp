// The sheets, the calendar and the spreadsheet written from a roster value, read back by
// independent readers: python3-icalendar for the calendar, LibreOffice Calc for the spreadsheet.
// Both are test tools: with CI=true a missing one fails the test, elsewhere it is skipped.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <set>
#include <tuple>

#include "Abiword.h"
#include "CalendarFile.h"
#include "DocumentTools.h"
#include "MemoryDocument.h"
#include "RosterSamples.h"
#include "RosterSheets.h"
#include "Spreadsheet.h"

using namespace dutywise;
using dutywise::testing::MakeRoster;
using dutywise::testing::ReadFileBytes;
using dutywise::testing::TempDir;
using dutywise::testing::WriteFileBytes;

namespace {

// The reader's JSON for the file, or why there is none.
nlohmann::json ReadBack(const char* kind, const std::string& file, std::string& error) {
    TempDir tmp;
    const std::string out = tmp / "out.json";
    const std::string command = std::string("/usr/bin/python3 '") + DUTYWISE_READ_OUTPUTS + "' " +
                                kind + " '" + file + "' >'" + out + "' 2>&1";
    if (std::system(command.c_str()) != 0) {
        error = ReadFileBytes(out);
        return {};
    }
    return nlohmann::json::parse(ReadFileBytes(out));
}

#define REQUIRE_TOOL(check, why)                                                                   \
    do {                                                                                           \
        if (std::system(check " >/dev/null 2>&1") != 0) {                                          \
            if (::dutywise::testing::RunningInCi())                                                \
                FAIL() << why;                                                                     \
            GTEST_SKIP() << why;                                                                   \
        }                                                                                          \
    } while (0)

// Fault: a duty missing from the slips, listed twice, or under the wrong meal or crew.
TEST(DutySlips, EachPlaceIsOneLineOnItsHoldersSlipInTheOutingsOrder) {
    for (std::uint64_t seed = 1; seed <= 40; ++seed) {
        const Roster r = MakeRoster({"Ann", "Ben", "Cy", "Dee", "Eve", "Finn"}, 1 + seed % 7,
                                    1 + static_cast<int>(seed % 5), seed);
        const std::vector<DutySlip> slips = MakeDutySlips(r, EnglishRosterWords());
        ASSERT_EQ(slips.size(), r.people.size());
        std::vector<std::size_t> next(r.people.size(), 0);
        for (const RosterMeal& meal : r.meals)
            for (const auto& [crew, duty] :
                 {std::pair{&meal.cooks, "cook"}, std::pair{&meal.cleanup, "clean-up"}})
                for (const CrewPlace& place : *crew) {
                    const DutySlip& slip = slips[static_cast<std::size_t>(place.person)];
                    std::size_t& at = next[static_cast<std::size_t>(place.person)];
                    ASSERT_LT(at, slip.duties.size()) << "seed " << seed << ": " << slip.name;
                    const std::string expected =
                        DayHeading(EnglishRosterWords(), meal.slot.day, meal.date) + ", " +
                        EnglishRosterWords().MealName(meal.slot.meal) + ": " + duty;
                    EXPECT_EQ(slip.duties[at].substr(0, expected.size()), expected)
                        << "seed " << seed;
                    // "with" the rest of the crew, if any
                    EXPECT_EQ(slip.duties[at++].find(", with ") == std::string::npos,
                              crew->size() == 1);
                }
        for (std::size_t p = 0; p < slips.size(); ++p)
            EXPECT_EQ(next[p], slips[p].duties.size()) << "seed " << seed << ": extra lines";
    }
}

// Fault: a meal in the wrong column or row, a row for a meal nobody eats, the count of those
// there shown when nobody is away.
TEST(NoticeBoard, CellsFollowTheOutingsDaysAndTheMealsEaten) {
    Roster r = MakeRoster({"Ann", "Ben", "Cy"}, 3, 1, 7); // Friday to Sunday
    r.meals.erase(std::remove_if(r.meals.begin(), r.meals.end(),
                                 [](const RosterMeal& m) {
                                     return m.slot.meal == Meal::Lunch ||
                                            m.slot.day == Weekday::Saturday;
                                 }),
                  r.meals.end());
    r.meals[0].there = {0, 1, 2};
    r.meals[1].there = {0, 2};
    const NoticeBoard board = MakeNoticeBoard(r, EnglishRosterWords());
    EXPECT_EQ(board.title, "Spring Camp \u2013 Eagle");
    EXPECT_EQ(board.days,
              (std::vector<std::string>{"Friday 11 June", "Saturday 12 June", "Sunday 13 June"}));
    EXPECT_EQ(board.meals, (std::vector<std::string>{"Breakfast", "Dinner"}));
    EXPECT_TRUE(board.cells[0][1].empty());  // Saturday has no meals
    EXPECT_EQ(board.cells[0][0].size(), 3u); // all there
    EXPECT_EQ(board.cells[1][0].back(), "2 there");
    EXPECT_EQ(board.cells[1][2][0], "Cook: " + CrewText(r, r.meals[3].cooks));
}

// Fault: an .ics that does not parse, events that do not match the meals, UIDs that change
// with a redraw (a second import would duplicate) or that two meals share.
TEST(Calendar, IndependentReaderFindsOneEventPerMealWithStableUids) {
    REQUIRE_TOOL("/usr/bin/python3 -c 'import icalendar'",
                 "python3-icalendar is not installed (scripts/install-deps installs it)");
    const Roster r =
        MakeRoster({"Zo\u00eb", "\u738b\u5c0f\u660e", "Ann; Lee", "Ben, Jr.", "Cy \\ \"Doc\""}, 7,
                   2, 11, CalendarDate{2027, 12, 29}); // across the new year
    TempDir dir;
    std::string ics;
    ASSERT_FALSE(WriteRosterCalendar(r, EnglishRosterWords(), 1800000000, ics));
    WriteFileBytes(dir / "camp.ics", ics);
    std::string error;
    const nlohmann::json read = ReadBack("ics", dir / "camp.ics", error);
    ASSERT_TRUE(error.empty()) << error << ics;
    EXPECT_EQ(read["version"], "2.0");
    const auto& events = read["events"];
    ASSERT_EQ(events.size(), r.meals.size());
    std::set<std::string> uids;
    for (std::size_t i = 0; i < r.meals.size(); ++i) {
        const RosterMeal& meal = r.meals[i];
        const auto& e = events[i];
        const std::string day = IsoDate(*meal.date) + "T";
        const char* times[][2] = {{"07:30", "08:30"}, {"12:30", "13:30"}, {"18:30", "19:30"}};
        EXPECT_EQ(e["start"], day + times[static_cast<int>(meal.slot.meal)][0] + ":00");
        EXPECT_EQ(e["end"], day + times[static_cast<int>(meal.slot.meal)][1] + ":00");
        EXPECT_EQ(e["summary"], EnglishRosterWords().MealName(meal.slot.meal) + " (Spring Camp)");
        EXPECT_EQ(e["description"].get<std::string>().rfind(
                      "Cook: " + CrewText(r, meal.cooks) +
                          "\nCleanup: " + CrewText(r, meal.cleanup) + "\nMeal: " + meal.dish,
                      0),
                  0u);
        EXPECT_EQ(e["uid"], CalendarUid(r, meal));
        uids.insert(e["uid"]);
    }
    EXPECT_EQ(uids.size(), r.meals.size());
    EXPECT_EQ(events[0]["stamp"], "2027-01-15T08:00:00+00:00");
    // Redrawn: other crews, the same events.
    const Roster redrawn = MakeRoster(r.people, 7, 2, 99, CalendarDate{2027, 12, 29});
    for (std::size_t i = 0; i < r.meals.size(); ++i)
        EXPECT_EQ(CalendarUid(redrawn, redrawn.meals[i]), CalendarUid(r, r.meals[i]));
    Roster otherPatrol = r;
    otherPatrol.patrolName = "Owl";
    EXPECT_NE(CalendarUid(otherPatrol, r.meals[0]), CalendarUid(r, r.meals[0]));
    // Without a start date there are no dates to put events on.
    std::string none;
    EXPECT_EQ(WriteRosterCalendar(MakeRoster(r.people, 2, 1, 5, std::nullopt),
                                  EnglishRosterWords(), 0, none)
                  ->code,
              MessageCode::NoStartDate);
}

// Fault: a cell lost or changed on LibreOffice's read-back (accents, separators, quotes, line
// breaks), or a name run as a formula.
TEST(Spreadsheet, LibreOfficeCalcReadsEveryCellBack) {
    REQUIRE_TOOL("command -v soffice",
                 "soffice is not installed (scripts/install-deps installs it)");
    Roster r = MakeRoster(
        {"Zo\u00eb", "\u738b\u5c0f\u660e", "Ann, Lee", "Ben \"Bo\" Ray", "Two\nLines", "=1+1"}, 2,
        2, 21);
    r.meals[0].dish = "Cr\u00eapes; jam, \"fresh\"";
    TempDir dir;
    const std::string csv = WriteRosterCsv(r, EnglishRosterWords());
    ASSERT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF");
    WriteFileBytes(dir / "roster.csv", csv);
    TempDir home;
    // As a spreadsheet program opens it: UTF-8, comma-separated, double quotes.
    const std::string command =
        "cd '" + home.path().string() + "' && env -u DISPLAY HOME='" + home.path().string() +
        "' timeout 180 soffice --headless --norestore --infilter=CSV:44,34,76,1 "
        "--convert-to fods --outdir '" +
        dir.path().string() + "' '" + (dir / "roster.csv") + "' >/dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0);
    std::string error;
    const nlohmann::json rows = ReadBack("fods", dir / "roster.fods", error);
    ASSERT_TRUE(error.empty()) << error;

    std::vector<std::vector<std::string>> expected{
        {"Date", "Day", "Meal", "Duty", "Names", "Dish"}};
    for (const RosterMeal& m : r.meals)
        for (const auto& [duty, crew] :
             {std::pair{"cook", &m.cooks}, std::pair{"clean-up", &m.cleanup}}) {
            std::string names = CrewText(r, *crew);
            if (names.front() == '=')
                names.insert(0, "'"); // never a formula
            expected.push_back({IsoDate(*m.date), EnglishRosterWords().DayName(m.slot.day),
                                EnglishRosterWords().MealName(m.slot.meal), duty, names, m.dish});
        }
    ASSERT_EQ(rows.size(), expected.size()) << rows.dump(1);
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(rows[i].get<std::vector<std::string>>(), expected[i]) << "row " << i;
}

// Fault: a typed extension ignored, or the wrong one added; a sheet written with nothing to
// write it from, over the old file.
TEST(SaveTypes, TypedExtensionsDecideAndRefusalsLeaveTheOldFile) {
    const struct {
        const char* name;
        SaveFormat chosen, written;
        const char* path;
    } cases[] = {
        {"week.ICS", SaveFormat::RichText, SaveFormat::Calendar, "week.ICS"},
        {"week.csv", SaveFormat::Pdf, SaveFormat::Spreadsheet, "week.csv"},
        {"week.pdf", SaveFormat::NoticeBoard, SaveFormat::NoticeBoard, "week.pdf"},
        {"week.PDF", SaveFormat::RichText, SaveFormat::Pdf, "week.PDF"},
        {"dir.csv/week", SaveFormat::Calendar, SaveFormat::Calendar, "dir.csv/week.ics"},
        {"week", SaveFormat::DutySlips, SaveFormat::DutySlips, "week.pdf"},
        {".csv", SaveFormat::Spreadsheet, SaveFormat::Spreadsheet, ".csv.csv"},
    };
    for (const auto& c : cases) {
        const SaveFormat format = FormatForName(c.name, c.chosen);
        EXPECT_EQ(format, c.written) << c.name;
        EXPECT_EQ(WithDefaultExtension(c.name, format), c.path) << c.name;
    }

    class Target : public SaveTarget {
    public:
        std::optional<SaveChoice> AskFileName() override { return choice; }
        SaveChoice choice;
    } target;
    class NoPdf : public PdfService {
        std::optional<std::string> MakePdf(const std::vector<Paragraph>&, const std::string&,
                                           std::string&) override {
            return "unused";
        }
    } pdf;
    TempDir dir;
    MemoryDocument doc;
    const Roster undated = MakeRoster({"Ann", "Ben"}, 2, 1, 1, std::nullopt);
    WriteFileBytes(dir / "old.ics", "old");
    for (const auto& [roster, format, code] :
         {std::tuple{static_cast<const Roster*>(nullptr), SaveFormat::Spreadsheet,
                     MessageCode::NoBuiltRoster},
          std::tuple{&undated, SaveFormat::Calendar, MessageCode::NoStartDate}}) {
        target.choice = {dir / "old", format};
        const SaveResult result =
            SaveRoster(RosterSources{doc, roster, "Eagle"}, target, pdf, EnglishRosterWords(), 0);
        EXPECT_EQ(result.status, SaveResult::Status::Failed);
        EXPECT_EQ(result.refusal.code, code);
        EXPECT_EQ(result.refusal.action, FileAction::CreateFile);
        EXPECT_EQ(result.refusal.file, result.path);
    }
    EXPECT_EQ(ReadFileBytes(dir / "old.ics"), "old");
    EXPECT_FALSE(std::filesystem::exists(dir / "old.csv"));
}

} // namespace
