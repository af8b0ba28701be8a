// SPDX-License-Identifier: MIT
// Every program's rules, from its folder (tests/rules.cpp, namespace FOLDER::tests); the list
// is generated from programs.tsv.
#include <stdexcept>
#include <string>
#include <vector>

#include "window_rules.h"

#include "program_rules_declarations.inc"

namespace programs::testing {

const Rules& rules_for(std::string_view program) {
    static const std::vector<Rules> kRules = {
#include "program_rules.inc"
    };
    for (const Rules& rules : kRules)
        if (rules.program == program) return rules;
    throw std::out_of_range("no rules for " + std::string(program));
}

}  // namespace programs::testing
