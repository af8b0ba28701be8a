// SPDX-License-Identifier: MIT
#pragma once

#include "rt/runtime.h"

namespace digit_matrix {

/// Prints the n x n matrix whose rows hold 1 to n, each row shifted one place to the left
/// against the row above, for a size n from 3 to 9. A valid size replaces the earlier matrix.
class Form1 final : public rt::FormModule {
public:
    explicit Form1(rt::ModuleContext& context);

private:
    void Command1_Click();

    // clang-format off
    rt::TextBox&       Text1    = text_box("Text1");
    rt::CommandButton& Command1 = button("Command1");
    // clang-format on
};

}  // namespace digit_matrix
