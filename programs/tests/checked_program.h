// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "all_programs.h"
#include "rt/testing/scripted_program.h"
#include "watchdog.h"
#include "window_rules.h"

namespace programs::testing {

/// A program run through the scripted host in which every click is timed and checked against
/// the program's rules, and every typed text against the text box's limit.
class CheckedProgram {
public:
    CheckedProgram(const ProgramModule& program, Watchdog& watchdog);

    /// Types into a text box; the fault, if the box does not hold the text cut to its limit.
    Faults type(std::string_view text_box, const rt::Text& text);
    /// Clicks a button. `answer` is what an InputBox the click opens returns (std::nullopt:
    /// Cancel). `what` says in a hang report what was being done.
    Faults click(std::string_view button, const std::optional<rt::Text>& answer, const std::string& what = "");

    rt::testing::ScriptedProgram& scripted() { return m_program; }
    const WindowState& state() const { return m_state; }
    /// How many clicks were delivered, and how many of them ended in a message or a report.
    struct Tally {
        long delivered = 0;
        long messages = 0;
        long reports = 0;
    };
    const Tally& tally() const { return m_tally; }
    /// True when the last click opened an InputBox.
    bool last_click_asked() const { return m_last_asked; }
    /// The processor time the last click used (see Watchdog::time).
    std::chrono::nanoseconds last_click() const { return m_last_click; }
    /// The buttons and the text boxes, in tab order.
    std::vector<std::string> controls_of(rt::ControlKind kind);

private:
    const Rules& m_rules;
    Watchdog& m_watchdog;
    rt::testing::ScriptedProgram m_program;
    WindowState m_state;
    std::chrono::nanoseconds m_last_click{};
    Tally m_tally;
    bool m_last_asked = false;
};

/// The names of the ten programs, in their usual order: the parameters of the whole-program sweeps.
std::vector<std::string_view> program_names();

}  // namespace programs::testing
