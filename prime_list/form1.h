// SPDX-License-Identifier: MIT
#pragma once

#include "rt/runtime.h"

namespace prime_list {

/// The first 100 primes by trial division, printed ten to a line below whatever is already
/// on the window.
class Form1 final : public rt::FormModule {
public:
    explicit Form1(rt::ModuleContext& context);

private:
    void Command1_Click();  // find 100 primes

    rt::CommandButton& Command1 = button("Command1");
};

}  // namespace prime_list
