#include "CrewDraw.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <tuple>

#include "Roster.h"

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

namespace {

// Turns each person's fair share of the outing into their share of the season (see
// PlanEvenDraw): the row of a person behind grows faster, of one ahead slower or not at all.
void WeighSeason(const OutingPlan& plan, DrawState& state) {
    const std::size_t n = plan.people.size(), meals = state.Order.size();
    if (meals == 0)
        return;
    std::vector<SeasonCount> past(n);
    double pastDuties = 0, pastMeals = 0;
    for (std::size_t i = 0; i < n; ++i) {
        past[i] = PastOf(plan.season, plan.people[i]);
        pastDuties += past[i].duties;
        pastMeals += past[i].meals;
    }
    const double rate = pastMeals > 0 ? pastDuties / pastMeals : 0.0;
    std::vector<double> target(n);
    double places = 0, targets = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const double share = state.Owed[i * meals + meals - 1];
        const double behind = past[i].meals * rate - past[i].duties;
        target[i] = share > 0 ? std::max(0.0, share + behind) : 0.0;
        places += share;
        targets += target[i];
    }
    // Somebody too far ahead to be spared enough leaves the others more than the places: each
    // gives up the same part of their target.
    const double scale = targets > 0 ? places / targets : 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        double* row = state.Owed.data() + i * meals;
        const double share = row[meals - 1];
        const double factor = share > 0 ? target[i] * scale / share : 0.0;
        for (std::size_t t = 0; t < meals; ++t)
            row[t] *= factor;
    }
}

} // namespace

void PrepareEvenDraw(const OutingPlan& plan, DrawState& state) {
    if (!plan.evenShares)
        return;
    const std::size_t n = plan.people.size();
    state.Duties.assign(n, 0);
    state.Cooks.assign(n, 0);
    state.OnDutyBefore.assign(n, 0);
    state.Order = OutingMeals(plan);
    state.KeptApart.assign(n, {});
    for (const auto& pair : plan.keepApart)
        for (std::size_t i = 0; i < n; ++i)
            for (std::size_t j = 0; j < n; ++j)
                if (i != j && plan.people[i] == pair[0] && plan.people[j] == pair[1]) {
                    state.KeptApart[i].push_back(static_cast<int>(j));
                    state.KeptApart[j].push_back(static_cast<int>(i));
                }
    const std::size_t meals = state.Order.size();
    state.Owed.assign(n * meals, 0.0);
    const double places = 2.0 * plan.crewSize;
    for (std::size_t t = 0; t < meals; ++t) {
        std::size_t there = 0;
        for (std::size_t i = 0; i < n; ++i)
            there += plan.There(i, state.Order[t]) ? 1 : 0;
        for (std::size_t i = 0; i < n; ++i) {
            const double before = t == 0 ? 0.0 : state.Owed[i * meals + t - 1];
            const bool here = there > 0 && plan.There(i, state.Order[t]);
            state.Owed[i * meals + t] = before + (here ? places / double(there) : 0.0);
        }
    }
    if (!plan.season.empty())
        WeighSeason(plan, state);
}

namespace {

constexpr double kSlack = 1e-9; // sums of shares that differ only by rounding are equal
constexpr double kOwedUnit = 1 << 20;

// Rewrites a key's fairness fields from the person's duties so far, at meal t of the order.
void Weigh(FairKey& key, std::size_t t, const DrawState& state) {
    const std::size_t meals = state.Order.size();
    const auto person = static_cast<std::size_t>(key.person);
    const int duties = At(state.Duties, key.person);
    if (t >= meals || (person + 1) * meals > state.Owed.size()) {
        key.deadline = 0;
        key.owed = duties;
        return;
    }
    const double* row = state.Owed.data() + person * meals;
    const double owed = row[t] - duties;
    key.owed = -std::llround(owed * kOwedUnit);
    if (owed <= kSlack) {
        // Another duty would put them ahead of their share: after everybody who is owed one.
        key.deadline = static_cast<int>(meals) + 1;
        return;
    }
    // Owed is cumulative, so the first meal at which they would be a whole duty behind is found
    // by halving.
    const double* due = std::lower_bound(row + t, row + meals, duties + 1 - kSlack);
    key.deadline = static_cast<int>(due - row);
}

// Tier in the top bits, then the deadline (at most 23), then what is owed (well inside 2^40).
void WeighShare(FairKey& key, std::size_t t, const DrawState& state) {
    Weigh(key, t, state);
    key.rank = (std::int64_t{key.tier} << 56) + (std::int64_t{key.deadline} << 48) +
               (key.owed + (std::int64_t{1} << 44));
}

bool Before(const FairKey& a, const FairKey& b, int kindA, int kindB) {
    return std::tie(a.rank, kindA, a.tired) < std::tie(b.rank, kindB, b.tired);
}

// One of the tied, each equally likely; no draw when there is no choice.
int OneOf(const std::vector<int>& ties, Generator& random) {
    return ties.size() == 1 ? ties.front()
                            : ties[random.Draw(static_cast<std::int32_t>(ties.size()))];
}

} // namespace

