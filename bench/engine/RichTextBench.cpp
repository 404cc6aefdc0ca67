// Writing a roster to Rich Text in memory: the editor's limit of 64K characters, styled the way
// the build styles it, with the odd restyled run and names beyond ASCII.

#include <benchmark/benchmark.h>

#include "RichText.h"

using namespace dutywise;

namespace {

constexpr int kCharacters = 65536;

int CodePoints(const std::string& s) {
    int n = 0;
    for (char c : s)
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

std::vector<Paragraph> Roster(bool wideNames) {
    const ParagraphStyle title = ParagraphStyle::Roster(14, {FontStyle::Bold});
    const ParagraphStyle heading = ParagraphStyle::Roster(12, {FontStyle::Underline});
    const ParagraphStyle line = ParagraphStyle::Roster(10, {});
    ParagraphStyle marked = line;
    marked.color = Color::Rgb(200, 0, 0);
    marked.styles = {FontStyle::Italic};
    const std::vector<std::string> names =
        wideNames ? std::vector<std::string>{"Zo\xC3\xAB", "\xC5\x81ukasz",
                                             "\xE7\x8E\x8B\xE5\xB0\x8F\xE6\x98\x8E",
                                             "\xF0\x9F\x99\x82 Smile"}
                  : std::vector<std::string>{"Ann", "Ben", "Cy", "Dora"};
    std::vector<Paragraph> doc{{{{"Spring Camp", title}}}, {{{"Falcons's Roster", title}}}};
    int chars = 30;
    for (int i = 0; chars < kCharacters; ++i) {
        std::vector<Paragraph> slot{
            {{{"Sunday Breakfast", heading}}},
            {{{"Cooks: " + names[i % 4] + ", " + names[(i + 1) % 4], line}}},
            {{{"Clean-up: ", line}, {names[(i + 2) % 4] + ", " + names[(i + 3) % 4], marked}}},
            {{{"Meal: Pancakes {with syrup}\tand cocoa", line}}},
            {{{"", line}}}};
        for (Paragraph& p : slot) {
            for (const Run& r : p.runs)
                chars += CodePoints(r.text);
            chars += 1;
            doc.push_back(std::move(p));
        }
    }
    return doc;
}

void WriteRoster(benchmark::State& state, bool wideNames) {
    const std::vector<Paragraph> doc = Roster(wideNames);
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string rtf = WriteRichText(doc);
        bytes = rtf.size();
        benchmark::DoNotOptimize(rtf.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
    state.counters["rtf_bytes"] = static_cast<double>(bytes);
    state.counters["chars"] = benchmark::Counter(static_cast<double>(kCharacters) *
                                                     static_cast<double>(state.iterations()),
                                                 benchmark::Counter::kIsRate);
}

void BM_WriteRichText64KRoster(benchmark::State& state) {
    WriteRoster(state, false);
}
void BM_WriteRichText64KRosterNamesBeyondAscii(benchmark::State& state) {
    WriteRoster(state, true);
}

} // namespace

BENCHMARK(BM_WriteRichText64KRoster);
BENCHMARK(BM_WriteRichText64KRosterNamesBeyondAscii);
