#pragma once
// Turns an outing plan into a complete roster document.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "BuildHost.h"
#include "OutingPlan.h"
#include "Random.h"
#include "Roster.h"
#include "RosterDocument.h"

namespace dutywise {

// The one-time advice about a short people list lives for the whole run; the wizard owns it.
struct AdviceFlag {
    bool shown = false;
};

// The plan that reveals the hidden picture: every text compared exactly, case included.
namespace hidden_picture {
inline constexpr std::string_view kOutingName = "Moonlight Hike!"; // 15 characters
inline constexpr std::string_view kPatrolName = "Falcons";         // 7 characters
inline constexpr std::array<std::string_view, 4> kFirstPeople = {"A", "Nora", "Ben", "Eli"};
inline constexpr std::string_view kFirstDinner = "Stew"; // ticked on Friday too
inline constexpr std::string_view kMessage = "You found the hidden picture!"; // in English
} // namespace hidden_picture

// Draws the roster of a plan that passes the build's checks: its meals in the outing's order,
// each with its crews, dish and the people there. The places that `previous` set by hand are kept
// where they still fit (the same meal and place, the same person by name, there for that meal);
// the draw runs around them.
Roster DrawRoster(const OutingPlan& plan, Generator& random, const Roster* previous = nullptr);

// Runs the hidden-picture check, the validation, the draw, the writing of the document and the
// closing message, and gives the roster drawn. A refusal (or the hidden picture) gives nothing
// and leaves the document and the plan as they were. `previous` as for DrawRoster: Regenerate
// hands in the roster on show, Build nothing.
std::optional<Roster> BuildRoster(const OutingPlan& plan, RosterDocument& doc, BuildHost& host,
                                  Generator& random, AdviceFlag& advice,
                                  const Roster* previous = nullptr);

// The refusal of a meal that fewer people than a crew are there for, the day and the meal named
// as a sentence names them.
std::string ShortMealMessage(MealSlot slot, const RosterWords& words);

} // namespace dutywise
