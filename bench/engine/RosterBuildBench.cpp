// Time of one roster build on the largest plan the wizard can hold.
#include <benchmark/benchmark.h>

#include <string>

#include "LargestPlan.h"
#include "MemoryDocument.h"
#include "RosterBuild.h"

namespace {

using namespace dutywise;

using benchsupport::LargestPlan;
using benchsupport::SilentHost;

void BM_BuildLargestRoster(benchmark::State& state) {
    const OutingPlan plan = LargestPlan();
    MemoryDocument doc;
    SilentHost host;
    AdviceFlag advice;
    for (auto _ : state) {
        BuildRoster(plan, doc, host, ProgramGenerator(), advice);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_BuildLargestRoster)->Unit(benchmark::kMicrosecond);

} // namespace
