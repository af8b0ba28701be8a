// SPDX-License-Identifier: MIT
// What digit rearrangement must keep true under any input: the rules the hostile-input sweep
// and the monkey run check every click against, and the scene the sweep starts from.
#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "sweep_scene.h"
#include "window_rules.h"

namespace digit_rearrangement::tests {

using namespace programs::testing;

void check(const Click& click, Faults& faults) {
    const Text& typed = click.content_before("Text1");
    const std::optional<long long> n = read_whole(typed, Bits::ThirtyTwo);
    const std::string why = "the number " + quoted(typed);
    if (!n) return expect_report(click, ErrorKind::Overflow, why, faults);
    if (*n <= 0) return expect_report(click, ErrorKind::SubscriptOutOfRange, why, faults);
    std::string digits = std::to_string(*n);
    std::sort(digits.begin(), digits.end());
    const long long smallest = std::stoll(digits);
    std::sort(digits.rbegin(), digits.rend());
    const long long largest = std::stoll(digits);
    if (largest > INT32_MAX) return expect_report(click, ErrorKind::Overflow, why + " (largest arrangement)", faults);
    if (!expect_success(click, why, faults)) return;
    expect_lines(click,
                 {item(*n) + "能组成的最大数字与最小数字之差为" + item(largest) + "-" + item(smallest) + "=" +
                  item(largest - smallest)},
                 faults);
}

SweepScene sweep_scene() { return {enter({{"Text1", "2018"}}, "Command1"), {{"Text1", "2018"}}}; }

Rules rules() {
    return {
        .program = "quennet",
        .dialogs = {runtime_error_box(ErrorKind::Overflow), runtime_error_box(ErrorKind::SubscriptOutOfRange)},
        .written = {},
        .written_before_failure = {},
        .printing = Printing::Appends,
        .check_click = check,
        .sweep = sweep_scene(),
    };
}

}  // namespace digit_rearrangement::tests
