// The notice board and each scout's duties as PDFs, made in memory through the painter that the
// printout uses: for the largest plan the wizard can hold (255-character names and dishes,
// crews of five, every meal of the week, so that the grid breaks over pages), and for a week of
// ordinary names that fits one page.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <QApplication>

#include "LargestPlan.h"
#include "QtPdfService.h"
#include "Roster.h"

namespace {

using namespace dutywise;

Roster WeekRoster(std::vector<std::string> people, std::vector<std::string> dishes) {
    Roster r;
    r.outingName = "Summer Camp at the Lake";
    r.patrolName = "Eagles";
    r.people = std::move(people);
    r.crewSize = kMaxCrewSize;
    const int n = static_cast<int>(r.people.size());
    int next = 0;
    for (int d = 0; d < kDays; ++d) {
        const CalendarDate date = AddDays({2027, 6, 11}, d);
        const auto day = static_cast<Weekday>((5 + d) % kDays);
        r.days.push_back({day, date});
        for (Meal meal : {Meal::Breakfast, Meal::Lunch, Meal::Dinner}) {
            RosterMeal m;
            m.slot = {day, meal};
            m.date = date;
            m.dish = dishes[static_cast<std::size_t>(next) % dishes.size()];
            for (int i = 0; i < r.crewSize; ++i) {
                m.cooks.push_back({next++ % n});
                m.cleanup.push_back({next++ % n});
            }
            for (int p = 1; p < n; ++p) // the first is away: every cell says how many are there
                m.there.push_back(p);
            r.meals.push_back(std::move(m));
        }
    }
    return r;
}

Roster Largest() {
    const OutingPlan plan = benchsupport::LargestPlan();
    return WeekRoster(plan.people, plan.dinners);
}

Roster OrdinaryWeek() {
    return WeekRoster({"Alexandra", "Bartholomew", "Christopher", "Dominique", "Evangeline",
                       "Frederick", "Gwendolyn", "Maximilian", "Penelope", "Sebastian", "Theodora",
                       "Wilhelmina"},
                      {"Pancakes with syrup", "Chili con carne", "Pasta with tomato sauce"});
}

void MakeSheet(benchmark::State& state, const Roster& roster, RosterSheet sheet) {
    QtPdfService pdf;
    std::string bytes;
    for (auto _ : state) {
        if (auto error =
                pdf.MakeSheetPdf(roster, sheet, EnglishRosterWords(), "Eagles's Roster", bytes)) {
            state.SkipWithError(error->c_str());
            return;
        }
        benchmark::DoNotOptimize(bytes.data());
    }
    state.counters["bytes"] = static_cast<double>(bytes.size());
}

void BM_NoticeBoardLargestPlan(benchmark::State& state) {
    MakeSheet(state, Largest(), RosterSheet::NoticeBoard);
}
BENCHMARK(BM_NoticeBoardLargestPlan)->Unit(benchmark::kMillisecond);

void BM_NoticeBoardWeekOnOnePage(benchmark::State& state) {
    MakeSheet(state, OrdinaryWeek(), RosterSheet::NoticeBoard);
}
BENCHMARK(BM_NoticeBoardWeekOnOnePage)->Unit(benchmark::kMillisecond);

void BM_DutySlipsLargestPlan(benchmark::State& state) {
    MakeSheet(state, Largest(), RosterSheet::DutySlips);
}
BENCHMARK(BM_DutySlipsLargestPlan)->Unit(benchmark::kMillisecond);

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
