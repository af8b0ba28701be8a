// SPDX-License-Identifier: MIT
#include "rt/testing/scripted_host.h"

#include "rt/conversions.h"

namespace rt::testing {

void PrintTo(const ShownDialog& dialog, std::ostream* out) {
    *out << (dialog.kind == ShownDialog::Kind::MsgBox ? "MsgBox(" : "InputBox(") << '"' << dialog.prompt << "\", ";
    if (dialog.style) *out << static_cast<int>(*dialog.style) << ", ";
    *out << '"' << dialog.title << "\")";
}

void ScriptedHost::random_values(std::span<const float> values) {
    m_random_values.insert(m_random_values.end(), values.begin(), values.end());
    m_random_scripted = true;
}

void ScriptedHost::times_of_day(std::initializer_list<double> seconds) {
    m_times.insert(m_times.end(), seconds.begin(), seconds.end());
}

void ScriptedHost::MsgBox(const Text& prompt, MsgBoxStyle style, const Text& title) {
    m_dialogs.push_back({ShownDialog::Kind::MsgBox, prompt, title, style});
    dialog_opened();
}

void ScriptedHost::dialog_opened() {
    if (!m_while_dialog_open) return;
    const auto action = std::move(m_while_dialog_open);
    m_while_dialog_open = nullptr;
    action();
}

Text ScriptedHost::InputBox(const Text& prompt, const Text& title) {
    m_dialogs.push_back({ShownDialog::Kind::InputBox, prompt, title, std::nullopt});
    dialog_opened();
    if (m_answers.empty()) throw ScriptExhausted("InputBox \"" + prompt + "\" opened, but no answer is queued");
    std::optional<Text> answer = std::move(m_answers.front());
    m_answers.pop_front();
    return answer.value_or(Text());
}

void ScriptedHost::Randomize(Float64 seed) {
    m_seeds.push_back(seed.value());
    m_generator.Randomize(seed);
}

Float32 ScriptedHost::RandomNext() {
    if (!m_random_scripted) return m_generator.RandomNext();
    if (m_random_values.empty()) throw ScriptExhausted("RandomNext called, but no scripted value is left");
    const float value = m_random_values.front();
    m_random_values.pop_front();
    return value;
}

Float64 ScriptedHost::time_of_day() {
    if (!m_times.empty()) {
        const double time = m_times.front();
        m_times.pop_front();
        return time;
    }
    m_next_time += m_clock_step;
    return m_next_time;
}

void ScriptedHost::control_changed(const Control& control, Property property) {
    switch (property) {
        case Property::Content: m_changes.push_back(control.name() + "=" + control.content()); break;
        case Property::Enabled:
            m_changes.push_back(control.name() + ".Enabled=" + (control.enabled() ? "1" : "0"));
            break;
        case Property::ForeColor:
            m_changes.push_back(control.name() + ".ForeColor=" + std::to_string(control.fore_color().bgr));
            break;
    }
}

}  // namespace rt::testing
