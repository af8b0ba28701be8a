// SPDX-License-Identifier: MIT
#pragma once

#include "rt/runtime.h"

namespace random_permutation {

/// The digits 0 to 9 in a random order, each once, printed as one line per click below
/// whatever is already on the window.
class Form1 final : public rt::FormModule {
public:
    explicit Form1(rt::ModuleContext& context);

private:
    void Command1_Click();  // a new arrangement

    rt::CommandButton& Command1 = button("Command1");
};

}  // namespace random_permutation
