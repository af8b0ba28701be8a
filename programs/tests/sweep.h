// SPDX-License-Identifier: MIT
#pragma once

// What the hostile-input sweeps share: the bound every click is held to, the slowest click
// for the log, and the report of a run's faults.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <string_view>

#include "window_rules.h"

namespace programs::testing {

using namespace std::chrono_literals;
using Duration = std::chrono::nanoseconds;

/// No click may use more processor time, in either build. The bound is on the processor time of
/// the thread that ran the click, not on the wall clock, so other processes on a busy machine do
/// not count against it. The slowest clicks, the dice game reading a megabyte of digits as a
/// bet, use some 25 ms, and 170 ms under the sanitizers (measured with the machine loaded to 17
/// on 2 cores; the monkey run's slowest click there, 200 ms): the bound is ten times that.
constexpr Duration kClickBound = 2s;

/// The click that used the most processor time, for the log.
struct Slowest {
    Duration took{};
    std::string what;
    void note(Duration d, std::string description) {
        if (d > took) took = d, what = std::move(description);
    }
    void print(std::string_view suite) const {
        std::printf("%s: slowest click %.2f ms of processor time (%s)\n", std::string(suite).c_str(),
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
