// SPDX-License-Identifier: MIT
// What each Click handler's benchmark needs before its click (bench/handlers_bench.cpp times
// them).
#include <string>
#include <vector>

#include "handler_case.h"

namespace big_number_addition::tests {

using bench::HandlerCase;
using rt::testing::ScriptedProgram;

std::vector<HandlerCase> handler_cases() {
    return {
        {"Command1",
         [](ScriptedProgram& p) {
             bench::type(p, "Text1", std::string(50, '9'));
             bench::type(p, "Text2", std::string(50, '9'));
         },
         {}},
    };
}

}  // namespace big_number_addition::tests
