// SPDX-License-Identifier: MIT
// What digit matrix must keep true under any input: the rules the hostile-input sweep
// and the monkey run check every click against, and the scene the sweep starts from.
#include <optional>
#include <string>
#include <vector>

#include "sweep_scene.h"
#include "window_rules.h"

namespace digit_matrix::tests {

using namespace programs::testing;

const Text kSizeWrong = "请输入3-9范围内的整数";

void check(const Click& click, Faults& faults) {
    const Text& typed = click.content_before("Text1");
    const std::optional<long long> n = read_whole(typed, Bits::Sixteen);
    const std::string why = "the size " + quoted(typed);
    if (!n) return expect_report(click, ErrorKind::Overflow, why, faults);
    if (*n < 3 || *n > 9) return expect_message(click, kSizeWrong, why, faults);
    if (!expect_success(click, why, faults)) return;
    std::vector<Text> rows;
    for (long long i = 1; i <= *n; ++i) {
        Text row;
        for (long long p = 1; p <= *n; ++p) row += item((i + p - 2) % *n + 1);
        rows.push_back(row);
    }
    expect_figure(click, rows, faults);
}

SweepScene sweep_scene() { return {enter({{"Text1", "5"}}, "Command1"), {{"Text1", "5"}}}; }

Rules rules() {
    return {
        .program = "mondrel",
        .dialogs = {error_box(kSizeWrong), runtime_error_box(ErrorKind::Overflow)},
        .printing = Printing::Replaces,
        .check_click = check,
        .sweep = sweep_scene(),
    };
}

}  // namespace digit_matrix::tests
