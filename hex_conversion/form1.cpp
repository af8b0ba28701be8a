// SPDX-License-Identifier: MIT
#include "form1.h"

namespace hex_conversion {

using namespace rt;

namespace {

// clang-format off
const Text kZeroDigit   = "0";
const Text kFirstLetter = "A";
const Text kMinus       = "-";
constexpr int kBase     = 16;
// clang-format on

}  // namespace

Form1::Form1(ModuleContext& context) : FormModule(context) { on_click(Command1, &Form1::Command1_Click); }

void Form1::Command1_Click() {
    Int32 n = FpI4(Val(Text1.Text()));
    const bool negative = n < 0;
    Text r;  // the digits, least significant first
    Text s;  // the result

    // A negative number is divided as it stands: the remainders are its magnitude's digits
    // with a minus sign and the quotients run up to 0. So -2147483648, whose magnitude has no
    // 32-bit form, converts like every other number.
    while (n != 0) {
        Int16 d = I2I4(n % kBase);
        if (d < 0) d = -d;
        n = n / kBase;
        Int16 code;
        if (d < 10)
            code = AnsiValue(kZeroDigit) + d;
        else
            code = AnsiValue(kFirstLetter) + d - 10;
        r += BstrFromAnsi(code);
    }

    if (negative) s = kMinus;
    for (Int16 k = I2I4(Len(r)); k >= 1; k = k - 1) s += Mid(r, k, 1);
    // Zero has no digit left over from the division; it is written as one.
    if (r == "") s = kZeroDigit;
    Label1.SetCaption(s);
}

}  // namespace hex_conversion
