// SPDX-License-Identifier: MIT
// Runs a program through the scripted host, as the browser tests run it through the page, and
// writes what its window shows afterwards as JSON: the window's description, every control's
// state, the printed text and the dialogs opened. The browser tests compare the page with it.
//
//     scripted_outcome NAME TIME STEP...
// TIME is the time of day every Randomize is given; a STEP is one of the step language of
// rt/testing/steps.h (type:BOX=TEXT, compose:BOX=SHOWN=TEXT, answer:TEXT, cancel, click:BUTTON).
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "all_programs.h"
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

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: scripted_outcome NAME TIME STEP...\n");
        return 2;
    }
    const programs::ProgramModule& module = programs::find(argv[1]);
    rt::testing::ScriptedProgram program(module.description(), module.make_module);
    program.host().stop_clock_at(std::strtod(argv[2], nullptr));

    // The steps as the page performed them: what an input method commits is typed.
    std::vector<rt::testing::Step> steps;
    try {
        for (int i = 3; i < argc; ++i) steps.push_back(rt::testing::parse_step(argv[i]));
        rt::testing::perform(program, steps);
    } catch (const std::invalid_argument& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 2;
    }

    std::string out = "{\"form\":" + rt::web::form_json(program.form()) + ",\"controls\":{";
    for (const auto& control : program.form().controls()) {
        if (out.back() != '{') out += ',';
        out += rt::web::json_string(control->name()) + ":" + rt::web::control_state_json(*control);
    }
    out += "},\"printed\":" + rt::web::json_string(program.printed()) + ",\"dialogs\":" + dialogs_json(program.dialogs()) + "}";
    std::puts(out.c_str());
    return 0;
}
