// SPDX-License-Identifier: MIT
// What each Click handler's benchmark needs before its click (bench/handlers_bench.cpp times
// them).
#include <string>
#include <vector>

#include "handler_case.h"

namespace random_permutation::tests {

using bench::HandlerCase;
using rt::testing::ScriptedProgram;

std::vector<HandlerCase> handler_cases() {
    return {
        {"Command1", {}, {}},
    };
}

}  // namespace random_permutation::tests
