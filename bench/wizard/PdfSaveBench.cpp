// The largest roster saved as PDF beside the same document saved as Rich Text: both through the
// save the button runs (a pre-answered dialog), both written atomically to a real file.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <QApplication>
#include <QTemporaryDir>

#include "DocumentTools.h"
#include "LargestPlan.h"
#include "MemoryDocument.h"
#include "QtPdfService.h"
#include "RosterBuild.h"

namespace {

using namespace dutywise;

class FixedTarget : public SaveTarget {
public:
    FixedTarget(std::string path, SaveFormat format) : choice_{std::move(path), format} {}
    std::optional<SaveChoice> AskFileName() override { return choice_; }

private:
    SaveChoice choice_;
};

struct Setup {
    QTemporaryDir dir;
    MemoryDocument doc;
    QtPdfService pdf;
    Setup() {
        benchsupport::SilentHost host;
        AdviceFlag advice;
        BuildRoster(benchsupport::LargestPlan(), doc, host, ProgramGenerator(), advice);
    }
    void Save(const char* name, SaveFormat format) {
        FixedTarget target(dir.filePath(name).toStdString(), format);
        const SaveResult r = SaveRoster(doc, "Eagles", target, pdf);
        if (r.status != SaveResult::Status::Saved) {
            std::fprintf(stderr, "save failed: %s\n", r.Message().c_str());
            std::exit(1);
        }
    }
};

Setup* setup = nullptr;

void BM_SaveRichText(benchmark::State& state) {
    for (auto _ : state)
        setup->Save("roster.rtf", SaveFormat::RichText);
}
BENCHMARK(BM_SaveRichText)->Unit(benchmark::kMillisecond);

void BM_SavePdf(benchmark::State& state) {
    for (auto _ : state)
        setup->Save("roster.pdf", SaveFormat::Pdf);
}
BENCHMARK(BM_SavePdf)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Setup s;
    setup = &s;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    std::printf("largest roster: %zu paragraphs\n", s.doc.Paragraphs().size());
    benchmark::Shutdown();
    return 0;
}
