// SPDX-License-Identifier: MIT
#pragma once

// One Click handler's benchmark, as each program's folder lists them (tests/bench_cases.cpp).

#include <functional>
#include <initializer_list>
#include <string>

#include "rt/form.h"
#include "rt/testing/scripted_program.h"

namespace bench {

struct HandlerCase {
    const char* button;
    /// Once, before timing: what the user typed or chose before clicking.
    std::function<void(rt::testing::ScriptedProgram&)> set_up;
    /// Before each click, not timed: the state the click needs (a phase of the dice game, an
    /// InputBox answer).
    std::function<void(rt::testing::ScriptedProgram&)> before_each;
};

/// Switches buttons on and off, as the program's phases do.
inline void enable(rt::testing::ScriptedProgram& p, std::initializer_list<const char*> on,
                   std::initializer_list<const char*> off) {
    for (const char* name : on) p.form().control<rt::CommandButton>(name).SetEnabled(true);
    for (const char* name : off) p.form().control<rt::CommandButton>(name).SetEnabled(false);
}

inline void type(rt::testing::ScriptedProgram& p, const char* box, const std::string& text) { p.type(box, text); }

}  // namespace bench
