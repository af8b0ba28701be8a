// SPDX-License-Identifier: MIT
// What each Click handler's benchmark needs before its click (bench/handlers_bench.cpp times
// them).
#include <string>
#include <vector>

#include "handler_case.h"

namespace star_patterns::tests {

using bench::HandlerCase;
using rt::testing::ScriptedProgram;

std::vector<HandlerCase> handler_cases() {
    return {
        {"Command1", {}, {}},
        {"Command2", {}, {}},
        {"Command3", {}, {}},
        {"Command4", {}, {}},
    };
}

}  // namespace star_patterns::tests
