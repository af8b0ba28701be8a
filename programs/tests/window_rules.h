// SPDX-License-Identifier: MIT
#pragma once

// What every program's window must keep true whatever the user types and clicks: the dialogs
// it may show, the controls its handlers may change, how its printed text may change, and what
// each button's click must leave on the window. The hostile-input sweep and the monkey run
// check every click they make against these rules.

#include <functional>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "rt/form.h"
#include "rt/testing/scripted_host.h"
#include "rt/testing/scripted_program.h"

namespace programs::testing {

// The names every program's rules use.
using rt::ErrorKind;
using rt::Text;
using rt::testing::error_box;
using rt::testing::input_box;
using rt::testing::runtime_error_box;

/// What one control shows.
struct ControlState {
    rt::Text content;
    bool enabled = true;
    rt::Color fore_color;
    friend bool operator==(const ControlState&, const ControlState&) = default;
};

/// Everything a window shows: its controls and its printed text.
struct WindowState {
    std::map<std::string, ControlState, std::less<>> controls;
    std::vector<rt::Text> lines;  ///< the ended printed lines
    rt::Text current_line;        ///< the printed line in progress

    static WindowState of(const rt::Form& form);
    /// Takes on what the form shows now. Printed lines that only grew are appended, not copied
    /// again, so that a long run over a program that prints a lot stays quick.
    void update(const rt::Form& form);
    const ControlState& control(std::string_view name) const;
};

/// One click as it happened.
struct Click {
    std::string_view button;
    const WindowState& before;
    const rt::Form& after;
    /// The dialogs the click opened, in order.
    std::span<const rt::testing::ShownDialog> dialogs;
    /// The text the click's InputBox returned, if it opened one.
    std::optional<rt::Text> answer;

    const rt::Text& content_before(std::string_view name) const { return before.control(name).content; }
    const rt::Text& content_after(std::string_view name) const { return after.find(name).content(); }
    /// The one MsgBox the click showed, if any: a message of the program or an error report.
    std::optional<rt::testing::ShownDialog> message() const;
    /// True when the click showed the program's message with this prompt.
    bool showed(const rt::Text& prompt) const;
    /// True when the click ended with the runtime's report of this error.
    bool reported(rt::ErrorKind kind) const;
    /// The printed lines the click added to those there before.
    std::span<const rt::Text> new_lines() const;
};

/// The faults found in one click, each a sentence.
using Faults = std::vector<std::string>;

/// How a program's printed text may change.
enum class Printing {
    Never,    ///< nothing is ever printed
    Appends,  ///< whole lines are added below the earlier ones, which stay as they are
    Replaces  ///< one whole figure or matrix replaces what was printed
};

class CheckedProgram;

/// Where the hostile-input sweep starts: what a user has done before the hostile text arrives,
/// so that the window holds something to lose, and a sound text for each text box, for the
/// runs in which another box gets the hostile text.
struct SweepScene {
    std::function<void(CheckedProgram&, Faults&)> prepare;
    std::map<std::string, rt::Text, std::less<>> sound;
};

/// The rules of one program's window (each program's folder has its own, in tests/rules.cpp).
struct Rules {
    std::string_view program;
    /// The only dialogs the program may open: its InputBoxes, its messages, the runtime's
    /// reports of the errors it can run into.
    std::vector<rt::testing::ShownDialog> dialogs{};
    /// The controls the handlers change; every other control always keeps what it shows.
    std::vector<std::string> written{};
    /// The controls a click changes even when it then fails with a message or a report;
    /// every other control, and the printed text, stays as it was.
    std::vector<std::string> written_before_failure{};
    Printing printing = Printing::Never;
    /// What a delivered click must have done, judged from the window before and after it.
    std::function<void(const Click&, Faults&)> check_click{};
    SweepScene sweep{};
    /// The answers its InputBoxes take, which the monkey gives often.
    std::vector<rt::Text> answers{};
    /// The longest texts its labels show, which the real window's labels must fit:
    /// {label, text}.
    std::vector<std::pair<std::string, rt::Text>> longest_captions{};
};

/// The rules of the named program (one of programs::all()).
const Rules& rules_for(std::string_view program);

/// Checks one click against the program's rules: a click on a disabled button does nothing,
/// only the allowed dialogs show, nothing is lost, and the click did what its button does.
Faults check(const Rules& rules, const Click& click);

/// A text as a reader of a failure message can see it: control characters, bytes that are not
/// UTF-8 and long texts made visible and short.
std::string visible(std::string_view text);
/// The text made visible, in quotes.
std::string quoted(std::string_view text);
/// A dialog as a failure message names it.
std::string describe(const rt::testing::ShownDialog& dialog);

// What the programs' rules share: an independent reckoning of what the programs show, in plain
// C++ arithmetic. Only the reading of a typed number is left to the runtime's Val and
// rounding, which their own tests and the fuzz targets check.

/// The whole number a text holds, in the plain decimal form the programs write.
std::optional<long long> whole(const rt::Text& text);
/// A number as Print writes it: a blank or "-", the digits, one blank.
rt::Text item(long long n);
/// The number a program reads from a typed text: the runtime's Val (the rule for reading
/// typed numbers), then rounded into 16 or 32 bits. std::nullopt where that raises Overflow.
enum class Bits { Sixteen, ThirtyTwo };
std::optional<long long> read_whole(const rt::Text& text, Bits bits);
/// Val of the text; std::nullopt where that raises Overflow.
std::optional<double> read_number(const rt::Text& text);

/// Expects the click to have ended with the runtime's report of this error.
void expect_report(const Click& click, rt::ErrorKind kind, const std::string& why, Faults& faults);
/// Expects the click to have shown the program's message with this prompt.
void expect_message(const Click& click, const rt::Text& prompt, const std::string& why, Faults& faults);
/// Expects a click that shows no message; false when it showed one.
bool expect_success(const Click& click, const std::string& why, Faults& faults);
/// Expects the control to show this text after the click.
void expect_caption(const Click& click, std::string_view name, const rt::Text& expected, Faults& faults);
/// Expects the click to have printed exactly these lines below the earlier ones.
void expect_lines(const Click& click, const std::vector<rt::Text>& expected, Faults& faults);
/// Expects the window to show exactly this figure and nothing else.
void expect_figure(const Click& click, const std::vector<rt::Text>& expected, Faults& faults);

}  // namespace programs::testing
