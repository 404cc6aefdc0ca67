#pragma once
// An outing plan kept in a file: everything the wizard holds before a build (more than the
// OutingPlan the build reads: the lists' Sorted ticks too), written as UTF-8 JSON.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "EngineMessage.h"
#include "OutingPlan.h"
#include "Roster.h"

namespace dutywise {

inline constexpr const char* kPlanFormat = "dutywise-plan"; // the "format" field
inline constexpr int kPlanVersion = 1;                      // the "version" this program writes
inline constexpr std::uintmax_t kMaxPlanFileBytes = 16u * 1024u * 1024u;

// The six lists, in the order the wizard shows them.
enum class PlanList { People, Breakfasts, Lunches, Dinners, Snacks, Drinks };
inline constexpr int kPlanLists = 6;
// Every list once, in that order: the one table that file and wizard walk.
inline constexpr std::array<PlanList, kPlanLists> kAllPlanLists{
    PlanList::People,  PlanList::Breakfasts, PlanList::Lunches,
    PlanList::Dinners, PlanList::Snacks,     PlanList::Drinks};
const char* PlanListKey(PlanList list); // "people", "breakfasts", ... as the file names them

struct PlanFile {
    std::string outingName;
    std::string patrolName;
    std::array<std::vector<std::string>, kPlanLists> lists;  // indexed by PlanList
    std::array<bool, kPlanLists> sorted{};                   // each list's Sorted tick
    std::array<bool, kDays> days{};                          // Sunday first
    std::array<std::array<bool, kMeals>, kDays> mealTicks{}; // [day][meal], also on unticked days
    int crewSize = kDefaultCrewSize;                         // 1..5
    bool evenShares = false;
    // The meals each person is away from, one entry per person; empty when nobody is away.
    std::vector<MealSet> away;
    // The outing's first day, when the leader gave one.
    std::optional<CalendarDate> startDate;
    // The roster drawn last, when one was built. It is written only while it fits the plan (its
    // names among the people, its meals ticked), so that whatever is written can be read back.
    std::optional<Roster> roster;
    // Pairs of people, by name, kept out of one meal's crews; every name is among the people.
    std::vector<std::array<std::string, 2>> keepApart;
    // The season's earlier outings, by name: duties done and meals there before this outing.
    Season season;

    std::vector<std::string>& List(PlanList list) { return lists[static_cast<std::size_t>(list)]; }
    const std::vector<std::string>& List(PlanList list) const {
        return lists[static_cast<std::size_t>(list)];
    }
    bool& Sorted(PlanList list) { return sorted[static_cast<std::size_t>(list)]; }
    bool Sorted(PlanList list) const { return sorted[static_cast<std::size_t>(list)]; }

    friend bool operator==(const PlanFile&, const PlanFile&) = default;
};

// The outcome of reading a plan: the plan, or why it was refused.
struct PlanReadResult {
    std::optional<PlanFile> plan;
    EngineMessage refusal; // when there is no plan

    // The refusal in English; empty when the plan was read.
    std::string Message() const { return plan ? std::string() : EnglishMessage(refusal); }
};

// The outing plan a build would read from this plan.
OutingPlan OutingPlanOf(const PlanFile& plan);

// The file's bytes: stable key order, two-space indentation, a final line break.
std::string WritePlanJson(const PlanFile& plan);

// Reads a plan from the file's bytes. Missing fields keep their start values and unknown ones
// are ignored; anything else that does not fit is refused with a code saying why. Nothing
// is thrown: every fault of the bytes, however odd, becomes such a refusal.
PlanReadResult ParsePlanJson(std::string_view bytes);

// Reads the plan file at `path`. Every refusal names the file; a system failure gives its reason.
PlanReadResult ReadPlanFile(const std::string& path);

// The season an outing after the plan at `path` carries on: the plan's own season with its
// roster's duties and meals added. A plan that kept no roster is refused, as is one that cannot
// be read; every refusal names the file.
struct SeasonReadResult {
    std::optional<Season> season;
    EngineMessage refusal; // when there is no season
};
SeasonReadResult ReadSeasonFrom(const std::string& path);

// Writes the plan through WriteFileAtomically: the refusal on failure, nothing on success.
std::optional<EngineMessage> WritePlanFile(const std::string& path, const PlanFile& plan);

} // namespace dutywise
