// Opening a large plan into the wizard: 10,000 people and five food lists of 10,000 entries,
// every list sorted and written out of order, so that each must be sorted as it loads. Against
// it, the same file read and parsed alone. The target for the whole open is 2 seconds.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTimer>
#include <random>
#include <string>
#include <unistd.h>

#include "FlatListBox.h"
#include "PlanFile.h"
#include "WizardWindow.h"

namespace {

using namespace dutywise;

constexpr int kEntries = 10000;

std::string PlanPath() {
    return (std::filesystem::temp_directory_path() /
            ("dutywise-bench-" + std::to_string(::getpid()) + ".dutywise"))
        .string();
}

PlanFile LargePlan() {
    std::mt19937 rng(2024);
    const char* const syllables[] = {"ka", "lo", "mi", "Ne", "sa", "To", "vu", "é", "ß", "ri"};
    const auto name = [&](int i) {
        std::string text;
        for (int k = 0; k < 3; ++k)
            text += syllables[rng() % std::size(syllables)];
        return text + " " + std::to_string(i);
    };
    PlanFile plan;
    plan.outingName = "Summer Jamboree";
    plan.patrolName = "Eagle";
    for (auto& list : plan.lists)
        for (int i = 0; i < kEntries; ++i)
            list.push_back(name(i));
    plan.sorted.fill(true);
    plan.days.fill(true);
    for (auto& day : plan.mealTicks)
        day.fill(true);
    plan.crewSize = 5;
    return plan;
}

struct Setup {
    std::string path = PlanPath();
    std::string bytes;
    WizardWindow window;
    Setup() {
        bytes = WritePlanJson(LargePlan());
        if (auto error = WritePlanFile(path, LargePlan()))
            std::fprintf(stderr, "%s\n", dutywise::EnglishMessage(*error).c_str());
        window.show();
        QApplication::processEvents();
    }
    ~Setup() { std::filesystem::remove(path); }
};

Setup* setup = nullptr;

// Open Plan... as the command line does it: read, parse, and every control set; then the
// event loop's painting.
void BM_OpenPlanIntoWizard(benchmark::State& state) {
    for (auto _ : state) {
        if (auto refusal = setup->window.LoadPlan(QString::fromStdString(setup->path)))
            state.SkipWithError(refusal->toStdString().c_str());
        QApplication::processEvents();
    }
}
BENCHMARK(BM_OpenPlanIntoWizard)->Unit(benchmark::kMillisecond);

void BM_ReadAndParseAlone(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadPlanFile(setup->path));
}
BENCHMARK(BM_ReadAndParseAlone)->Unit(benchmark::kMillisecond);

void BM_ParseBytesAlone(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(ParsePlanJson(setup->bytes));
}
BENCHMARK(BM_ParseBytesAlone)->Unit(benchmark::kMillisecond);

// For comparison: the people of the same plan added to a sorted list one entry at a time, as
// a loader without the one-pass setter would.
void BM_SortedListOneByOne(benchmark::State& state) {
    const PlanFile plan = LargePlan();
    QStringList people;
    for (const std::string& name : plan.List(PlanList::People))
        people.append(QString::fromStdString(name));
    for (auto _ : state) {
        FlatListBox list;
        list.setSorted(true);
        for (const QString& name : people)
            list.addItemKeeping(name);
        benchmark::DoNotOptimize(list.count());
    }
}
BENCHMARK(BM_SortedListOneByOne)->Unit(benchmark::kMillisecond)->Iterations(2);

// Who Is There... on the same 10,000 people and all 21 meals: from the click to the dialog
// built, shown and drawn once, then closed.
void BM_OpenWhoIsThereDialog(benchmark::State& state) {
    auto* people = setup->window.findChild<FlatListBox*>(QStringLiteral("peopleList"));
    if (people->count() != kEntries)
        setup->window.LoadPlan(QString::fromStdString(setup->path));
    auto* button = setup->window.findChild<QPushButton*>(QStringLiteral("whoIsThereButton"));
    for (auto _ : state) {
        QTimer::singleShot(0, [] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                benchmark::DoNotOptimize(dialog->grab());
                dialog->reject();
            }
        });
        button->click();
    }
}
BENCHMARK(BM_OpenWhoIsThereDialog)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Setup s;
    setup = &s;
    std::printf("plan file: %zu bytes, %d entries in each of 6 lists, all sorted\n", s.bytes.size(),
                kEntries);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    // The wizard holds the whole plan, in order.
    auto* people = s.window.findChild<FlatListBox*>(QStringLiteral("peopleList"));
    if (!people || people->count() != kEntries)
        std::printf("the wizard does not hold the plan's people!\n");
    benchmark::Shutdown();
    return 0;
}
