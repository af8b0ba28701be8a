// SPDX-License-Identifier: MIT
// What each Click handler's benchmark needs before its click (bench/handlers_bench.cpp times
// them).
#include <string>
#include <vector>

#include "handler_case.h"

namespace digit_matrix::tests {

using bench::HandlerCase;
using rt::testing::ScriptedProgram;

std::vector<HandlerCase> handler_cases() {
    return {
        {"Command1", [](ScriptedProgram& p) { bench::type(p, "Text1", "9"); }, {}},
    };
}

}  // namespace digit_matrix::tests
