// SPDX-License-Identifier: MIT
// What each Click handler's benchmark needs before its click (bench/handlers_bench.cpp times
// them).
#include <string>
#include <vector>

#include "handler_case.h"

namespace dice_game::tests {

using bench::HandlerCase;
using rt::testing::ScriptedProgram;

std::vector<HandlerCase> handler_cases() {
    return {
        {"Command2", {}, [](ScriptedProgram& p) { p.answer("大"); }},
        {"Command3", {}, [](ScriptedProgram& p) { p.answer("15"); }},
        {"Command4",
         [](ScriptedProgram& p) {
             p.answer("大");
             p.click("Command2");
             p.answer("15");
             p.click("Command3");
         },
         [](ScriptedProgram& p) { bench::enable(p, {"Command2", "Command3", "Command4"}, {"Command1"}); }},
        {"Command1", {}, [](ScriptedProgram& p) { bench::enable(p, {"Command1"}, {"Command5"}); }},
        {"Command5", {},
         [](ScriptedProgram& p) {
             p.form().control<rt::Label>("Label2").SetCaption("50");
             p.form().control<rt::Label>("Label4").SetCaption("15");
             p.form().control<rt::Label>("Label13").SetCaption("11点大，您赢");
             bench::enable(p, {"Command5"}, {});
         }},
    };
}

}  // namespace dice_game::tests
