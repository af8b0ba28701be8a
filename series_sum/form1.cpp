// SPDX-License-Identifier: MIT
#include "form1.h"

namespace series_sum {

using namespace rt;

namespace {

// clang-format off
const Text kOutOfRange  = "输入的数据超出范围";
const Text kErrorTitle  = "错误";
const Text kSumIs       = "项的和是 ";
constexpr int kFewestTerms = 1;
constexpr int kMostTerms   = 10;
// clang-format on

}  // namespace

Form1::Form1(ModuleContext& context) : FormModule(context) { on_click(Command1, &Form1::Command1_Click); }

void Form1::Command1_Click() {
    // A number that rounds outside 16 bits raises Overflow here, before the range test.
    const Int16 terms = FpI2(Val(Text1.Text()));
    if (terms > kMostTerms || terms < kFewestTerms) {
        MsgBox(kOutOfRange, MsgBoxStyle::Critical, kErrorTitle);
        return;
    }

    // Each term is the previous one times ten plus its own number: 1, 12, 123, ..., and the
    // tenth is 123456789 * 10 + 10 = 1234567900.
    Int32 term = 0;
    Int32 total = 0;
    for (Int16 i = 1; i <= terms; ++i) {
        term = term * 10 + i;
        total = total + term;
    }
    Print({terms, kSumIs, total});
}

}  // namespace series_sum
