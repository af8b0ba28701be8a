// SPDX-License-Identifier: MIT
#include "form1.h"

namespace digit_matrix {

using namespace rt;

namespace {

// clang-format off
const Text kSizeWrong   = "请输入3-9范围内的整数";
const Text kErrorTitle  = "错误";
constexpr int kSmallest = 3;
constexpr int kLargest  = 9;
// clang-format on

}  // namespace

Form1::Form1(ModuleContext& context) : FormModule(context) { on_click(Command1, &Form1::Command1_Click); }

void Form1::Command1_Click() {
    const Int16 n = FpI2(Val(Text1.Text()));
    if (n < kSmallest || n > kLargest) {
        MsgBox(kSizeWrong, MsgBoxStyle::Critical, kErrorTitle);
        return;
    }
    DefaultInstance().Cls();
    for (Int16 i = 1; i <= n; i = i + 1) {
        const Int16 last = n + i - 1;
        for (Int16 j = i; j <= last; j = j + 1) {
            Int16 v = j % n;
            if (v == 0) v = n;
            Print({v}, PrintEnd::Semicolon);
        }
        Print({""});
    }
}

}  // namespace digit_matrix
