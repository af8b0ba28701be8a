// SPDX-License-Identifier: MIT
#pragma once

#include "rt/runtime.h"

namespace arithmetic_practice {

/// Random operands from 100 to 500 and the four operations on whatever the operand boxes hold.
/// Operands, operator and result live in the controls only.
class Form1 final : public rt::FormModule {
public:
    explicit Form1(rt::ModuleContext& context);

private:
    void Command1_Click();  // new operands
    void Command2_Click();  // addition
    void Command3_Click();  // subtraction
    void Command4_Click();  // multiplication
    void Command5_Click();  // division

    // clang-format off
    rt::TextBox&       Text1    = text_box("Text1");   // first operand
    rt::Label&         Label1   = label("Label1");     // operator of the last operation
    rt::TextBox&       Text2    = text_box("Text2");   // second operand
    rt::TextBox&       Text3    = text_box("Text3");   // result
    rt::CommandButton& Command1 = button("Command1");
    rt::CommandButton& Command2 = button("Command2");
    rt::CommandButton& Command3 = button("Command3");
    rt::CommandButton& Command4 = button("Command4");
    rt::CommandButton& Command5 = button("Command5");
    // clang-format on
};

}  // namespace arithmetic_practice
