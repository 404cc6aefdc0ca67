#include "CrewDraw.h"

#include <algorithm>
#include <cstddef>

namespace dutywise {

namespace {

int DrawBelow(int n, Generator& random) {
    return static_cast<int>(random.Draw(n));
}

// An empty first name leaves the text empty, so no separator goes before the next one.
void AppendName(std::string& crew, const std::string& name) {
    if (!crew.empty())
        crew += ", ";
    crew += name;
}

int At(const std::vector<int>& counts, int person) {
    const auto i = static_cast<std::size_t>(person);
    return i < counts.size() ? counts[i] : 0;
}

} // namespace

int DrawPerson(int n, DrawState& state, Generator& random) {
    int x = DrawBelow(n, random);
    if (x == state.PreviousPick) {
        // No other index exists for one person, and with two people the rule would need one
        // that is neither the previous pick (1) nor 0. The draw must still end: it yields 0.
        if (n <= 1 || (n == 2 && state.PreviousPick == 1)) {
            state.PreviousPick = 0;
            return 0;
        }
        do {
            x = DrawBelow(n, random);
        } while (x == state.PreviousPick);
        // The first entry may only come from a first draw.
        if (x == 0) {
            do {
                x = DrawBelow(n, random);
            } while (x == state.PreviousPick || x == 0);
        }
    }
    state.PreviousPick = x;
    return x;
}

int DrawPersonThere(const std::vector<int>& there, DrawState& state, Generator& random) {
    // The people there are in list order, so the previous pick is found by halving.
    const auto previous = std::lower_bound(there.begin(), there.end(), state.PreviousPick);
    const bool previousThere = previous != there.end() && *previous == state.PreviousPick;
    state.PreviousPick = previousThere ? static_cast<int>(previous - there.begin()) : -1;
    const int x = DrawPerson(static_cast<int>(there.size()), state, random);
    state.PreviousPick = there[static_cast<std::size_t>(x)];
    return state.PreviousPick;
}

namespace {
// The person a place keeps, or -1 when the place is drawn.
int KeptAt(const std::vector<int>& kept, int position) {
    const auto i = static_cast<std::size_t>(position);
    return i < kept.size() ? kept[i] : -1;
}
} // namespace

std::vector<int> DrawCrewPlaces(const std::vector<int>& there, int crewSize, DrawState& state,
                                Generator& random, const std::vector<int>& kept) {
    std::vector<int> crew;
    if (there.empty())
        return crew;
    crew.reserve(static_cast<std::size_t>(std::max(crewSize, 0)));
    for (int position = 0; position < crewSize; ++position) {
        if (const int person = KeptAt(kept, position); person >= 0) {
            state.PreviousPick = person;
            crew.push_back(person);
        } else {
            crew.push_back(DrawPersonThere(there, state, random));
        }
    }
    return crew;
}

std::string CrewNames(const std::vector<std::string>& people, const std::vector<int>& crew) {
    std::string text;
    for (int person : crew)
        AppendName(text, people[static_cast<std::size_t>(person)]);
    return text;
}

std::string DrawCrew(const std::vector<std::string>& people, const std::vector<int>& there,
                     int crewSize, DrawState& state, Generator& random) {
    return CrewNames(people, DrawCrewPlaces(there, crewSize, state, random));
}

std::string DrawCrew(const std::vector<std::string>& people, int crewSize, DrawState& state,
                     Generator& random) {
    std::vector<int> everybody(people.size());
    for (std::size_t i = 0; i < everybody.size(); ++i)
        everybody[i] = static_cast<int>(i);
    return DrawCrew(people, everybody, crewSize, state, random);
}

std::vector<int> PeopleThere(const OutingPlan& plan, MealSlot slot) {
    std::vector<int> there;
    there.reserve(plan.people.size());
    for (std::size_t i = 0; i < plan.people.size(); ++i)
        if (plan.There(i, slot))
            there.push_back(static_cast<int>(i));
    return there;
}

void CountMealsThere(const OutingPlan& plan, DrawState& state) {
    state.MealsThere.assign(plan.people.size(), 0);
    state.Meals = 0;
    for (int d = 0; d < kDays; ++d) {
        for (int m = 0; m < kMeals; ++m) {
            const MealSlot slot{static_cast<Weekday>(d), static_cast<Meal>(m)};
            if (!plan.Active(slot))
                continue;
            ++state.Meals;
            for (std::size_t i = 0; i < plan.people.size(); ++i)
                state.MealsThere[i] += plan.There(i, slot) ? 1 : 0;
        }
    }
}

void EvenShareCandidates(const std::vector<int>& there, const std::vector<int>& crew, Duty duty,
                         DrawState& state) {
    std::vector<int>& candidates = state.Candidates;
    candidates.clear();
    if (there.empty())
        return;
    // The widening steps, by list position: 0 free, 1 already in the crew, 2 drawn last. The
    // lowest step anybody there stands on is the first step that allows somebody.
    std::vector<int>& steps = state.Steps;
    const auto size = static_cast<std::size_t>(*std::max_element(there.begin(), there.end())) + 1;
    steps.assign(size, 0);
    for (int person : crew)
        if (person >= 0 && static_cast<std::size_t>(person) < size)
            steps[static_cast<std::size_t>(person)] = 1;
    if (state.LastDrawn >= 0 && static_cast<std::size_t>(state.LastDrawn) < size)
        steps[static_cast<std::size_t>(state.LastDrawn)] = 2;

    // Each person there as a key: step, duties, meals there and duties of this kind, read once
    // so that the two passes below compare plain numbers.
    std::vector<ShareKey>& keys = state.Keys;
    keys.resize(there.size());
    const bool everyMeal = state.MealsThere.empty();
    for (std::size_t i = 0; i < there.size(); ++i) {
        const int person = there[i];
        const int duties = At(state.Duties, person);
        const int cooks = At(state.Cooks, person);
        keys[i] = {steps[static_cast<std::size_t>(person)], duties,
                   everyMeal ? 1 : std::max(At(state.MealsThere, person), 1),
                   duty == Duty::Cook ? cooks : duties - cooks};
    }
    // Whether a comes before b: a lower step, then a lower share (duties per meal there,
    // compared by cross multiplication), then fewer duties of this kind.
    // Written without branches: every draw weighs every person.
    const auto before = [](const ShareKey& a, const ShareKey& b) {
        const std::int64_t shareA = std::int64_t{a.duties} * b.meals;
        const std::int64_t shareB = std::int64_t{b.duties} * a.meals;
        return (a.step < b.step) |
               ((a.step == b.step) &
                ((shareA < shareB) | ((shareA == shareB) & (a.ofKind < b.ofKind))));
    };
    ShareKey best = keys.front();
    for (const ShareKey& key : keys)
        if (before(key, best))
            best = key;
    candidates.resize(there.size());
    std::size_t k = 0;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        candidates[k] = there[i];
        k += before(best, keys[i]) ? 0 : 1;
    }
    candidates.resize(k);
}

