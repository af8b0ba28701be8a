// SPDX-License-Identifier: MIT
// The scripted twin of the page in its hostile-input sweep and monkey run: page_sweep_test.mjs
// loads this module into its own node process, does each step in the page, then here with the
// text the page kept, and compares what the two windows show. Each step here also goes through
// the programs' window rules, as in the desktop's sweep and monkey run. Every call answers
// with JSON: the window's state (printed text as what was added since the last answer), the
// rule faults and, for a click, the dialogs it opened.
#include <emscripten/emscripten.h>

#include <cstddef>
#include <memory>
#include <optional>
#include <string>

#include "all_programs.h"
#include "checked_program.h"
#include "hostile_texts.h"
#include "monkey.h"
#include "rt/web/description_json.h"
#include "watchdog.h"

namespace {

using programs::testing::CheckedProgram;
using programs::testing::Faults;
using rt::web::json_string;

/// A text the page can hold: a DOM string is UTF-16, so a text that is no well-formed UTF-8
/// cannot reach it.
bool dom_string(const rt::Text& text) {
    for (std::size_t pos = 0; pos < text.size(); pos += rt::char_size(text, pos))
        if (static_cast<unsigned char>(text[pos]) >= 0x80 && rt::char_size(text, pos) == 1) return false;
    return true;
}

std::string list_json(const std::vector<std::string>& items) {
    std::string out = "[";
    for (const std::string& item : items) out += (out.size() > 1 ? "," : "") + json_string(item);
    return out + "]";
}

/// The program under test, and the printed text the test has been told of already.
struct Run {
    programs::testing::Watchdog watchdog{std::chrono::seconds(0)};
    std::unique_ptr<CheckedProgram> program;
    rt::Text printed_sent;
    std::optional<programs::testing::Monkey> monkey;
    std::string reply;  // the last answer, alive until the next call
};
Run run;

std::string state_json() {
    const rt::Form& form = run.program->scripted().form();
    std::string out = "{\"controls\":{";
    for (const auto& control : form.controls()) {
        if (out.back() != '{') out += ',';
        out += json_string(control->name()) + ":" + rt::web::control_state_json(*control);
    }
    // The printed text only grows between two Cls: send what was added, or all of it afresh.
    const rt::Text printed = form.printed().text();
    const bool grew = printed.starts_with(run.printed_sent);
    out += "},\"cleared\":" + std::string(grew ? "false" : "true") + ",\"added\":" +
           json_string(grew ? printed.substr(run.printed_sent.size()) : printed) + "}";
    run.printed_sent = printed;
    return out;
}

const char* answer(const Faults& faults, const std::string& more = "") {
    run.reply = "{\"faults\":" + list_json(faults) + ",\"state\":" + state_json() + more + "}";
    return run.reply.c_str();
}

}  // namespace

extern "C" {

/// Opens a new window of the named program; answers with its text boxes and buttons in tab order.
EMSCRIPTEN_KEEPALIVE const char* driver_open(const char* name) {
    run.program = std::make_unique<CheckedProgram>(programs::find(name), run.watchdog);
    run.printed_sent.clear();
    return answer({}, ",\"boxes\":" + list_json(run.program->controls_of(rt::ControlKind::TextBox)) +
                          ",\"buttons\":" + list_json(run.program->controls_of(rt::ControlKind::CommandButton)));
}

/// Types `size` bytes of UTF-8 into a text box.
EMSCRIPTEN_KEEPALIVE const char* driver_type(const char* box, const char* text, std::size_t size) {
    return answer(run.program->type(box, rt::Text(text, size)));
}

/// Clicks a button at the given time of day; an InputBox it opens gets the `size` bytes of
/// `text` as its answer, or is cancelled.
EMSCRIPTEN_KEEPALIVE const char* driver_click(const char* button, const char* text, std::size_t size, int cancel,
                                              double time_of_day) {
    run.program->scripted().host().stop_clock_at(time_of_day);
    const std::optional<rt::Text> given = cancel != 0 ? std::nullopt : std::optional<rt::Text>(rt::Text(text, size));
    const Faults faults = run.program->click(button, given);
    std::string dialogs = ",\"dialogs\":[";
    for (const auto& d : run.program->scripted().host().dialogs()) {
        if (dialogs.back() != '[') dialogs += ',';
        dialogs += "{\"input\":" + std::string(d.kind == rt::testing::ShownDialog::Kind::InputBox ? "true" : "false") +
                   ",\"title\":" + json_string(d.title) + ",\"prompt\":" + json_string(d.prompt) + "}";
    }
    return answer(faults, dialogs + "]");
}

/// The hostile texts that a page can hold, and the names of those it cannot.
EMSCRIPTEN_KEEPALIVE const char* driver_hostile_texts() {
    std::string texts = "[";
    std::vector<std::string> skipped;
    for (const auto& hostile : programs::testing::hostile_texts()) {
        if (!dom_string(hostile.text)) {
            skipped.push_back(hostile.name);
            continue;
        }
        if (texts.size() > 1) texts += ',';
        texts += "{\"name\":" + json_string(hostile.name) + ",\"text\":" + json_string(hostile.text) + "}";
    }
    run.reply = "{\"texts\":" + texts + "],\"skipped\":" + list_json(skipped) + "}";
    return run.reply.c_str();
}

/// Starts the desktop run's monkey for the named program and seed: the same seed gives the same
/// steps on every run (not those of the desktop, whose standard library draws differently).
EMSCRIPTEN_KEEPALIVE void driver_monkey_start(const char* name, double seed) {
    const auto& program = programs::find(name);
    run.monkey.emplace(static_cast<std::uint64_t>(seed) * 1000 +
                           static_cast<std::uint64_t>(&program - programs::all().data()),
                       programs::testing::rules_for(name).answers);
}

/// The monkey's next step over the open window. `page` is false when its text cannot be a DOM
/// string: the page cannot take it, so the step is left out.
EMSCRIPTEN_KEEPALIVE const char* driver_monkey_next() {
    using programs::testing::MonkeyStep;
    const MonkeyStep step = run.monkey->step(run.program->controls_of(rt::ControlKind::TextBox),
                                             run.program->controls_of(rt::ControlKind::CommandButton));
    const bool typing = step.kind == MonkeyStep::Kind::Type;
    const rt::Text& text = typing ? step.text : step.answer.value_or("");
    run.reply = "{\"type\":" + std::string(typing ? "true" : "false") + ",\"control\":" + json_string(step.control) +
                ",\"text\":" + json_string(text) + ",\"cancel\":" + (!typing && !step.answer ? "true" : "false") +
                ",\"page\":" + (dom_string(text) ? "true" : "false") + "}";
    return run.reply.c_str();
}

}  // extern "C"
