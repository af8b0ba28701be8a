// SPDX-License-Identifier: MIT
#include "form1.h"

namespace digit_rearrangement {

using namespace rt;

namespace {

// clang-format off
const Text kDifferenceIs = "能组成的最大数字与最小数字之差为";
const Text kMinus        = "-";
const Text kEquals       = "=";
constexpr int kFirstUpperBound = 100;  // room for far more than the 10 digits of a 32-bit number
// clang-format on

}  // namespace

Form1::Form1(ModuleContext& context) : FormModule(context) { on_click(Command1, &Form1::Command1_Click); }

void Form1::Command1_Click() {
    const Int32 n = FpI4(Val(Text1.Text()));
    Int16Array digits = SplitDigits(n);
    SortDigitsAscending(digits);
    const Int32 smallest = JoinDigits(digits);
    SortDigitsDescending(digits);
    const Int32 largest = JoinDigits(digits);
    const Int32 difference = largest - smallest;
    Print({n, kDifferenceIs, largest, kMinus, smallest, kEquals, difference});
}

Int16Array Form1::SplitDigits(Int32 n) {
    Int16Array digits;
    Redim(digits, 0, kFirstUpperBound);
    Int16 i = 0;
    while (n > 0) {
        digits(i) = I2I4(n % 10);
        n = FpI4(Fix(Float64(n) / 10.0));
        i = i + 1;
    }
    // For n <= 0 this asks for bounds 0 to -1, which the resize refuses.
    RedimPreserve(digits, 0, i - 1);
    return digits;
}

void Form1::SortDigitsAscending(Int16Array& digits) {
    const Int16 lo = I2I4(Lbound(digits));
    for (Int16 i = I2I4(Ubound(digits) - 1); i >= lo; i = i - 1) {
        const Int16 first = I2I4(Lbound(digits));
        for (Int16 j = first; j <= i; j = j + 1) {
            if (digits(j) > digits(j + 1)) {
                const Int16 t = digits(j);
                digits(j) = digits(j + 1);
                digits(j + 1) = t;
            }
        }
    }
}

void Form1::SortDigitsDescending(Int16Array& digits) {
    const Int16 hi = I2I4(Ubound(digits));
    for (Int16 i = I2I4(Lbound(digits) + 1); i <= hi; i = i + 1) {
        const Int16 key = digits(i);
        Int16 j = i - 1;
        // The element is read only while j is still an index: the test on j comes first.
        while (j >= 0 && digits(j) < key) {
            digits(j + 1) = digits(j);
            j = j - 1;
        }
        digits(j + 1) = key;
    }
}

Int32 Form1::JoinDigits(Int16Array& digits) {
    Int32 r = 0;
    const Int16 last = I2I4(Ubound(digits));
    for (Int16 k = I2I4(Lbound(digits)); k <= last; k = k + 1) r = r * 10 + digits(k);
    return r;
}

}  // namespace digit_rearrangement
