// SPDX-License-Identifier: MIT
#include "form1.h"

namespace prime_list {

using namespace rt;

namespace {

// clang-format off
const Text kLineEnd   = "";
constexpr int kWanted  = 100;  // primes printed per click
constexpr int kPerLine = 10;   // primes on one line
// clang-format on

}  // namespace

Form1::Form1(ModuleContext& context) : FormModule(context) { on_click(Command1, &Form1::Command1_Click); }

void Form1::Command1_Click() {
    Int16 found = 0;
    Int16 candidate = 2;
    do {
        // Divisors up to the square root decide; for 2 and 3 the limit is 1 and none is tried.
        const Int16 limit = FpI2(Fix(Sqr(candidate)));
        Int16 divisor = 2;
        while (divisor <= limit && candidate % divisor != 0) divisor = divisor + 1;

        if (divisor > limit) {
            Print({candidate}, PrintEnd::Semicolon);
            found = found + 1;
            if (found % kPerLine == 0) Print({kLineEnd});
        }
        candidate = candidate + 1;
    } while (found < kWanted);
}

}  // namespace prime_list
