#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "Random.h"
#include "ScriptedClock.h"

namespace dutywise::testing {
namespace {

std::uint32_t AfterSeed(std::uint32_t seed, std::int32_t n) {
    ScriptedClock clock;
    Generator random(clock);
    random.SetSeed(seed);
    return random.RandomBelow(n);
}

TEST(Generator, KnownSeedsGiveKnownValues) {
    EXPECT_EQ(AfterSeed(0, 100), 0u);
    EXPECT_EQ(AfterSeed(1, 100), 3u);
    EXPECT_EQ(AfterSeed(0x23456789u, 10), 9u);
    EXPECT_EQ(AfterSeed(0xFFFFFFFFu, 7), 6u); // the step wraps modulo 2^32
    // A bound near the top of the signed range: the product needs all 64 bits.
    EXPECT_EQ(AfterSeed(123456789u, 2147483647), 1167649460u);
}

TEST(Generator, SeedAdvancesOneStepPerValue) {
    ScriptedClock clock;
    Generator random(clock);
    random.SetSeed(2024);
    std::vector<std::uint32_t> values;
    for (int i = 0; i < 5; ++i)
        values.push_back(random.RandomBelow(1000));
    EXPECT_EQ(values, (std::vector<std::uint32_t>{512, 280, 122, 571, 308}));
    EXPECT_EQ(random.Seed(), 0x4F0ECE15u);
}

TEST(Generator, BoundsOfZeroAndOneGiveZeroButStillAdvance) {
    ScriptedClock clock;
    Generator random(clock);
    random.SetSeed(42);
    EXPECT_EQ(random.RandomBelow(0), 0u);
    EXPECT_EQ(random.Seed(), 0x5165A8D3u);
    EXPECT_EQ(random.RandomBelow(1), 0u);
}

TEST(Generator, ReseedTakesTheCounterLow32Bits) {
    ScriptedClock clock;
    clock.counters = {0x1'2345'6789ull};
    Generator random(clock);
    random.ReseedFromClock();
    EXPECT_EQ(random.Seed(), 0x23456789u);
    EXPECT_EQ(clock.millisecondReads, 0);
}

TEST(Generator, ReseedFallsBackToMillisecondsWhenTheCounterFails) {
    ScriptedClock clock;
    clock.counterFails = true;
    clock.milliseconds = 987654;
    Generator random(clock);
    random.ReseedFromClock();
    EXPECT_EQ(random.Seed(), 987654u);

    // A frozen millisecond count gives the same draw every time.
    const std::uint32_t first = random.Draw(50);
    EXPECT_EQ(random.Draw(50), first);
}

TEST(Generator, ScriptedReadingsYieldTheWantedDraws) {
    ScriptedClock clock;
    Generator random(clock);
    for (std::uint32_t n : {1u, 2u, 3u, 7u, 255u}) {
        for (std::uint32_t v = 0; v < n; ++v) {
            clock.counters.push_back(CounterYielding(n, v));
            EXPECT_EQ(random.Draw(static_cast<std::int32_t>(n)), v) << n;
        }
    }
}

TEST(Generator, SteadyClockReadsAndMoves) {
    SteadyClock clock;
    const auto first = clock.Counter();
    ASSERT_TRUE(first.has_value());
    std::uint64_t later = *first;
    for (int i = 0; i < 1000000 && later == *first; ++i)
        later = *clock.Counter();
    EXPECT_GT(later, *first);
}

} // namespace
} // namespace dutywise::testing