void EvenShareCandidates(int n, const std::vector<int>& crew, DrawState& state) {
    std::vector<int> everybody(static_cast<std::size_t>(std::max(n, 0)));
    for (std::size_t i = 0; i < everybody.size(); ++i)
        everybody[i] = static_cast<int>(i);
    EvenShareCandidates(everybody, crew, Duty::Cook, state);
}

int DrawEvenShare(const std::vector<int>& there, const std::vector<int>& crew, Duty duty,
                  DrawState& state, Generator& random) {
    if (there.empty())
        return 0;
    EvenShareCandidates(there, crew, duty, state);
    const int k = static_cast<int>(state.Candidates.size());
    const int x = state.Candidates[static_cast<std::size_t>(DrawBelow(k, random))];
    CountEvenShare(x, duty, state);
    return x;
}

void CountEvenShare(int person, Duty duty, DrawState& state) {
    const auto size = static_cast<std::size_t>(person) + 1;
    for (std::vector<int>* counts : {&state.Duties, &state.Cooks})
        if (counts->size() < size)
            counts->resize(size, 0);
    ++state.Duties[static_cast<std::size_t>(person)];
    if (duty == Duty::Cook)
        ++state.Cooks[static_cast<std::size_t>(person)];
    state.LastDrawn = person;
}

std::vector<int> DrawEvenCrewPlaces(const std::vector<int>& there, int crewSize, Duty duty,
                                    DrawState& state, Generator& random,
                                    const std::vector<int>& kept) {
    std::vector<int> crew;
    if (there.empty())
        return crew;
    crew.reserve(static_cast<std::size_t>(std::max(crewSize, 0)));
    for (int position = 0; position < crewSize; ++position) {
        if (const int person = KeptAt(kept, position); person >= 0) {
            CountEvenShare(person, duty, state);
            crew.push_back(person);
        } else {
            crew.push_back(DrawEvenShare(there, crew, duty, state, random));
        }
    }
    return crew;
}

std::string DrawEvenCrew(const std::vector<std::string>& people, const std::vector<int>& there,
                         int crewSize, Duty duty, DrawState& state, Generator& random) {
    return CrewNames(people, DrawEvenCrewPlaces(there, crewSize, duty, state, random));
}

std::vector<std::string> DutyCountLines(const std::vector<std::string>& people,
                                        const DrawState& state, const RosterWords& words) {
    std::vector<std::string> lines;
    lines.reserve(people.size());
    for (std::size_t i = 0; i < people.size(); ++i) {
        const int person = static_cast<int>(i);
        const int duties = At(state.Duties, person);
        const int cooks = At(state.Cooks, person);
        std::string line =
            FillIn(words.dutyCountLine, {people[i], std::to_string(duties), std::to_string(cooks),
                                         std::to_string(duties - cooks)});
        if (i < state.MealsThere.size() && state.MealsThere[i] < state.Meals)
            line += FillIn(words.mealsThereNote,
                           {std::to_string(state.MealsThere[i]), std::to_string(state.Meals)});
        lines.push_back(std::move(line));
    }
    return lines;
}

std::string PickMeal(const std::vector<std::string>& meals, Generator& random) {
    if (meals.empty())
        return {};
    // The bound is the number of entries, so the last meal entered can come up too.
    const int k = static_cast<int>(meals.size());
    return meals[random.Draw(k)];
}

void FillMealSlot(const OutingPlan& plan, MealSlot slot, DrawState& state, RosterDocument& doc,
                  Generator& random, const RosterWords& words) {
    const std::vector<int> there = PeopleThere(plan, slot);
    const auto crew = [&](Duty duty) {
        return plan.evenShares
                   ? DrawEvenCrew(plan.people, there, plan.crewSize, duty, state, random)
                   : DrawCrew(plan.people, there, plan.crewSize, state, random);
    };
    const StyleSet plain;
    const std::string cooks = crew(Duty::Cook);
    SetRosterStyle(doc, 10, plain);
    doc.AppendParagraph(FillIn(words.cookLine, {cooks}));

    const std::string cleanup = crew(Duty::Cleanup);
    SetRosterStyle(doc, 10, plain);
    doc.AppendParagraph(FillIn(words.cleanupLine, {cleanup}));

    doc.AppendParagraph(FillIn(words.mealLine, {PickMeal(plan.MealList(slot.meal), random)}));
    doc.AppendParagraph("");
}

} // namespace dutywise
