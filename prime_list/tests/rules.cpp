// SPDX-License-Identifier: MIT
// What the first 100 primes must keep true under any input: the rules the hostile-input sweep
// and the monkey run check every click against, and the scene the sweep starts from.
#include <string>
#include <utility>
#include <vector>

#include "sweep_scene.h"
#include "window_rules.h"

namespace prime_list::tests {

using namespace programs::testing;

std::vector<Text> lines() {
    std::vector<Text> out;
    Text line;
    int found = 0;
    for (int n = 2; found < 100; ++n) {
        bool prime = true;
        for (int d = 2; d * d <= n; ++d) prime = prime && n % d != 0;
        if (!prime) continue;
        line += item(n);
        if (++found % 10 == 0) out.push_back(std::exchange(line, Text()));
    }
    return out;
}

void check(const Click& click, Faults& faults) {
    if (expect_success(click, "the primes", faults)) expect_lines(click, lines(), faults);
}

SweepScene sweep_scene() { return {press({"Command1"}), {}}; }

Rules rules() { return {.program = "luvesk", .printing = Printing::Appends, .check_click = check, .sweep = sweep_scene()}; }

}  // namespace prime_list::tests
