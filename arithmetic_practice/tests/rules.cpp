// SPDX-License-Identifier: MIT
// What the arithmetic practice tool must keep true under any input: the rules the hostile-input sweep
// and the monkey run check every click against, and the scene the sweep starts from.
#include <cmath>
#include <cstdlib>
#include <optional>
#include <regex>
#include <string>
#include <vector>

#include "sweep_scene.h"
#include "window_rules.h"

namespace arithmetic_practice::tests {

using namespace programs::testing;

void check(const Click& click, Faults& faults) {
    for (const char* operand : {"Text1", "Text2"}) {
        if (click.button == "Command1") {
            const std::optional<long long> value = whole(click.content_after(operand));
            if (!value || *value < 100 || *value > 500)
                faults.push_back(std::string(operand) + " got the operand " + quoted(click.content_after(operand)));
        } else if (click.content_after(operand) != click.content_before(operand)) {
            faults.push_back("an operation changed " + std::string(operand));
        }
    }
    if (click.button == "Command1") {
        expect_success(click, "new operands", faults);
        expect_caption(click, "Label1", click.content_before("Label1"), faults);
        expect_caption(click, "Text3", click.content_before("Text3"), faults);
        return;
    }

    const char* ops[] = {"+", "-", "*", "/"};
    const int op = click.button.back() - '2';
    if (op < 0 || op > 3) return faults.push_back("no such button " + std::string(click.button));
    expect_caption(click, "Label1", ops[op], faults);

    const std::optional<double> a = read_number(click.content_before("Text1"));
    const std::optional<double> b = read_number(click.content_before("Text2"));
    const std::string why = quoted(click.content_before("Text1")) + " " + ops[op] + " " +
                            quoted(click.content_before("Text2"));
    if (!a || !b) return expect_report(click, ErrorKind::Overflow, why + " (an operand beyond the range)", faults);
    // Zero over zero is an invalid operation, any other number over zero a division by zero.
    if (op == 3 && *b == 0)
        return expect_report(click, *a == 0 ? ErrorKind::FloatingPoint : ErrorKind::DivisionByZero, why, faults);
    const double r = op == 0 ? *a + *b : op == 1 ? *a - *b : op == 2 ? *a * *b : *a / *b;
    if (!std::isfinite(r)) return expect_report(click, ErrorKind::Overflow, why, faults);
    if (!expect_success(click, why, faults)) return;

    // Text3 must show the result as a plain number: never "inf", "nan" or a digit count that
    // strays from the value. Fifteen significant digits, or three decimals for the quotient.
    const Text& shown = click.content_after("Text3");
    static const std::regex kReal("-?(0|[1-9][0-9]*)(\\.[0-9]*[1-9])?(E[+-][0-9]{2,3})?");
    static const std::regex kQuotient("-?[0-9]+(\\.[0-9]{1,3})?");
    const bool written_well = std::regex_match(shown, op == 3 ? kQuotient : kReal) && shown != "-0";
    // Read in long double: fifteen digits of the largest double round beyond its range.
    const long double value = written_well ? std::strtold(shown.c_str(), nullptr) : NAN;
    const long double tolerance = (op == 3 ? 0.0005L : 0.0L) + 1e-14L * std::fabs(r) + 1e-300L;
    if (!written_well || !(std::fabs(value - r) <= tolerance))
        faults.push_back(why + " shows " + quoted(shown) + ", the value is " + std::to_string(r));
}

SweepScene sweep_scene() {
    // Two operands added, then new operands drawn.
    return {[](CheckedProgram& p, Faults& faults) {
                add(faults, p.type("Text1", "228"));
                add(faults, p.type("Text2", "246"));
                add(faults, p.click("Command2", std::nullopt));
                add(faults, p.click("Command1", std::nullopt));
            },
            {{"Text1", "228"}, {"Text2", "246"}, {"Text3", "474"}}};
}

Rules rules() {
    return {
        .program = "tilbry",
        .dialogs = {runtime_error_box(ErrorKind::Overflow), runtime_error_box(ErrorKind::DivisionByZero),
                    runtime_error_box(ErrorKind::FloatingPoint)},
        .written = {"Label1", "Text1", "Text2", "Text3"},
        // The operator shows before the computation that may fail.
        .written_before_failure = {"Label1"},
        .printing = Printing::Never,
        .check_click = check,
        .sweep = sweep_scene(),
        .longest_captions = {{"Label1", "+"}, {"Label1", "*"}},
    };
}

}  // namespace arithmetic_practice::tests
