#pragma once
// The rules a crew should keep, checked on a roster as it stands (drawn or changed by hand).
// A broken rule is a warning, not a refusal: the leader may keep a crew that breaks one. The
// words for each code are made by the window, in its language.

#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "Roster.h"

namespace dutywise {

enum class RuleCode {
    Away,           // on a crew of a meal the person is away for
    TwiceInOneCrew, // two places of one crew
    OnBothCrews,    // cook and clean-up at the same meal
    DutyBefore,     // on a crew of the meal before as well (the previous meal of the roster)
    KeptApart,      // in this meal's crews with somebody the leader keeps apart from them
};

struct BrokenRule {
    RuleCode code{};
    int person = 0; // list position in Roster::people
    int other = -1; // KeptApart: the other of the pair, who stands later in the meal

    friend bool operator==(const BrokenRule&, const BrokenRule&) = default;
};

// The rules the crews of `roster.meals[meal]` break, each rule and person once: in the order of
// the codes above, and within a code in the order the person first stands in the meal (cooks,
// then clean-up). Places outside the people list are ignored; a meal out of range breaks none.
// `keptApart` holds pairs of names as a plan does: a name stands for every person of that name,
// and each two people of the meal that a pair names are one KeptApart, either way round.
std::vector<BrokenRule> BrokenRules(const Roster& roster, std::size_t meal,
                                    const std::vector<std::array<std::string, 2>>& keptApart = {});

} // namespace dutywise
