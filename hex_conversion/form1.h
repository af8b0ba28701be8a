// SPDX-License-Identifier: MIT
#pragma once

#include "rt/runtime.h"

namespace hex_conversion {

/// Shows the typed decimal integer in hexadecimal in the orange label: capital letters, no
/// leading zeros, "0" for zero and "-" before the digits of a negative number's magnitude.
class Form1 final : public rt::FormModule {
public:
    explicit Form1(rt::ModuleContext& context);

private:
    void Command1_Click();

    // clang-format off
    rt::TextBox&       Text1    = text_box("Text1");
    rt::Label&         Label1   = label("Label1");    // the result
    rt::CommandButton& Command1 = button("Command1");
    // clang-format on
};

}  // namespace hex_conversion
