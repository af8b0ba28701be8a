// SPDX-License-Identifier: MIT
// What star patterns must keep true under any input: the rules the hostile-input sweep
// and the monkey run check every click against, and the scene the sweep starts from.
#include <string>
#include <vector>

#include "sweep_scene.h"
#include "window_rules.h"

namespace star_patterns::tests {

using namespace programs::testing;

/// A line of the triangles and the solid diamond: blanks, then stars.
Text line(int blanks, int stars) { return Text(blanks, ' ') + Text(stars, '*'); }

std::vector<Text> figure(int button) {
    std::vector<Text> lines;
    for (int i = 1; i <= 11; ++i) {
        const int w = i <= 6 ? i : 12 - i;  // the diamonds' half-width
        switch (button) {
            case 1: lines.push_back(line(11 - i, 2 * i - 1)); break;
            case 2: lines.push_back(line(i - 1, 2 * (11 - i) + 1)); break;
            case 3: lines.push_back(line(6 - w, 2 * w - 1)); break;
            default: {
                Text hollow(21, ' ');
                hollow[6 - w] = '*';
                hollow[4 + w] = '*';
                lines.push_back(hollow);
            }
        }
    }
    return lines;
}

void check(const Click& click, Faults& faults) {
    if (!expect_success(click, "a figure", faults)) return;
    expect_figure(click, figure(click.button.back() - '0'), faults);
}

SweepScene sweep_scene() { return {press({"Command4"}), {}}; }

Rules rules() {
    return {.program = "brasky", .printing = Printing::Replaces, .check_click = check, .sweep = sweep_scene()};
}

}  // namespace star_patterns::tests