void DrawEvenMeal(const std::vector<int>& there, int crewSize, MealSlot slot, DrawState& state,
                  Generator& random, std::vector<int>& cooks, std::vector<int>& cleanup,
                  const std::vector<int>& keptCooks, const std::vector<int>& keptCleanup) {
    cooks.clear();
    cleanup.clear();
    if (there.empty())
        return;
    const auto size = static_cast<std::size_t>(there.back()) + 1;
    for (std::vector<int>* counts : {&state.Duties, &state.Cooks})
        if (counts->size() < size)
            counts->resize(size, 0);
    if (state.OnDutyBefore.size() < size)
        state.OnDutyBefore.resize(size, 0);
    const std::size_t t = static_cast<std::size_t>(
        std::find(state.Order.begin(), state.Order.end(), slot) - state.Order.begin());

    int rested = 0;
    for (int person : there)
        rested += state.OnDutyBefore[static_cast<std::size_t>(person)] ? 0 : 1;
    const bool restRule = rested >= 2 * crewSize;

    std::vector<FairKey>& keys = state.Keys;
    keys.resize(there.size());
    std::vector<int>& keyOf = state.KeyOf;
    keyOf.assign(size, -1);
    for (std::size_t i = 0; i < there.size(); ++i) {
        FairKey& key = keys[i];
        key.person = there[i];
        keyOf[static_cast<std::size_t>(key.person)] = static_cast<int>(i);
        key.tired = state.OnDutyBefore[static_cast<std::size_t>(key.person)];
        key.tier = restRule && key.tired ? 2 : 0;
        key.places = 0;
        key.drawn = 0;
        key.cooked = At(state.Cooks, key.person);
        key.cleaned = At(state.Duties, key.person) - key.cooked;
        WeighShare(key, t, state);
    }
    const bool twoPlaces = static_cast<int>(there.size()) < 2 * crewSize;

    // A place taken: a duty counted, and the one place a meal and the pairs kept apart weighed.
    const auto take = [&](FairKey& taken) {
        ++taken.places;
        ++state.Duties[static_cast<std::size_t>(taken.person)];
        taken.tier |= 4;
        WeighShare(taken, t, state);
        // Whoever is kept apart from them now comes after everybody else.
        if (static_cast<std::size_t>(taken.person) < state.KeptApart.size())
            for (int other : state.KeptApart[static_cast<std::size_t>(taken.person)]) {
                const auto at = static_cast<std::size_t>(other);
                if (at >= size || keyOf[at] < 0)
                    continue;
                FairKey& apart = keys[static_cast<std::size_t>(keyOf[at])];
                apart.tier |= 1;
                WeighShare(apart, t, state);
            }
    };

    // The places set by hand stand first, as they are; the draw fills the others around them.
    const auto crewPlaces = static_cast<std::size_t>(std::max(crewSize, 0));
    cooks.assign(crewPlaces, -1);
    cleanup.assign(crewPlaces, -1);
    int freeCooks = crewSize, freeCleanup = crewSize;
    for (const bool cook : {true, false}) {
        const std::vector<int>& kept = cook ? keptCooks : keptCleanup;
        for (std::size_t p = 0; p < crewPlaces && p < kept.size(); ++p) {
            const auto person = static_cast<std::size_t>(kept[p]);
            if (kept[p] < 0 || person >= size || keyOf[person] < 0)
                continue;
            (cook ? cooks : cleanup)[p] = kept[p];
            --(cook ? freeCooks : freeCleanup);
            take(keys[static_cast<std::size_t>(keyOf[person])]);
            state.Cooks[person] += cook ? 1 : 0;
        }
    }

    // Then who else is on duty, place by place: one place a person unless fewer people are
    // there than two crews (or the places set by hand leave nobody else).
    std::vector<int>& ties = state.Ties;
    for (int place = 0; place < freeCooks + freeCleanup; ++place) {
        // Among people owed alike: the first crew's worth of places to those who cooked least,
        // the second to those who cleaned up least; a second place to whoever has done more of
        // one kind than the other, since two places fill both crews and leave that as it is.
        const auto kind = [&](const FairKey& key) {
            if (key.places == 1)
                return -std::abs(key.cooked - key.cleaned);
            return place < freeCooks ? key.cooked : key.cleaned;
        };
        ties.clear();
        for (const int limit : {twoPlaces ? 2 : 1, 2 * crewSize + 1}) {
            int bestKind = 0;
            for (std::size_t i = 0; i < keys.size(); ++i) {
                const FairKey& key = keys[i];
                if (key.places >= limit)
                    continue;
                const int k = kind(key);
                if (!ties.empty()) {
                    const FairKey& best = keys[static_cast<std::size_t>(ties.front())];
                    if (Before(best, key, bestKind, k))
                        continue;
                    if (Before(key, best, k, bestKind))
                        ties.clear();
                }
                bestKind = k;
                ties.push_back(static_cast<int>(i));
            }
            if (!ties.empty())
                break;
        }
        FairKey& taken = keys[static_cast<std::size_t>(OneOf(ties, random))];
        ++taken.drawn;
        take(taken);
    }

    // Then who cooks: somebody drawn twice does both; of the others, place by place, the person
    // and crew whose kind of duty that person is furthest behind on, against the other, and a
    // crew they are not in already.
    const auto in = [](const std::vector<int>& crew, int person) {
        return std::find(crew.begin(), crew.end(), person) != crew.end();
    };
    const auto seat = [&](std::vector<int>& crew, int person) {
        *std::find(crew.begin(), crew.end(), -1) = person;
        if (&crew == &cooks)
            ++state.Cooks[static_cast<std::size_t>(person)];
    };
    std::vector<int>& chosen = state.Chosen;
    chosen.clear();
    for (std::size_t i = 0; i < keys.size(); ++i) {
        FairKey& key = keys[i];
        if (key.drawn == 2 && freeCooks > 0 && freeCleanup > 0) {
            seat(cooks, key.person);
            seat(cleanup, key.person);
            --freeCooks;
            --freeCleanup;
            key.drawn = 0;
        }
        if (key.drawn > 0)
            chosen.push_back(static_cast<int>(i));
    }
    while (freeCooks + freeCleanup > 0) {
        ties.clear();
        std::pair<bool, int> fewest{};
        for (int i : chosen) {
            const FairKey& key = keys[static_cast<std::size_t>(i)];
            if (key.drawn == 0)
                continue;
            for (const bool cook : {true, false}) {
                if ((cook ? freeCooks : freeCleanup) == 0)
                    continue;
                const std::pair<bool, int> done{
                    in(cook ? cooks : cleanup, key.person),
                    cook ? key.cooked - key.cleaned : key.cleaned - key.cooked};
                if (!ties.empty() && fewest < done)
                    continue;
                if (ties.empty() || done < fewest)
                    ties.clear();
                fewest = done;
                ties.push_back(2 * i + (cook ? 0 : 1));
            }
        }
        const int pick = OneOf(ties, random);
        FairKey& key = keys[static_cast<std::size_t>(pick / 2)];
        --key.drawn;
        seat(pick % 2 == 0 ? cooks : cleanup, key.person);
        --(pick % 2 == 0 ? freeCooks : freeCleanup);
    }

    std::fill(state.OnDutyBefore.begin(), state.OnDutyBefore.end(), 0);
    for (const std::vector<int>* crew : {&cooks, &cleanup})
        for (int person : *crew)
            state.OnDutyBefore[static_cast<std::size_t>(person)] = 1;
}

