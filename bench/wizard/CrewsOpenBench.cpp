// The Crews dialog on the largest plan: 50 people with 255-character names, every meal of the
// week, crews of five, two people away from each meal. From construction to the dialog shown
// and drawn once, then closed. The target is 100 ms.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "CrewsDialog.h"
#include "LargestPlan.h"

namespace {

dutywise::Roster LargestRoster() {
    const dutywise::OutingPlan plan = benchsupport::LargestPlan();
    dutywise::Roster roster;
    roster.people = plan.people;
    roster.crewSize = plan.crewSize;
    roster.days = dutywise::OutingDays(plan);
    const int people = static_cast<int>(plan.people.size());
    int next = 0;
    for (const dutywise::MealSlot slot : dutywise::OutingMeals(plan)) {
        dutywise::RosterMeal meal;
        meal.slot = slot;
        for (int p = 0; p < people; ++p)
            if ((p + next) % 25 != 0)
                meal.there.push_back(p);
        for (auto* crew : {&meal.cooks, &meal.cleanup})
            for (int i = 0; i < plan.crewSize; ++i)
                crew->push_back({next++ % people, i == 0});
        roster.meals.push_back(std::move(meal));
    }
    return roster;
}

void BM_OpenCrewsDialog(benchmark::State& state) {
    const dutywise::Roster roster = LargestRoster();
    const dutywise::RosterWords words;
    for (auto _ : state) {
        CrewsDialog dialog(roster, words);
        dialog.show();
        benchmark::DoNotOptimize(dialog.grab());
        dialog.reject();
    }
}
BENCHMARK(BM_OpenCrewsDialog)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
