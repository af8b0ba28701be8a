// SPDX-License-Identifier: MIT
#pragma once

#include "rt/runtime.h"

namespace series_sum {

/// The sum of 1 + 12 + 123 + ... for 1 to 10 terms, printed as one line per click.
class Form1 final : public rt::FormModule {
public:
    explicit Form1(rt::ModuleContext& context);

private:
    void Command1_Click();  // calculate

    // clang-format off
    rt::TextBox&       Text1    = text_box("Text1");  // the number of terms
    rt::CommandButton& Command1 = button("Command1");
    // clang-format on
};

}  // namespace series_sum
