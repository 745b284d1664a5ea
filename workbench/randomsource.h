// The workbench's uniform pseudo-random integers, Qt-free. Seeded from the
// clock by default; tests seed it for repeatable draws.
#pragma once

#include <cstdint>
#include <random>

class RandomSource {
public:
    // Seeded from the system clock.
    RandomSource();
    explicit RandomSource(std::uint32_t seed) : engine_(seed) {}

    void seed(std::uint32_t seed) { engine_.seed(seed); }
    // A value drawn uniformly from lo..hi (both included); requires lo <= hi.
    int uniform(int lo, int hi);

private:
    std::mt19937 engine_;
};
