// Time of one roster build on the largest plan the wizard can hold, with the plain draw and
// with duties shared evenly.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <string>

#include "LargestPlan.h"
#include "MemoryDocument.h"
#include "RosterBuild.h"

namespace {

using namespace dutywise;

using benchsupport::LargestPlan;
using benchsupport::SilentHost;

void BuildLargestRoster(benchmark::State& state, bool evenShares, bool someAway = false,
                        bool season = false) {
    OutingPlan plan = LargestPlan();
    plan.evenShares = evenShares;
    if (season) {
        // Two earlier weeks for everybody (about 8 duties each), up to three duties off that.
        for (std::size_t i = 0; i < plan.people.size(); ++i)
            plan.season[plan.people[i]] = {8 + static_cast<int>(i % 7) - 3, 42};
    }
    if (someAway) {
        // A third of the people are away from half the meals: every other slot of the week.
        plan.away.resize(plan.people.size());
        for (std::size_t i = 0; i < plan.away.size(); i += 3)
            for (std::size_t slot = 0; slot < kSlots; slot += 2)
                plan.away[i].set(slot);
    }
    MemoryDocument doc;
    SilentHost host;
    AdviceFlag advice;
    for (auto _ : state) {
        BuildRoster(plan, doc, host, ProgramGenerator(), advice);
        benchmark::ClobberMemory();
    }
}

void BM_BuildLargestRoster(benchmark::State& state) {
    BuildLargestRoster(state, false);
}
BENCHMARK(BM_BuildLargestRoster)->Unit(benchmark::kMicrosecond);

// The same plan with duties shared evenly: every draw weighs all fifty people's counts, and the
// roster ends with fifty more lines.
void BM_BuildLargestRosterEvenShares(benchmark::State& state) {
    BuildLargestRoster(state, true);
}
BENCHMARK(BM_BuildLargestRosterEvenShares)->Unit(benchmark::kMicrosecond);

} // namespace

// The same with a third of the people away from half the meals: each draw weighs the people
// there by their duties per meal there.
void BM_BuildLargestRosterEvenSharesSomeAway(benchmark::State& state) {
    BuildLargestRoster(state, true, true);
}
BENCHMARK(BM_BuildLargestRosterEvenSharesSomeAway)->Unit(benchmark::kMicrosecond);

// The same with a season of two earlier weeks: each person's share of the outing scaled toward
// their share of the season.
void BM_BuildLargestRosterEvenSharesSeason(benchmark::State& state) {
    BuildLargestRoster(state, true, false, true);
}
BENCHMARK(BM_BuildLargestRosterEvenSharesSeason)->Unit(benchmark::kMicrosecond);
