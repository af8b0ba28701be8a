// SPDX-License-Identifier: MIT
#include "form1.h"

namespace star_patterns {

using namespace rt;

namespace {

// clang-format off
const Text kBlank   = " ";
const Text kStar    = "*";
const Text kLineEnd = "";
constexpr int kLines   = 11;  // every figure is 11 lines tall
constexpr int kColumns = 21;  // the hollow diamond prints this many characters on every line
// clang-format on

}  // namespace

Form1::Form1(ModuleContext& context) : FormModule(context) {
    on_click(Command1, &Form1::Command1_Click);
    on_click(Command2, &Form1::Command2_Click);
    on_click(Command3, &Form1::Command3_Click);
    on_click(Command4, &Form1::Command4_Click);
}

// Each loop's end value is taken into a constant before the loop starts, so the count is fixed
// when the loop begins, and a loop whose end is below its start runs no pass.

void Form1::Command1_Click() {
    DefaultInstance().Cls();
    for (Int16 i = 1; i <= kLines; ++i) {
        const Int16 blanks = kLines - i;
        for (Int16 j = 1; j <= blanks; ++j) Print({kBlank}, PrintEnd::Semicolon);
        const Int16 stars = 2 * i - 1;
        for (Int16 j = 1; j <= stars; ++j) Print({kStar}, PrintEnd::Semicolon);
        Print({kLineEnd});
    }
}

void Form1::Command2_Click() {
    DefaultInstance().Cls();
    for (Int16 i = 1; i <= kLines; ++i) {
        const Int16 blanks = i - 1;
        for (Int16 j = 1; j <= blanks; ++j) Print({kBlank}, PrintEnd::Semicolon);
        const Int16 stars = (kLines - i) * 2 + 1;
        for (Int16 j = 1; j <= stars; ++j) Print({kStar}, PrintEnd::Semicolon);
        Print({kLineEnd});
    }
}

void Form1::Command3_Click() {
    DefaultInstance().Cls();
    const Int16 m = FpI2(Fix(Float64(kLines) / 2) + 1);  // the centre: 5.5 drops to 5, plus 1
    Int16 w = 1;                                         // the line holds 2w - 1 stars
    for (Int16 i = 1; i <= kLines; ++i) {
        const Int16 blanks = m - w;
        for (Int16 j = 1; j <= blanks; ++j) Print({kBlank}, PrintEnd::Semicolon);
        const Int16 stars = 2 * w - 1;
        for (Int16 j = 1; j <= stars; ++j) Print({kStar}, PrintEnd::Semicolon);
        Print({kLineEnd});
        if (i < m)
            w = w + 1;
        else
            w = w - 1;
    }
}

void Form1::Command4_Click() {
    DefaultInstance().Cls();
    const Int16 m = FpI2(Fix(Float64(kLines) / 2) + 1);
    Int16 t = 0;  // how far the line's two stars stand from the centre column
    for (Int16 i = 1; i <= kLines; ++i) {
        for (Int16 j = 1; j <= kColumns; ++j) {
            if (j == m - t || j == m + t)
                Print({kStar}, PrintEnd::Semicolon);
            else
                Print({kBlank}, PrintEnd::Semicolon);
        }
        Print({kLineEnd});
        if (i < m)
            t = t + 1;
        else
            t = t - 1;
    }
}

}  // namespace star_patterns
