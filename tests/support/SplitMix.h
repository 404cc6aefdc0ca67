#pragma once
// A fixed stream of well-spread numbers from a seed (splitmix64), for tests that make seeded
// random cases. Frozen: recorded expectations depend on every number it gives.

#include <cstdint>

namespace dutywise::testing {

class SplitMix64 {
public:
    explicit SplitMix64(std::uint64_t seed = 0) : state_(seed) {}
    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // 0 to n - 1, for n of at least 1.
    int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint64_t>(n)); }

private:
    std::uint64_t state_;
};

} // namespace dutywise::testing
