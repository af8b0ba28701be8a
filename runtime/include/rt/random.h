// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <cstdint>

#include "rt/services.h"

namespace rt {

/// The runtime's generator: a 64-bit state mixed by SplitMix64, each value 24 random bits
/// scaled into [0, 1), so the largest value is the largest 32-bit float below 1.
class Generator final : public RandomSource {
public:
    /// Seeded from the clock, so that a program that never calls Randomize still varies.
    Generator();
    /// Every bit of the seed matters: two seeds a microsecond apart start different sequences.
    void Randomize(Float64 seed) override;
    Float32 RandomNext() override;

private:
    std::uint64_t m_state;
};

/// The local time of day from the system clock.
class SystemClock final : public Clock {
public:
    Float64 time_of_day() override;
};

}  // namespace rt
