// SPDX-License-Identifier: MIT
// Runs a program through the scripted host, as the browser tests run it through the page, and
// writes what its window shows afterwards as JSON: the window's description, every control's
// state, the printed text, the dialogs opened and what the last click announced. The browser
// tests compare the page with it.
//
//     scripted_outcome NAME TIME STEP...
// TIME is the time of day every Randomize is given; a STEP is one of the step language of
// rt/testing/steps.h (type:BOX=TEXT, compose:BOX=SHOWN=TEXT, answer:TEXT, cancel, click:BUTTON).
// A STEP of "-" reads the steps from standard input instead, one a line in hex, so that a text
// may hold any byte (a NUL, a line break) and any length.
#include <emscripten/em_js.h>
#include <emscripten/emscripten.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "all_programs.h"
#include "rt/form.h"
#include "rt/text.h"
#include "rt/web/description_json.h"
#include "rt/testing/scripted_program.h"
#include "rt/testing/steps.h"

namespace {

std::string dialogs_json(const std::vector<rt::testing::ShownDialog>& dialogs) {
    std::string out = "[";
    for (const auto& d : dialogs) {
        if (out.size() > 1) out += ',';
        out += "{\"title\":" + rt::web::json_string(d.title) + ",\"prompt\":" + rt::web::json_string(d.prompt) + "}";
    }
    return out + "]";
}

// Standard input, read by node itself: the loader's own reading gets nothing from a pipe.
// clang-format off
EM_JS(int, standard_input_size, (), {
    Module.standardInput = require("fs").readFileSync(0, "latin1");
    return Module.standardInput.length;
});
EM_JS(void, standard_input_copy, (char* out), {
    for (let i = 0; i < Module.standardInput.length; ++i) HEAPU8[out + i] = Module.standardInput.charCodeAt(i);
});
// clang-format on

/// The steps of standard input, each a line of the hex digits of its bytes.
std::vector<std::string> steps_from_input() {
    std::string input(static_cast<std::size_t>(standard_input_size()), '\0');
    standard_input_copy(input.data());
    std::istringstream lines(input);
    std::vector<std::string> steps;
    for (std::string line; std::getline(lines, line);) {
        std::string step;
        for (std::size_t i = 0; i + 1 < line.size(); i += 2)
            step += static_cast<char>(std::stoi(line.substr(i, 2), nullptr, 16));
        steps.push_back(std::move(step));
    }
    return steps;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: scripted_outcome NAME TIME STEP...\n");
        return 2;
    }
    const programs::ProgramModule& module = programs::find(argv[1]);
    rt::testing::ScriptedProgram program(module.description(), module.make_module);
    program.host().stop_clock_at(std::strtod(argv[2], nullptr));

    std::vector<std::string> texts(argv + 3, argv + argc);
    if (texts.size() == 1 && texts[0] == "-") texts = steps_from_input();
    try {
        for (const std::string& text : texts) {
            rt::testing::Step step = rt::testing::parse_step(text);
            // The desktop's input dialog keeps what its entry holds: 32,767 characters.
            if (step.kind == rt::testing::Step::Kind::Answer) step.text = rt::Mid(step.text, 1, rt::kTextBoxLimit);
            // What an input method commits is typed.
            rt::testing::perform(program, {step});
        }
    } catch (const std::invalid_argument& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 2;
    }

    std::string out = "{\"form\":" + rt::web::form_json(program.form()) + ",\"controls\":{";
    for (const auto& control : program.form().controls()) {
        if (out.back() != '{') out += ',';
        out += rt::web::json_string(control->name()) + ":" + rt::web::control_state_json(*control);
    }
    out += "},\"printed\":" + rt::web::json_string(program.printed()) + ",\"dialogs\":" + dialogs_json(program.dialogs()) +
           ",\"announced\":" + rt::web::json_string(program.announced()) + "}";
    std::puts(out.c_str());
    return 0;
}
