// The largest roster built into the wizard's own editor, against the same text handed to a
// QTextEdit in one setPlainText: what the rich formatting and the per-paragraph appends cost.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <QApplication>
#include <QTabWidget>
#include <QTextEdit>
#include <string>
#include <vector>

#include "EditorDocument.h"
#include "LargestPlan.h"
#include "MemoryDocument.h"
#include "RosterBuild.h"
#include "WizardWindow.h"

namespace {

using namespace dutywise;

using benchsupport::LargestPlan;
using benchsupport::SilentHost;

QString PlainRoster() {
    MemoryDocument doc;
    SilentHost host;
    AdviceFlag advice;
    BuildRoster(LargestPlan(), doc, host, ProgramGenerator(), advice);
    QStringList lines;
    for (const Paragraph& p : doc.Paragraphs())
        lines << QString::fromStdString(p.Text());
    return lines.join(QLatin1Char('\n'));
}

struct Setup {
    WizardWindow window;
    QTextEdit plain;
    OutingPlan plan = LargestPlan();
    QString text = PlainRoster();
    SilentHost host;
    AdviceFlag advice;
    Setup() {
        window.show();
        // The editor's page is showing, so that its layout is done as the user would see it.
        window.findChild<QTabWidget*>(QStringLiteral("pages"))->setCurrentIndex(5);
        plain.setGeometry(0, 0, 561, 257);
        plain.show();
        QApplication::processEvents();
    }
    // Each side includes the layout and painting the event loop does afterwards.
    void Build() {
        // As the Build button runs it: one batch around the whole build.
        auto& doc = dynamic_cast<EditorDocument&>(window.Document());
        const EditorDocument::Batch batch(doc);
        BuildRoster(plan, doc, host, ProgramGenerator(), advice);
        QApplication::processEvents();
    }
    void SetPlain() {
        plain.setPlainText(text);
        QApplication::processEvents();
    }
};

Setup* setup = nullptr;

void BM_BuildIntoEditor(benchmark::State& state) {
    for (auto _ : state)
        setup->Build();
}
BENCHMARK(BM_BuildIntoEditor)->Unit(benchmark::kMillisecond);

void BM_SetPlainText(benchmark::State& state) {
    for (auto _ : state)
        setup->SetPlain();
}
BENCHMARK(BM_SetPlainText)->Unit(benchmark::kMillisecond);

template <class F> double MedianMs(F f, int runs) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        f();
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Setup s;
    setup = &s;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    const double build = MedianMs([&] { s.Build(); }, 15);
    const double plain = MedianMs([&] { s.SetPlain(); }, 15);
    if (s.window.Document().Paragraphs().size() !=
        static_cast<std::size_t>(s.text.count(QLatin1Char('\n')) + 1))
        std::printf("the editor does not hold the roster!\n");
    std::printf("median of 15: build into editor %.2f ms, setPlainText %.2f ms, ratio %.2f (%d "
                "characters)\n",
                build, plain, build / plain, static_cast<int>(s.text.size()));
    benchmark::Shutdown();
    return 0;
}
