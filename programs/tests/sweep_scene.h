// SPDX-License-Identifier: MIT
#pragma once

// Shorthands for the scenes the hostile-input sweep starts from (Rules::sweep).

#include <optional>
#include <utility>
#include <vector>

#include "checked_program.h"
#include "window_rules.h"

namespace programs::testing {

inline void add(Faults& faults, const Faults& more) { faults.insert(faults.end(), more.begin(), more.end()); }

/// Types into the text boxes, then clicks the button.
inline auto enter(std::vector<std::pair<const char*, const char*>> typed, const char* button) {
    return [typed, button](CheckedProgram& p, Faults& faults) {
        for (const auto& [box, text] : typed) add(faults, p.type(box, text));
        add(faults, p.click(button, std::nullopt));
    };
}

/// Clicks the buttons in turn.
inline auto press(std::vector<const char*> buttons) {
    return [buttons](CheckedProgram& p, Faults& faults) {
        for (const char* button : buttons) add(faults, p.click(button, std::nullopt));
    };
}

}  // namespace programs::testing
