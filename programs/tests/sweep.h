// SPDX-License-Identifier: MIT
#pragma once

// What the hostile-input sweeps share: the bounds every click is held to, the slowest click
// for the log, and the report of a run's faults.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <string_view>

#include "window_rules.h"

namespace programs::testing {

using namespace std::chrono_literals;
using Duration = std::chrono::steady_clock::duration;

/// No click may take longer, in either build. The slowest clicks of the sweep, the dice game
/// reading a megabyte of digits as a bet, take some 20 ms, up to about 130 ms under the
/// sanitizers on a busy machine.
constexpr Duration kClickBound = 1s;
/// A click still running after this is taken for a hang and ends the run.
constexpr std::chrono::seconds kHangLimit{60};

/// The slowest click seen, for the log.
struct Slowest {
    Duration took{};
    std::string what;
    void note(Duration d, std::string description) {
        if (d > took) took = d, what = std::move(description);
    }
    void print(std::string_view suite) const {
        std::printf("%s: slowest click %.2f ms (%s)\n", std::string(suite).c_str(),
                    std::chrono::duration<double, std::milli>(took).count(), what.c_str());
    }
};

/// Fails the test with the first few faults.
inline void report(const Faults& faults) {
    constexpr std::size_t kShown = 8;
    for (std::size_t i = 0; i < faults.size() && i < kShown; ++i) ADD_FAILURE() << faults[i];
    if (faults.size() > kShown) ADD_FAILURE() << "and " << faults.size() - kShown << " more faults";
}

}  // namespace programs::testing
