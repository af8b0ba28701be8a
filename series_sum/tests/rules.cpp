// SPDX-License-Identifier: MIT
// What series sum must keep true under any input: the rules the hostile-input sweep
// and the monkey run check every click against, and the scene the sweep starts from.
#include <optional>
#include <string>
#include <vector>

#include "sweep_scene.h"
#include "window_rules.h"

namespace series_sum::tests {

using namespace programs::testing;

const Text kOutOfRange = "输入的数据超出范围";

void check(const Click& click, Faults& faults) {
    const Text& typed = click.content_before("Text1");
    const std::optional<long long> terms = read_whole(typed, Bits::Sixteen);
    const std::string why = "the number of terms " + quoted(typed);
    if (!terms) return expect_report(click, ErrorKind::Overflow, why, faults);
    if (*terms < 1 || *terms > 10) return expect_message(click, kOutOfRange, why, faults);
    if (!expect_success(click, why, faults)) return;
    long long term = 0;
    long long total = 0;
    for (long long i = 1; i <= *terms; ++i) {
        term = term * 10 + i;
        total += term;
    }
    expect_lines(click, {item(*terms) + "项的和是 " + item(total)}, faults);
}

SweepScene sweep_scene() { return {enter({{"Text1", "3"}}, "Command1"), {{"Text1", "3"}}}; }

Rules rules() {
    return {
        .program = "pellow",
        .dialogs = {error_box(kOutOfRange), runtime_error_box(ErrorKind::Overflow)},
        .printing = Printing::Appends,
        .check_click = check,
        .sweep = sweep_scene(),
    };
}

}  // namespace series_sum::tests
