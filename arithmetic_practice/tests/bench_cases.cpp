// SPDX-License-Identifier: MIT
// What each Click handler's benchmark needs before its click (bench/handlers_bench.cpp times
// them).
#include <string>
#include <vector>

#include "handler_case.h"

namespace arithmetic_practice::tests {

using bench::HandlerCase;
using rt::testing::ScriptedProgram;

std::vector<HandlerCase> handler_cases() {
    return {
        {"Command1", {}, {}},
        {"Command2", [](ScriptedProgram& p) {
             bench::type(p, "Text1", "228");
             bench::type(p, "Text2", "246");
         }, {}},
        {"Command3", [](ScriptedProgram& p) {
             bench::type(p, "Text1", "228");
             bench::type(p, "Text2", "246");
         }, {}},
        {"Command4", [](ScriptedProgram& p) {
             bench::type(p, "Text1", "228");
             bench::type(p, "Text2", "246");
         }, {}},
        {"Command5", [](ScriptedProgram& p) {
             bench::type(p, "Text1", "500");
             bench::type(p, "Text2", "3");
         }, {}},
    };
}

}  // namespace arithmetic_practice::tests
