// SPDX-License-Identifier: MIT
#include "checked_program.h"

namespace programs::testing {

CheckedProgram::CheckedProgram(const ProgramModule& program, Watchdog& watchdog)
    : m_rules(rules_for(program.name)),
      m_watchdog(watchdog),
      m_program(program.description(), program.make_module),
      m_state(WindowState::of(m_program.form())) {}

std::vector<std::string> CheckedProgram::controls_of(rt::ControlKind kind) {
    std::vector<std::string> names;
    for (const auto& control : m_program.form().controls())
        if (control->kind() == kind) names.push_back(control->name());
    return names;
}

Faults CheckedProgram::type(std::string_view text_box, const rt::Text& text) {
    m_program.type(text_box, text);
    // A box holds the first characters of what was typed, up to its limit.
    const int limit = m_program.form().control<rt::TextBox>(text_box).max_length();
    std::size_t kept = 0;
    for (int count = 0; count < limit && kept < text.size(); ++count) kept += rt::char_size(text, kept);
    Faults faults;
    if (m_program.text(text_box) != text.substr(0, kept))
        faults.push_back(std::string(text_box) + " does not hold the first " + std::to_string(limit) +
                         " characters of " + visible(text));
    m_state.update(m_program.form());
    return faults;
}

namespace {

/// Answers each InputBox of a click the moment it opens, as the user would, and notes the
/// answer; it stays ready for the click's next dialog.
struct Answerer {
    rt::testing::ScriptedHost* host;
    std::optional<rt::Text> answer;
    std::optional<rt::Text>* given;
    void operator()() const {
        if (host->dialogs().back().kind == rt::testing::ShownDialog::Kind::InputBox) {
            host->answer(answer);
            *given = answer.value_or(rt::Text());
        }
        host->while_dialog_open(*this);
    }
};

}  // namespace

Faults CheckedProgram::click(std::string_view button, const std::optional<rt::Text>& answer, const std::string& what) {
    rt::testing::ScriptedHost& host = m_program.host();
    host.forget();
    std::optional<rt::Text> given;
    host.while_dialog_open(Answerer{&host, answer, &given});
    m_last_click = m_watchdog.time(std::string(m_rules.program) + " " + std::string(button) + " " + what,
                                   [&] { m_program.click(button); });
    host.while_dialog_open(nullptr);
    m_last_asked = given.has_value();
    const Click click{button, m_state, m_program.form(), host.dialogs(), given};
    Faults faults = check(m_rules, click);
    if (m_state.control(button).enabled) ++m_tally.delivered;
    if (const auto message = click.message()) ++(message->title == "错误" ? m_tally.messages : m_tally.reports);
    m_state.update(m_program.form());
    return faults;
}

std::vector<std::string_view> program_names() {
    std::vector<std::string_view> names;
    for (const ProgramModule& program : all()) names.push_back(program.name);
    return names;
}

}  // namespace programs::testing
