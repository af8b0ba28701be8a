// SPDX-License-Identifier: MIT
// What each Click handler's benchmark needs before its click (bench/handlers_bench.cpp times
// them).
#include <string>
#include <vector>

#include "handler_case.h"

namespace series_sum::tests {

using bench::HandlerCase;
using rt::testing::ScriptedProgram;

std::vector<HandlerCase> handler_cases() {
    return {
        {"Command1", [](ScriptedProgram& p) { bench::type(p, "Text1", "10"); }, {}},
    };
}

}  // namespace series_sum::tests
