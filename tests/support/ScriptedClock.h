#pragma once
// Clocks for driving the random generator from tests.

#include <cstdint>
#include <deque>
#include <initializer_list>
#include <optional>

#include "Random.h"
#include "SplitMix.h"

namespace dutywise::testing {

// The generator's multiplier and its inverse modulo 2^32.
inline constexpr std::uint32_t kMultiplier = 134775813u;
inline constexpr std::uint32_t kInverseMultiplier = 0xD94FA8CDu;
static_assert(kMultiplier * kInverseMultiplier == 1u);

// A counter reading whose draw with bound n (re-seed, then RandomBelow(n)) yields `value`: the
// middle of the seeds that give it.
inline std::uint32_t CounterYielding(std::uint32_t n, std::uint32_t value) {
    const auto next = static_cast<std::uint32_t>(((2ull * value + 1) << 31) / n);
    return (next - 1u) * kInverseMultiplier;
}

// Hands out scripted counter readings first; once they run out it goes on with a fixed
// pseudo-random walk, so re-draw loops always see the clock move. It can also refuse to give a
// counter, leaving the generator to the millisecond count.
class ScriptedClock final : public Clock {
public:
    ScriptedClock() = default;
    explicit ScriptedClock(std::uint64_t walkStart) : walk_(walkStart) {}

    // Readings that make successive draws with bound n yield the given values.
    void ScriptDraws(std::uint32_t n, std::initializer_list<std::uint32_t> values) {
        for (std::uint32_t v : values)
            counters.push_back(CounterYielding(n, v));
    }

    std::optional<std::uint64_t> Counter() override {
        ++counterReads;
        if (counterFails)
            return std::nullopt;
        if (!counters.empty()) {
            const std::uint64_t value = counters.front();
            counters.pop_front();
            return value;
        }
        return NextWalk();
    }
    std::uint32_t Milliseconds() override {
        ++millisecondReads;
        return milliseconds;
    }

    std::deque<std::uint64_t> counters;
    bool counterFails = false;
    std::uint32_t milliseconds = 0;
    int counterReads = 0;
    int millisecondReads = 0;

private:
    // Evenly spread readings that never settle.
    std::uint64_t NextWalk() { return walk_.Next(); }
    SplitMix64 walk_;
};

} // namespace dutywise::testing
