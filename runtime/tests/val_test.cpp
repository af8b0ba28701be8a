// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "rt/conversions.h"
#include "rt/testing/expect_runtime_error.h"

namespace rt {
namespace {

struct ValCase {
    const char* name;
    std::string text;
    double expected;
};

TEST(ValTest, ReadsTheLeadingNumber) {
    const ValCase cases[] = {
        {"Integer", "12", 12},
        {"SkipsLeadingBlanks", "   7", 7},
        {"SkipsTabsAndLineBreaks", "\t\r\n 8", 8},
        {"StopsAtLetters", "12abc", 12},
        {"StopsAtInnerBlank", "1 2", 1},
        {"PlusSign", "+5", 5},
        {"MinusSign", "-25", -25},
        {"Fraction", "20.5", 20.5},
        {"PointAndFractionAlone", ".5", 0.5},
        {"SignedPointAndFraction", "-.25", -0.25},
        {"TrailingPoint", "3.", 3},
        {"SecondPointEndsTheNumber", "1.2.3", 1.2},
        {"Exponent", "1e3", 1000},
        {"CapitalExponentWithSign", "2.5E-2", 0.025},
        {"ExponentWithoutDigitsIsNotRead", "4e", 4},
        {"ExponentSignWithoutDigitsIsNotRead", "4e+x", 4},
        {"LeadingZeros", "0007", 7},
        {"FullWidthDigits", "１２", 12},
        {"FullWidthSignAndPoint", "－３．５", -3.5},
        {"FullWidthAndAsciiMixed", "1２.５", 12.5},
        {"NearestFloatOfLongDecimal", "0.1000000000000000055511151231257827", 0.1},
        {"SmallestNormal", "2.2250738585072014e-308", 2.2250738585072014e-308},
        {"LargestFloat", "1.7976931348623157e308", 1.7976931348623157e308},
        {"BelowTheSmallestFloatIsZero", "1e-400", 0},
        {"HugeNegativeExponentIsZero", "1e-99999999999", 0},
        {"ZeroWithHugeExponentIsZero", "0e99999999999", 0},
        {"ManyLeadingFractionZeros", "0." + std::string(500, '0') + "1e600", 1e99},
    };
    for (const ValCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Val(c.text).value(), c.expected);
    }
}

TEST(ValTest, GivesZeroWithoutALeadingNumber) {
    for (const char* text : {"", "   ", "abc", "-", "+", ".", "-.", "e5", "&H10", "NaN", "Infinity", "＄5",
                             "\xFF\xFE" "12", "\xE2\x80\x8F" "12", "a12"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(Val(text).value(), 0);
    }
}

TEST(ValTest, ZeroIsNeverNegative) {
    EXPECT_FALSE(std::signbit(Val("-0").value()));
    EXPECT_FALSE(std::signbit(Val("-1e-400").value()));
}

TEST(ValTest, RaisesOverflowBeyondTheFloatRange) {
    // Out of bounds.
    EXPECT_RUNTIME_ERROR(Val("1e309"), ErrorKind::Overflow);
    EXPECT_RUNTIME_ERROR(Val("-1e309"), ErrorKind::Overflow);
    EXPECT_RUNTIME_ERROR(Val("1.8e308"), ErrorKind::Overflow);
    EXPECT_RUNTIME_ERROR(Val("1e99999999999"), ErrorKind::Overflow);
    EXPECT_RUNTIME_ERROR(Val(std::string(1'000'000, '9')), ErrorKind::Overflow);
}

}  // namespace
}  // namespace rt
