// SPDX-License-Identifier: MIT
// What a random permutation of the digits must keep true under any input: the rules the hostile-input sweep
// and the monkey run check every click against, and the scene the sweep starts from.
#include <algorithm>
#include <string>
#include <vector>

#include "sweep_scene.h"
#include "window_rules.h"

namespace random_permutation::tests {

using namespace programs::testing;

void check(const Click& click, Faults& faults) {
    if (!expect_success(click, "a permutation", faults)) return;
    const std::span<const Text> added = click.new_lines();
    if (added.size() != 1) return faults.push_back("the click printed " + std::to_string(added.size()) + " lines");
    // Ten items " d ": twenty blanks and each digit once.
    Text sorted = added[0];
    std::sort(sorted.begin(), sorted.end());
    if (sorted != Text(20, ' ') + "0123456789")
        return faults.push_back("the click printed no line of the ten digits: " + quoted(added[0]));
    for (std::size_t i = 0; i < 10; ++i)
        if (added[0][3 * i] != ' ' || added[0][3 * i + 2] != ' ')
            return faults.push_back("the digits are not printed as number items: " + quoted(added[0]));
}

SweepScene sweep_scene() { return {press({"Command1"}), {}}; }

Rules rules() { return {.program = "farrowd", .printing = Printing::Appends, .check_click = check, .sweep = sweep_scene()}; }

}  // namespace random_permutation::tests
