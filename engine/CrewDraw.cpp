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

void EvenShareCandidates(int n, const std::vector<int>& crew, DrawState& state) {
    // One score per person: the duties so far, raised above everybody free for those already in
    // the crew, and higher still for the person drawn last. The lowest score then names the
    // fewest duties among the people the first of the widening steps allows, or, when it
    // allows nobody, among those of the next step. Done in two plain passes without branches,
    // since every draw weighs every person.
    constexpr std::int64_t kInCrew = std::int64_t{1} << 40;
    constexpr std::int64_t kDrawnLast = std::int64_t{1} << 41;
    const auto people = static_cast<std::size_t>(std::max(n, 0));
    std::vector<std::int64_t>& scores = state.Scores;
    scores.assign(people, 0);
    for (std::size_t i = 0; i < std::min(people, state.Duties.size()); ++i)
        scores[i] = state.Duties[i];
    const auto raise = [&](int person, std::int64_t by) {
        const auto i = static_cast<std::size_t>(person);
        if (person >= 0 && i < people)
            scores[i] = At(state.Duties, person) + by;
    };
    for (int person : crew)
        raise(person, kInCrew);
    raise(state.LastDrawn, kDrawnLast);

    std::vector<int>& candidates = state.Candidates;
    candidates.resize(people);
    if (people == 0)
        return;
    const std::int64_t lowest = *std::min_element(scores.begin(), scores.end());
    std::size_t k = 0;
    for (std::size_t i = 0; i < people; ++i) {
        candidates[k] = static_cast<int>(i);
        k += scores[i] == lowest ? 1 : 0;
    }
    candidates.resize(k);
}

int DrawEvenShare(int n, const std::vector<int>& crew, Duty duty, DrawState& state,
                  Generator& random) {
    if (n <= 0)
        return 0;
    EvenShareCandidates(n, crew, state);
    const int k = static_cast<int>(state.Candidates.size());
    const int x = state.Candidates[static_cast<std::size_t>(DrawBelow(k, random))];

    const auto people = static_cast<std::size_t>(n);
    for (std::vector<int>* counts : {&state.Duties, &state.Cooks})
        if (counts->size() < people)
            counts->resize(people, 0);
    ++state.Duties[static_cast<std::size_t>(x)];
    if (duty == Duty::Cook)
        ++state.Cooks[static_cast<std::size_t>(x)];
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
        const int duties = At(state.Duties, person);
        const int cooks = At(state.Cooks, person);
        lines.push_back(people[i] + ": " + std::to_string(duties) + " (" + std::to_string(cooks) +
                        " cook, " + std::to_string(duties - cooks) + " cleanup)");
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
