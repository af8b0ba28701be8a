// SPDX-License-Identifier: MIT
#include "window_rules.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <regex>

#include "rt/conversions.h"
#include "rt/testing/scripted_program.h"

namespace programs::testing {

using rt::testing::ShownDialog;

// ---------------------------------------------------------------------------------------------
// The window before and after a click.

namespace {

ControlState state_of(const rt::Control& control) {
    return {control.content(), control.enabled(), control.fore_color()};
}

bool contains(const std::vector<std::string>& names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

WindowState WindowState::of(const rt::Form& form) {
    WindowState state;
    state.update(form);
    return state;
}

void WindowState::update(const rt::Form& form) {
    for (const auto& control : form.controls()) controls.insert_or_assign(control->name(), state_of(*control));
    const std::vector<Text>& now = form.printed().ended_lines();
    const bool grew = now.size() >= lines.size() && std::equal(lines.begin(), lines.end(), now.begin());
    if (grew)
        lines.insert(lines.end(), now.begin() + static_cast<std::ptrdiff_t>(lines.size()), now.end());
    else
        lines = now;
    current_line = form.printed().current_line();
}

const ControlState& WindowState::control(std::string_view name) const {
    const auto found = controls.find(name);
    if (found == controls.end()) throw std::out_of_range("no control " + std::string(name));
    return found->second;
}

std::optional<ShownDialog> Click::message() const {
    for (const ShownDialog& dialog : dialogs)
        if (dialog.kind == ShownDialog::Kind::MsgBox) return dialog;
    return std::nullopt;
}

bool Click::showed(const Text& prompt) const { return message() == error_box(prompt); }

bool Click::reported(ErrorKind kind) const { return message() == runtime_error_box(kind); }

std::span<const Text> Click::new_lines() const {
    const std::vector<Text>& now = after.printed().ended_lines();
    if (now.size() < before.lines.size()) return {};
    return std::span<const Text>(now).subspan(before.lines.size());
}

std::string visible(std::string_view text) {
    constexpr std::size_t kShown = 60;
    std::string out;
    for (std::size_t pos = 0; pos < text.size() && pos < kShown;) {
        const std::size_t size = rt::char_size(text, pos);
        const auto byte = static_cast<unsigned char>(text[pos]);
        if (size == 1 && (byte < 0x20 || byte >= 0x7F)) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            out += escaped;
        } else {
            out += text.substr(pos, size);
        }
        pos += size;
    }
    if (text.size() > kShown) out += "... (" + std::to_string(text.size()) + " bytes)";
    return out;
}

std::string describe(const ShownDialog& dialog) {
    const bool box = dialog.kind == ShownDialog::Kind::MsgBox;
    return std::string(box ? "MsgBox" : "InputBox") + " \"" + visible(dialog.prompt) + "\" titled \"" +
           visible(dialog.title) + "\"";
}

std::string quoted(std::string_view text) { return "\"" + visible(text) + "\""; }

// ---------------------------------------------------------------------------------------------
// What the programs' rules share.

std::optional<long long> whole(const Text& text) {
    static const std::regex kWhole("-?(0|[1-9][0-9]{0,17})");
    if (!std::regex_match(text, kWhole) || text == "-0") return std::nullopt;
    return std::stoll(text);
}

Text item(long long n) { return n < 0 ? std::to_string(n) + " " : " " + std::to_string(n) + " "; }

std::optional<long long> read_whole(const Text& text, Bits bits) {
    try {
        const rt::Float64 value = rt::Val(text);
        return bits == Bits::Sixteen ? rt::FpI2(value).value() : rt::FpI4(value).value();
    } catch (const rt::RuntimeError& e) {
        if (e.kind() != ErrorKind::Overflow) throw;
        return std::nullopt;
    }
}
std::optional<double> read_number(const Text& text) {
    try {
        return rt::Val(text).value();
    } catch (const rt::RuntimeError& e) {
        if (e.kind() != ErrorKind::Overflow) throw;
        return std::nullopt;
    }
}

/// Expects the click to have ended with the given report.
void expect_report(const Click& click, ErrorKind kind, const std::string& why, Faults& faults) {
    if (!click.reported(kind))
        faults.push_back(why + ": expected the report \"" + rt::error_prompt(kind) + "\", saw " +
                         (click.message() ? describe(*click.message()) : "none"));
}
void expect_message(const Click& click, const Text& prompt, const std::string& why, Faults& faults) {
    if (!click.showed(prompt))
        faults.push_back(why + ": expected the message \"" + prompt + "\", saw " +
                         (click.message() ? describe(*click.message()) : "none"));
}
/// Expects a click that shows no message.
bool expect_success(const Click& click, const std::string& why, Faults& faults) {
    if (!click.message()) return true;
    faults.push_back(why + ": no message expected, saw " + describe(*click.message()));
    return false;
}
void expect_caption(const Click& click, std::string_view name, const Text& expected, Faults& faults) {
    if (click.content_after(name) != expected)
        faults.push_back(std::string(name) + " shows " + quoted(click.content_after(name)) + ", expected " +
                         quoted(expected));
}
void expect_lines(const Click& click, const std::vector<Text>& expected, Faults& faults) {
    const std::span<const Text> added = click.new_lines();
    if (!std::equal(added.begin(), added.end(), expected.begin(), expected.end())) {
        std::string seen;
        for (const Text& line : added) seen += quoted(line) + " ";
        faults.push_back("printed " + std::to_string(added.size()) + " lines " + seen + "instead of " +
                         std::to_string(expected.size()) + (expected.empty() ? "" : ", the first " + quoted(expected[0])));
    }
}
void expect_figure(const Click& click, const std::vector<Text>& expected, Faults& faults) {
    const std::vector<Text>& lines = click.after.printed().ended_lines();
    if (lines != expected || !click.after.printed().current_line().empty())
        faults.push_back("the window does not show exactly the expected figure of " + std::to_string(expected.size()) +
                         " lines (it has " + std::to_string(lines.size()) + ")");
}


// ---------------------------------------------------------------------------------------------

Faults check(const Rules& rules, const Click& click) {
    Faults faults;
    const rt::PrintedText& printed = click.after.printed();
    const bool printed_unchanged =
        click.before.lines == printed.ended_lines() && click.before.current_line == printed.current_line();
    auto changed = [&](const std::string& name, const ControlState& before) {
        return before != state_of(click.after.find(name));
    };

    if (!click.before.control(click.button).enabled) {
        // A disabled button delivers nothing.
        if (!click.dialogs.empty()) faults.push_back("the disabled button opened " + describe(click.dialogs[0]));
        for (const auto& [name, state] : click.before.controls)
            if (changed(name, state)) faults.push_back("the disabled button changed " + name);
        if (!printed_unchanged) faults.push_back("the disabled button printed");
        return faults;
    }

    int boxes = 0;
    for (const ShownDialog& dialog : click.dialogs) {
        if (std::find(rules.dialogs.begin(), rules.dialogs.end(), dialog) == rules.dialogs.end())
            faults.push_back("opened " + describe(dialog) + ", which the program never shows");
        if (dialog.kind == ShownDialog::Kind::MsgBox) ++boxes;
    }
    if (boxes > 1) faults.push_back("showed " + std::to_string(boxes) + " message boxes in one click");

    for (const auto& [name, state] : click.before.controls)
        if (!contains(rules.written, name) && changed(name, state))
            faults.push_back(name + " changed from " + quoted(state.content) + " to " +
                             quoted(click.after.find(name).content()) + ", though no handler writes it");

    // A click that ends in a message or a report takes nothing away: whatever it did before
    // failing is limited to the controls its rules name.
    if (click.message()) {
        for (const auto& [name, state] : click.before.controls)
            if (!contains(rules.written_before_failure, name) && changed(name, state))
                faults.push_back(name + " changed from " + quoted(state.content) + " to " +
                                 quoted(click.after.find(name).content()) + " in a click that failed");
        if (!printed_unchanged) faults.push_back("a click that failed changed the printed text");
    }

    switch (rules.printing) {
        case Printing::Never:
            if (!printed.ended_lines().empty() || !printed.current_line().empty())
                faults.push_back("the program printed on its window");
            break;
        case Printing::Appends: {
            const std::vector<Text>& now = printed.ended_lines();
            if (now.size() < click.before.lines.size() ||
                !std::equal(click.before.lines.begin(), click.before.lines.end(), now.begin()))
                faults.push_back("earlier printed lines were lost or changed");
            if (!printed.current_line().empty()) faults.push_back("a printed line was left unended");
            break;
        }
        case Printing::Replaces: break;  // the program's own check compares the whole figure
    }

    rules.check_click(click, faults);
    return faults;
}

}  // namespace programs::testing
