#include "Random.h"

#include <chrono>

namespace dutywise {

namespace {

std::uint64_t SteadyNanoseconds() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
}

} // namespace

std::optional<std::uint64_t> SteadyClock::Counter() {
    return SteadyNanoseconds();
}

std::uint32_t SteadyClock::Milliseconds() {
    // Wraps like a 32-bit tick count.
    return static_cast<std::uint32_t>(SteadyNanoseconds() / 1'000'000u);
}

void Generator::ReseedFromClock() {
    if (const std::optional<std::uint64_t> counter = clock_->Counter())
        seed_ = static_cast<std::uint32_t>(*counter);
    else
        seed_ = clock_->Milliseconds();
}

std::uint32_t Generator::RandomBelow(std::int32_t n) {
    // Unsigned arithmetic wraps modulo 2^32 exactly, which is the generator's definition.
    seed_ = seed_ * 134775813u + 1u;
    const std::uint64_t product = static_cast<std::uint64_t>(seed_) * static_cast<std::uint32_t>(n);
    return static_cast<std::uint32_t>(product >> 32);
}

Generator& ProgramGenerator() {
    static SteadyClock clock;
    static Generator generator(clock);
    return generator;
}

} // namespace dutywise
