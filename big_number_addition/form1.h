// SPDX-License-Identifier: MIT
#pragma once

#include "rt/runtime.h"

namespace big_number_addition {

/// Adds two whole numbers of up to 50 digits digit by digit, as on paper, and shows the sum.
class Form1 final : public rt::FormModule {
public:
    explicit Form1(rt::ModuleContext& context);

private:
    void Command1_Click();  // add

    // clang-format off
    rt::TextBox&       Text1    = text_box("Text1");  // the first number
    rt::TextBox&       Text2    = text_box("Text2");  // the second number
    rt::Label&         Label1   = label("Label1");    // the sum
    rt::CommandButton& Command1 = button("Command1");
    // clang-format on
};

}  // namespace big_number_addition
