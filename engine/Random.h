#pragma once
// The program's clock-seeded linear congruential generator.

#include <cstdint>
#include <optional>

namespace dutywise {

class Clock {
public:
    virtual ~Clock() = default;
    // The high-resolution counter, or nothing when it cannot be read.
    virtual std::optional<std::uint64_t> Counter() = 0;
    // Milliseconds since some fixed start (the fallback).
    virtual std::uint32_t Milliseconds() = 0;
};

// steady_clock's nanosecond count; its millisecond count as the fallback.
class SteadyClock final : public Clock {
public:
    std::optional<std::uint64_t> Counter() override;
    std::uint32_t Milliseconds() override;
};

class Generator {
public:
    explicit Generator(Clock& clock) : clock_(&clock) {}

    // seed := the counter's low 32 bits, or the millisecond count when it cannot be read.
    void ReseedFromClock();
    // seed := seed * 134775813 + 1 (mod 2^32); returns floor(seed * n / 2^32), n taken unsigned.
    std::uint32_t RandomBelow(std::int32_t n);
    // ReseedFromClock followed at once by RandomBelow.
    std::uint32_t Draw(std::int32_t n) {
        ReseedFromClock();
        return RandomBelow(n);
    }

    std::uint32_t Seed() const { return seed_; }
    void SetSeed(std::uint32_t seed) { seed_ = seed; }

private:
    Clock* clock_;
    std::uint32_t seed_ = 0;
};

// The one generator of the program, on the real clock; shared by the build and the suggestions.
Generator& ProgramGenerator();

} // namespace dutywise
