#include "workbench/randomsource.h"

#include <cassert>
#include <chrono>

RandomSource::RandomSource()
    : engine_(
          static_cast<std::uint32_t>(std::chrono::system_clock::now().time_since_epoch().count())) {
}

int RandomSource::uniform(int lo, int hi) {
    assert(lo <= hi);
    return std::uniform_int_distribution<int>(lo, hi)(engine_);
}
