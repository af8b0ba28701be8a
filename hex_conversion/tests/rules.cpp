// SPDX-License-Identifier: MIT
// What hexadecimal conversion must keep true under any input: the rules the hostile-input sweep
// and the monkey run check every click against, and the scene the sweep starts from.
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "sweep_scene.h"
#include "window_rules.h"

namespace hex_conversion::tests {

using namespace programs::testing;

void check(const Click& click, Faults& faults) {
    const Text& typed = click.content_before("Text1");
    const std::optional<long long> n = read_whole(typed, Bits::ThirtyTwo);
    if (!n) return expect_report(click, ErrorKind::Overflow, "the number " + quoted(typed), faults);
    if (!expect_success(click, "the number " + quoted(typed), faults)) return;
    char digits[24];
    std::snprintf(digits, sizeof digits, "%llX", static_cast<unsigned long long>(*n < 0 ? -*n : *n));
    expect_caption(click, "Label1", (*n < 0 ? "-" : "") + Text(digits), faults);
}

SweepScene sweep_scene() { return {enter({{"Text1", "255"}}, "Command1"), {{"Text1", "255"}}}; }

Rules rules() {
    return {
        .program = "sarnic",
        .dialogs = {runtime_error_box(ErrorKind::Overflow)},
        .written = {"Label1"},
        .printing = Printing::Never,
        .check_click = check,
        .sweep = sweep_scene(),
        .longest_captions = {{"Label1", "-80000000"}},
    };
}

}  // namespace hex_conversion::tests
