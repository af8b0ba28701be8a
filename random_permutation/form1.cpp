// SPDX-License-Identifier: MIT
#include "form1.h"

namespace random_permutation {

using namespace rt;

namespace {

constexpr int kDigits = 10;  // the digits 0 to 9

}  // namespace

Form1::Form1(ModuleContext& context) : FormModule(context) { on_click(Command1, &Form1::Command1_Click); }

void Form1::Command1_Click() {
    Randomize(time_of_day());

    // Draw digits until all ten are in; a digit drawn before is dropped. Element 10 is there
    // but never used.
    Int16Array digits(0, kDigits);
    Int16 filled = 0;
    while (filled < kDigits) {
        const Int16 draw = FpI2(Fix(RandomNext() * 10.0));
        const Int16 last = filled - 1;
        Int16 j = 0;
        while (j <= last && digits(j) != draw) j = j + 1;
        if (j == filled) {
            digits(filled) = draw;
            filled = filled + 1;
        }
    }

    for (Int16 i = 0; i <= kDigits - 1; ++i) Print({digits(i)}, PrintEnd::Semicolon);
    Print();
}

}  // namespace random_permutation
