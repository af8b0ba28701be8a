// SPDX-License-Identifier: MIT
#pragma once

#include "rt/runtime.h"

namespace star_patterns {

/// Four figures of asterisks, each 11 lines tall, printed on a cleared window one character
/// per Print.
class Form1 final : public rt::FormModule {
public:
    explicit Form1(rt::ModuleContext& context);

private:
    void Command1_Click();  // upright triangle
    void Command2_Click();  // inverted triangle
    void Command3_Click();  // solid diamond
    void Command4_Click();  // hollow diamond

    // clang-format off
    rt::CommandButton& Command1 = button("Command1");
    rt::CommandButton& Command2 = button("Command2");
    rt::CommandButton& Command3 = button("Command3");
    rt::CommandButton& Command4 = button("Command4");
    // clang-format on
};

}  // namespace star_patterns
