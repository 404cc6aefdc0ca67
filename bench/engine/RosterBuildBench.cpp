// Time of one roster build on the largest plan the wizard can hold, with the plain draw and
// with duties shared evenly.
#include <benchmark/benchmark.h>

#include <string>

#include "LargestPlan.h"
#include "MemoryDocument.h"
#include "RosterBuild.h"

namespace {

using namespace dutywise;

using benchsupport::LargestPlan;
using benchsupport::SilentHost;

void BuildLargestRoster(benchmark::State& state, bool evenShares) {
    OutingPlan plan = LargestPlan();
    plan.evenShares = evenShares;
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