namespace {

// How far a planned outing falls short: the worst distance of a count from its fair share,
// and of a kind's count from half of it, each counted only from one duty on.
std::pair<double, double> Shortfall(const DrawState& state) {
    const std::size_t meals = state.Order.size();
    double share = 0, kind = 0;
    for (std::size_t i = 0; meals > 0 && i < state.Duties.size(); ++i) {
        const double fair = state.Owed[i * meals + meals - 1];
        const double cooks = state.Cooks[i], cleanups = state.Duties[i] - state.Cooks[i];
        share = std::max(share, std::abs(state.Duties[i] - fair));
        kind = std::max({kind, std::abs(cooks - fair / 2), std::abs(cleanups - fair / 2)});
    }
    const auto beyond = [](double d) { return d < 1 - kSlack ? 0.0 : d; };
    return {beyond(share), beyond(kind)};
}

constexpr int kPlanAttempts = 16;
const std::vector<int> kNothingKept;

} // namespace

void PlanEvenDraw(const OutingPlan& plan, DrawState& state, Generator& random) {
    const std::size_t meals = state.Order.size();
    std::vector<std::vector<int>> there(meals);
    for (std::size_t t = 0; t < meals; ++t)
        there[t] = PeopleThere(plan, state.Order[t]);
    DrawState trial = state;
    trial.PlannedCooks.assign(meals, {});
    trial.PlannedCleanup.assign(meals, {});
    std::pair<double, double> best{};
    for (int attempt = 0; attempt < kPlanAttempts; ++attempt) {
        std::fill(trial.Duties.begin(), trial.Duties.end(), 0);
        std::fill(trial.Cooks.begin(), trial.Cooks.end(), 0);
        std::fill(trial.OnDutyBefore.begin(), trial.OnDutyBefore.end(), 0);
        for (std::size_t t = 0; t < meals; ++t)
            DrawEvenMeal(there[t], plan.crewSize, state.Order[t], trial, random,
                         trial.PlannedCooks[t], trial.PlannedCleanup[t],
                         t < state.KeptCooks.size() ? state.KeptCooks[t] : kNothingKept,
                         t < state.KeptCleanup.size() ? state.KeptCleanup[t] : kNothingKept);
        const std::pair<double, double> shortfall = Shortfall(trial);
        if (attempt == 0 || shortfall < best) {
            best = shortfall;
            std::swap(state, trial);
        }
        if (best == std::pair<double, double>{})
            break;
        if (attempt == 0)
            trial = state;
    }
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
    std::string cooks, cleanup;
    if (plan.evenShares) {
        // The whole outing is drawn at its first meal.
        if (state.PlannedCooks.size() != state.Order.size())
            PlanEvenDraw(plan, state, random);
        const auto t = static_cast<std::size_t>(
            std::find(state.Order.begin(), state.Order.end(), slot) - state.Order.begin());
        if (t < state.PlannedCooks.size()) {
            for (int person : state.PlannedCooks[t])
                AppendName(cooks, plan.people[static_cast<std::size_t>(person)]);
            for (int person : state.PlannedCleanup[t])
                AppendName(cleanup, plan.people[static_cast<std::size_t>(person)]);
        }
    } else {
        cooks = DrawCrew(plan.people, there, plan.crewSize, state, random);
    }
    const StyleSet plain;
    SetRosterStyle(doc, 10, plain);
    doc.AppendParagraph(FillIn(words.cookLine, {cooks}));

    if (!plan.evenShares)
        cleanup = DrawCrew(plan.people, there, plan.crewSize, state, random);
    SetRosterStyle(doc, 10, plain);
    doc.AppendParagraph(FillIn(words.cleanupLine, {cleanup}));

    doc.AppendParagraph(FillIn(words.mealLine, {PickMeal(plan.MealList(slot.meal), random)}));
    doc.AppendParagraph("");
}

} // namespace dutywise
