#include "RosterBuild.h"

#include <algorithm>
#include <optional>
#include <string>

#include "CrewDraw.h"
#include "RosterWriter.h"
#include "Roster.h"

namespace dutywise {

namespace {

bool HiddenPictureFound(const OutingPlan& plan) {
    using namespace hidden_picture;
    if (plan.outingName != kOutingName || plan.patrolName != kPatrolName)
        return false;
    if (plan.people.size() < kFirstPeople.size())
        return false;
    if (!std::equal(kFirstPeople.begin(), kFirstPeople.end(), plan.people.begin()))
        return false;
    if (!plan.Ticked({Weekday::Friday, Meal::Dinner}))
        return false;
    return !plan.dinners.empty() && plan.dinners.front() == kFirstDinner;
}

// A meal is required when any of its seven ticks is on, whether or not its day is ticked.
bool AnyTick(const OutingPlan& plan, Meal meal) {
    return std::any_of(plan.mealTicks.begin(), plan.mealTicks.end(),
                       [meal](const auto& day) { return day[static_cast<int>(meal)]; });
}

// The refusal for an empty meal list, or nothing when the meal can be served.
const std::string* MissingMealMessage(const OutingPlan& plan, Meal meal, const RosterWords& words) {
    if (!AnyTick(plan, meal) || !plan.MealList(meal).empty())
        return nullptr;
    return &words.missingMeal[static_cast<int>(meal)];
}

// The first active meal, in the outing's order, with fewer people there than a crew needs.
std::optional<MealSlot> ShortMeal(const OutingPlan& plan) {
    for (const MealSlot slot : OutingMeals(plan)) {
        long long there = 0;
        for (std::size_t i = 0; i < plan.people.size(); ++i)
            there += plan.There(i, slot) ? 1 : 0;
        if (there < plan.crewSize)
            return slot;
    }
    return std::nullopt;
}

} // namespace

std::string ShortMealMessage(MealSlot slot, const RosterWords& words) {
    return FillIn(words.shortMeal, {words.dayNamesInSentence[static_cast<int>(slot.day)],
                                    words.mealNamesInSentence[static_cast<int>(slot.meal)]});
}

namespace {

// Shows the reason when the plan cannot be built; true when it can.
bool Validate(const OutingPlan& plan, BuildHost& host, AdviceFlag& advice) {
    const RosterWords& words = host.Words();
    if (plan.outingName.empty()) {
        host.ShowMessage(words.noOutingName);
        return false;
    }
    const std::size_t people = plan.people.size();
    if (static_cast<long long>(people) < plan.crewSize) {
        host.ShowMessage(words.tooFewPeople);
        return false;
    }
    if (!advice.shown && people >= 1 && people <= 4) {
        host.ShowMessage(words.moreNamesAdvice);
        advice.shown = true;
    }
    for (Meal meal : {Meal::Breakfast, Meal::Lunch, Meal::Dinner}) {
        if (const std::string* message = MissingMealMessage(plan, meal, words)) {
            host.ShowMessage(*message);
            return false;
        }
    }
    if (const auto slot = ShortMeal(plan)) {
        host.ShowMessage(ShortMealMessage(*slot, words));
        return false;
    }
    return true;
}

// The person a place set by hand in `previous` keeps in the new draw, or -1 to draw it: the same
// entry when it still has that name, else the first entry of that name; only someone there.
int KeptPerson(const OutingPlan& plan, const Roster& previous, const CrewPlace& place,
               const std::vector<int>& there) {
    if (!place.byHand || place.person < 0 ||
        static_cast<std::size_t>(place.person) >= previous.people.size())
        return -1;
    const std::string& name = previous.people[static_cast<std::size_t>(place.person)];
    int person = -1;
    if (static_cast<std::size_t>(place.person) < plan.people.size() &&
        plan.people[static_cast<std::size_t>(place.person)] == name)
        person = place.person;
    else if (const auto it = std::find(plan.people.begin(), plan.people.end(), name);
             it != plan.people.end())
        person = static_cast<int>(it - plan.people.begin());
    return std::binary_search(there.begin(), there.end(), person) ? person : -1;
}

// The kept person of each of a crew's places; empty when nothing is kept.
std::vector<int> KeptPlaces(const OutingPlan& plan, const Roster* previous, MealSlot slot,
                            Duty duty, const std::vector<int>& there) {
    std::vector<int> kept;
    if (!previous)
        return kept;
    const auto meal = std::find_if(previous->meals.begin(), previous->meals.end(),
                                   [slot](const RosterMeal& m) { return m.slot == slot; });
    if (meal == previous->meals.end())
        return kept;
    const std::vector<CrewPlace>& crew = duty == Duty::Cook ? meal->cooks : meal->cleanup;
    bool any = false;
    for (std::size_t i = 0; i < crew.size() && i < static_cast<std::size_t>(plan.crewSize); ++i) {
        kept.push_back(KeptPerson(plan, *previous, crew[i], there));
        any = any || kept.back() >= 0;
    }
    if (!any)
        kept.clear();
    return kept;
}

std::vector<CrewPlace> Places(const std::vector<int>& crew, const std::vector<int>& kept) {
    std::vector<CrewPlace> places;
    places.reserve(crew.size());
    for (std::size_t i = 0; i < crew.size(); ++i)
        places.push_back({crew[i], i < kept.size() && kept[i] >= 0});
    return places;
}

} // namespace

Roster DrawRoster(const OutingPlan& plan, Generator& random, const Roster* previous) {
    Roster roster = RosterOfPlan(plan);

    random.ReseedFromClock();
    DrawState state;
    PrepareEvenDraw(plan, state);
    // The even-shares draw takes the whole outing at once, ahead of the dishes, around the
    // places set by hand.
    if (plan.evenShares) {
        for (const MealSlot slot : state.Order) {
            const std::vector<int> there = PeopleThere(plan, slot);
            state.KeptCooks.push_back(KeptPlaces(plan, previous, slot, Duty::Cook, there));
            state.KeptCleanup.push_back(KeptPlaces(plan, previous, slot, Duty::Cleanup, there));
        }
        PlanEvenDraw(plan, state, random);
    }
    std::size_t t = 0;
    for (const RosterDay& day : roster.days) {
        for (Meal meal : {Meal::Breakfast, Meal::Lunch, Meal::Dinner}) {
            const MealSlot slot{day.day, meal};
            if (!plan.Ticked(slot))
                continue;
            RosterMeal& drawn = roster.meals.emplace_back();
            drawn.slot = slot;
            drawn.date = day.date;
            drawn.there = PeopleThere(plan, slot);
            for (const Duty duty : {Duty::Cook, Duty::Cleanup}) {
                const bool cook = duty == Duty::Cook;
                if (plan.evenShares) {
                    (cook ? drawn.cooks : drawn.cleanup) =
                        Places(cook ? state.PlannedCooks[t] : state.PlannedCleanup[t],
                               cook ? state.KeptCooks[t] : state.KeptCleanup[t]);
                    continue;
                }
                const std::vector<int> kept = KeptPlaces(plan, previous, slot, duty, drawn.there);
                const std::vector<int> crew =
                    DrawCrewPlaces(drawn.there, plan.crewSize, state, random, kept);
                (cook ? drawn.cooks : drawn.cleanup) = Places(crew, kept);
            }
            ++t;
            drawn.dish = PickMeal(plan.MealList(meal), random);
        }
    }
    return roster;
}

std::optional<Roster> BuildRoster(const OutingPlan& plan, RosterDocument& doc, BuildHost& host,
                                  Generator& random, AdviceFlag& advice, const Roster* previous) {
    if (HiddenPictureFound(plan)) {
        host.ShowMessage(host.Words().hiddenPicture);
        host.ShowHiddenPicture();
        return std::nullopt;
    }
    if (!Validate(plan, host, advice))
        return std::nullopt;
    // Cleared before the draw, so that the roster's texts take the room the old lines leave.
    doc.ClearDocument();
    host.HideNotice();
    // The gauge's steps as the writing of the title always advanced it.
    for (const int step : {5, 1, 1, 1})
        host.AdvanceGauge(step);
    Roster roster = DrawRoster(plan, random, previous);
    WriteRosterDocument(roster, doc, host.Words());
    host.ShowMessage(host.Words().completed);
    return roster;
}

} // namespace dutywise
