// Saves written in place, killed part-way: what do they leave? A child process saves a roster of
// about 5 KB over and over, two versions of different lengths in turn, and is killed after a
// random delay of up to a few saves. The file must then be one of the two versions whole; the
// counters say how often it was instead empty, shorter than both (cut), or neither (torn: the
// new bytes followed by the old ones).
//
// The target has a second hard link, which makes every save write it in place; its folder also
// refuses new files, which does the same where file modes hold (not for root).

#include <benchmark/benchmark.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <thread>

#include "AtomicFile.h"

namespace fs = std::filesystem;

namespace {

std::string Version(char letter, std::size_t size) {
    std::string bytes;
    for (std::size_t i = 0; bytes.size() < size; ++i)
        bytes += std::string("Cooks: ") + letter + std::to_string(i) + "\n";
    bytes.resize(size);
    return bytes;
}

std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void InPlaceSaveKilled(benchmark::State& state) {
    const int kills = static_cast<int>(state.range(0));
    const std::string first = Version('A', 5000), second = Version('B', 5120);
    std::string folder = (fs::temp_directory_path() / "dutywise-kill-XXXXXX").string();
    if (!mkdtemp(folder.data())) {
        state.SkipWithError("no temporary folder");
        return;
    }
    const std::string roster = folder + "/roster.rtf";
    std::ofstream(roster, std::ios::binary) << first;
    fs::create_hard_link(roster, folder + "/second-name.rtf");
    chmod(folder.c_str(), 0555);

    // How long one save takes, to spread the kills over a few of them.
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 20; ++i)
        (void)dutywise::WriteFileAtomically(roster, i % 2 ? first : second);
    const auto perSave = (std::chrono::steady_clock::now() - start) / 20;

    std::mt19937 random(20261208);
    int whole = 0, empty = 0, cut = 0, torn = 0;
    for (auto _ : state) {
        for (int k = 0; k < kills; ++k) {
            const pid_t child = fork();
            if (child == 0) {
                for (unsigned i = 0;; ++i)
                    (void)dutywise::WriteFileAtomically(roster, i % 2 ? first : second);
            }
            std::uniform_int_distribution<long long> delay(0, 3 * perSave.count());
            std::this_thread::sleep_for(decltype(perSave)(delay(random)));
            kill(child, SIGKILL);
            waitpid(child, nullptr, 0);
            const std::string left = Read(roster);
            if (left == first || left == second)
                ++whole;
            else if (left.empty())
                ++empty;
            else if (left.size() < first.size())
                ++cut;
            else
                ++torn;
        }
    }
    chmod(folder.c_str(), 0755);
    fs::remove_all(folder);
    state.counters["save_us"] = std::chrono::duration<double, std::micro>(perSave).count();
    state.counters["whole"] = whole;
    state.counters["empty"] = empty;
    state.counters["cut"] = cut;
    state.counters["torn"] = torn;
}

} // namespace

BENCHMARK(InPlaceSaveKilled)->Arg(100)->Iterations(1)->Unit(benchmark::kMillisecond);
