// SPDX-License-Identifier: MIT
#include "form1.h"

namespace arithmetic_practice {

using namespace rt;

namespace {

// clang-format off
const Text kPlus     = "+";
const Text kMinus    = "-";
const Text kTimes    = "*";
const Text kDivide   = "/";
const Text kQuotient = "0.###";
// Operands run from 100 to 500: Int(r * 401 + 100) for 0 <= r < 1, in 32-bit floats.
constexpr Float32 kOperandCount    = 401;
constexpr Float32 kSmallestOperand = 100;
// clang-format on

}  // namespace

Form1::Form1(ModuleContext& context) : FormModule(context) {
    on_click(Command1, &Form1::Command1_Click);
    on_click(Command2, &Form1::Command2_Click);
    on_click(Command3, &Form1::Command3_Click);
    on_click(Command4, &Form1::Command4_Click);
    on_click(Command5, &Form1::Command5_Click);
}

// The largest r below 1 gives r * 401 = 400.99997 in 32 bits (not 401), and adding 100 is
// exact at that size, so no operand exceeds 500.
void Form1::Command1_Click() {
    Randomize(time_of_day());
    Text1.SetText(StrR4(Int(RandomNext() * kOperandCount + kSmallestOperand)));
    Text2.SetText(StrR4(Int(RandomNext() * kOperandCount + kSmallestOperand)));
}

// Each operation shows its operator first, so that it shows even when the computation fails;
// a failed computation leaves the old result in Text3.

void Form1::Command2_Click() {
    Label1.SetCaption(kPlus);
    const Float64 a = Val(Text1.Text());
    const Float64 b = Val(Text2.Text());
    Text3.SetText(StrR8(a + b));
}

void Form1::Command3_Click() {
    Label1.SetCaption(kMinus);
    const Float64 a = Val(Text1.Text());
    const Float64 b = Val(Text2.Text());
    Text3.SetText(StrR8(a - b));
}

void Form1::Command4_Click() {
    Label1.SetCaption(kTimes);
    const Float64 a = Val(Text1.Text());
    const Float64 b = Val(Text2.Text());
    Text3.SetText(StrR8(a * b));
}

void Form1::Command5_Click() {
    Label1.SetCaption(kDivide);
    const Float64 a = Val(Text1.Text());
    const Float64 b = Val(Text2.Text());
    Text3.SetText(Format(a / b, kQuotient));
}

}  // namespace arithmetic_practice
