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

int DrawState::Duties(int person) const {
    return At(Cooks, person) + At(Cleanups, person);
}

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

std::string DrawCrew(const std::vector<std::string>& people, int crewSize, DrawState& state,
                     Generator& random) {
    std::string crew;
    if (people.empty())
        return crew;
    const int n = static_cast<int>(people.size());
    for (int position = 0; position < crewSize; ++position)
        AppendName(crew, people[static_cast<std::size_t>(DrawPerson(n, state, random))]);
    return crew;
}

void EvenShareCandidates(int n, const std::vector<int>& crew, const DrawState& state,
                         std::vector<int>& candidates) {
    const auto inCrew = [&crew](int person) {
        return std::find(crew.begin(), crew.end(), person) != crew.end();
    };
    // Widening steps: nobody drawn last and nobody twice in a crew; then the crew may repeat;
    // then (one person only) the last drawn too.
    for (int step = 0; step < 3; ++step) {
        candidates.clear();
        int fewest = 0;
        for (int person = 0; person < n; ++person) {
            if (step < 2 && person == state.LastDrawn)
                continue;
            if (step < 1 && inCrew(person))
                continue;
            const int duties = state.Duties(person);
            if (candidates.empty() || duties < fewest) {
                candidates.clear();
                fewest = duties;
            }
            if (duties == fewest)
                candidates.push_back(person);
        }
        if (!candidates.empty())
            return;
    }
}

int DrawEvenShare(int n, const std::vector<int>& crew, Duty duty, DrawState& state,
                  Generator& random) {
    if (n <= 0)
        return 0;
    EvenShareCandidates(n, crew, state, state.Candidates);
    const int k = static_cast<int>(state.Candidates.size());
    const int x = state.Candidates[static_cast<std::size_t>(DrawBelow(k, random))];

    std::vector<int>& counts = duty == Duty::Cook ? state.Cooks : state.Cleanups;
    if (counts.size() < static_cast<std::size_t>(n))
        counts.resize(static_cast<std::size_t>(n), 0);
    ++counts[static_cast<std::size_t>(x)];
    state.LastDrawn = x;
    return x;
}

std::string DrawEvenCrew(const std::vector<std::string>& people, int crewSize, Duty duty,
                         DrawState& state, Generator& random) {
    std::string text;
    if (people.empty())
        return text;
    const int n = static_cast<int>(people.size());
    std::vector<int> crew;
    crew.reserve(static_cast<std::size_t>(std::max(crewSize, 0)));
    for (int position = 0; position < crewSize; ++position) {
        const int x = DrawEvenShare(n, crew, duty, state, random);
        crew.push_back(x);
        AppendName(text, people[static_cast<std::size_t>(x)]);
    }
    return text;
}

std::vector<std::string> DutyCountLines(const std::vector<std::string>& people,
                                        const DrawState& state) {
    std::vector<std::string> lines;
    lines.reserve(people.size());
    for (std::size_t i = 0; i < people.size(); ++i) {
        const int person = static_cast<int>(i);
        lines.push_back(people[i] + ": " + std::to_string(state.Duties(person)) + " (" +
                        std::to_string(At(state.Cooks, person)) + " cook, " +
                        std::to_string(At(state.Cleanups, person)) + " cleanup)");
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
                  Generator& random) {
    const auto crew = [&](Duty duty) {
        return plan.evenShares ? DrawEvenCrew(plan.people, plan.crewSize, duty, state, random)
                               : DrawCrew(plan.people, plan.crewSize, state, random);
    };
    const StyleSet plain;
    const std::string cooks = crew(Duty::Cook);
    SetRosterStyle(doc, 10, plain);
    doc.AppendParagraph("Cook: " + cooks);

    const std::string cleanup = crew(Duty::Cleanup);
    SetRosterStyle(doc, 10, plain);
    doc.AppendParagraph("Cleanup: " + cleanup);

    doc.AppendParagraph("Meal: " + PickMeal(plan.MealList(slot.meal), random));
    doc.AppendParagraph("");
}

} // namespace dutywise
