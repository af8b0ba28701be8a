// SPDX-License-Identifier: MIT
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <ostream>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "rt/form.h"
#include "rt/random.h"
#include "rt/services.h"

namespace rt::testing {

/// A test asked the host for something its script does not hold (an InputBox answer, a random
/// value). Not a runtime error: it escapes the dispatcher and fails the test.
class ScriptExhausted : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

/// A dialog the program opened, as the user would have seen it.
struct ShownDialog {
    enum class Kind { MsgBox, InputBox };
    Kind kind;
    Text prompt;
    Text title;
    std::optional<MsgBoxStyle> style;  ///< MsgBox only
    friend bool operator==(const ShownDialog&, const ShownDialog&) = default;
};
/// How GoogleTest shows a dialog in a failure message.
void PrintTo(const ShownDialog& dialog, std::ostream* out);

/// The host of headless tests: answers InputBox from a queue, records every dialog and every
/// change the program makes to its window, and gives scripted random values and times of day.
/// Without scripted values the real generator runs, seeded by what the program passes.
class ScriptedHost final : public Dialogs, public RandomSource, public Clock, public FormView {
public:
    /// Queues the text the next InputBox returns; std::nullopt cancels it (empty text).
    void answer(std::optional<Text> text) { m_answers.push_back(std::move(text)); }
    /// Queues values for RandomNext. Once any are queued, running out of them is an error.
    void random_values(std::initializer_list<float> values) { random_values(std::span<const float>(values)); }
    void random_values(std::span<const float> values);
    /// Queues times of day. Without them every call returns a time one microsecond later.
    void times_of_day(std::initializer_list<double> seconds);
    /// After the queued times, every call returns this time: a clock that stands still.
    void stop_clock_at(double seconds) {
        m_next_time = seconds;
        m_clock_step = 0;
    }
    /// Runs an action, such as a click, while the next dialog is open: as the user would if
    /// the dialog did not block the window.
    void while_dialog_open(std::function<void()> action) { m_while_dialog_open = std::move(action); }

    const std::vector<ShownDialog>& dialogs() const { return m_dialogs; }
    const std::vector<double>& seeds() const { return m_seeds; }
    /// Every change the program made, in order: "Label13.ForeColor=255", "Label6=3",
    /// "Command1.Enabled=0", "Print", "Cls".
    const std::vector<std::string>& changes() const { return m_changes; }
    std::size_t pending_answers() const { return m_answers.size(); }
    void forget() {
        m_dialogs.clear();
        m_changes.clear();
        m_seeds.clear();
    }

    void MsgBox(const Text& prompt, MsgBoxStyle style, const Text& title) override;
    Text InputBox(const Text& prompt, const Text& title) override;
    void Randomize(Float64 seed) override;
    Float32 RandomNext() override;
    Float64 time_of_day() override;
    void control_changed(const Control& control, Property property) override;
    void printed_changed(PrintChange change) override {
        m_changes.push_back(change == PrintChange::Cleared ? "Cls" : "Print");
    }

private:
    void dialog_opened();

    std::deque<std::optional<Text>> m_answers;
    std::function<void()> m_while_dialog_open;
    std::deque<float> m_random_values;
    bool m_random_scripted = false;
    std::deque<double> m_times;
    double m_next_time = 36000.0;
    double m_clock_step = 1e-6;
    Generator m_generator;
    std::vector<ShownDialog> m_dialogs;
    std::vector<double> m_seeds;
    std::vector<std::string> m_changes;
};

}  // namespace rt::testing
