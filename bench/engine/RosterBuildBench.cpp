// Time of one roster build on the largest plan the wizard can hold.
#include <benchmark/benchmark.h>

#include <string>

#include "BuildHost.h"
#include "MemoryDocument.h"
#include "RosterBuild.h"

namespace {

using namespace dutywise;

class SilentHost final : public BuildHost {
public:
    void ShowMessage(const std::string&) override {}
    void ShowHiddenPicture() override {}
    void HideNotice() override {}
    void AdvanceGauge(int) override {}
};

std::string LongName(char first, int i) {
    std::string name = first + std::to_string(i);
    name.resize(255, 'x');
    return name;
}

OutingPlan LargestPlan() {
    OutingPlan plan;
    plan.outingName = "Summer Camp at the Lake";
    plan.patrolName = "Eagles";
    for (int i = 0; i < 50; ++i)
        plan.people.push_back(LongName('P', i));
    plan.days.fill(true);
    for (auto& meals : plan.mealTicks)
        meals.fill(true);
    for (int i = 0; i < 10; ++i) {
        plan.breakfasts.push_back(LongName('B', i));
        plan.lunches.push_back(LongName('L', i));
        plan.dinners.push_back(LongName('D', i));
    }
    for (int i = 0; i < 100; ++i) {
        plan.snacks.push_back(LongName('S', i));
        plan.drinks.push_back(LongName('K', i));
    }
    plan.crewSize = kMaxCrewSize;
    return plan;
}

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
