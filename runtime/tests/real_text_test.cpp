// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "rt/conversions.h"
#include "rt/testing/expect_runtime_error.h"

namespace rt {
namespace {

struct TextCase {
    const char* name;
    double value;
    const char* expected;
};

TEST(StrR8Test, WritesFifteenSignificantDigits) {
    const TextCase cases[] = {
        {"WholeNumber", 474, "474"},
        {"Negative", -18, "-18"},
        {"NoTrailingZeros", 2.5, "2.5"},
        {"ZeroBeforeLeadingPoint", 0.25, "0.25"},
        {"NegativeZeroIsZero", -0.0, "0"},
        {"SumOfTenthsRoundsToFifteenDigits", 0.1 + 0.2, "0.3"},
        {"LongFractionRounded", 2.0 / 3.0, "0.666666666666667"},
        {"PlainUpToExponentFourteen", 100000000000000.0, "100000000000000"},
        {"PlainLargestBelowExponentFifteen", 999999990000000.0, "999999990000000"},
        {"ExponentFifteen", 1e15, "1E+15"},
        {"NegativeExponentFifteen", -1e15, "-1E+15"},
        {"RoundingCarriesIntoExponentForm", 999999999999999.9, "1E+15"},
        {"MantissaDigitsInExponentForm", 123456789.0 * 987654321.0, "1.21932631112635E+17"},
        {"PlainDownToExponentMinusFive", 1e-5, "0.00001"},
        {"ExponentMinusSix", 1e-6, "1E-06"},
        {"NegativeExponentForm", -2.5e-7, "-2.5E-07"},
        {"ThreeDigitExponent", 1e300, "1E+300"},
        {"Subnormal", 5e-324, "4.94065645841247E-324"},
    };
    for (const TextCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(StrR8(c.value), c.expected);
    }
}

TEST(StrR4Test, WritesSevenSignificantDigits) {
    const struct {
        const char* name;
        float value;
        const char* expected;
    } cases[] = {
        {"Die", 6.0f, "6"},
        {"Operand", 500.0f, "500"},
        {"SevenDigits", 1.0f / 3.0f, "0.3333333"},
        {"RoundsAtTheSeventhDigit", 1234567.9f, "1234568"},
        {"PlainWithZerosToExponentFourteen", 1e10f, "10000000000"},
        {"ExponentForm", 1e20f, "1E+20"},
        {"SmallExponentForm", 2.5e-7f, "2.5E-07"},
        {"NegativeZero", -0.0f, "0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(StrR4(c.value), c.expected);
    }
}

TEST(StrI2Test, WritesDigitsAndMinus) {
    EXPECT_EQ(StrI2(12), "12");
    EXPECT_EQ(StrI2(0), "0");
    EXPECT_EQ(StrI2(-32768), "-32768");
    EXPECT_EQ(StrI2(32767), "32767");
}

TEST(StrR8Test, ValReadsBackWhatStrR8Wrote) {
    for (double value : {0.1, 1.0 / 3.0, -123.456, 1e-7, 6.02214076e23, 1.7e308, 2.2250738585072014e-308}) {
        SCOPED_TRACE(value);
        const Text text = StrR8(value);
        EXPECT_EQ(StrR8(Val(text)), text);
        EXPECT_NEAR(Val(text).value(), value, std::abs(value) * 1e-14);
    }
}

TEST(StrR8Test, FifteenDigitsOfTheLargestFloatLieBeyondTheRange) {
    // 1.7976931348623157e308 rounds up to 1.79769313486232E+308, which no 64-bit float holds.
    EXPECT_EQ(StrR8(1.7976931348623157e308), "1.79769313486232E+308");
    EXPECT_RUNTIME_ERROR(Val(StrR8(1.7976931348623157e308)), ErrorKind::Overflow);
}

}  // namespace
}  // namespace rt
