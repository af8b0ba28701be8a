// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "rt/conversions.h"
#include "rt/testing/expect_runtime_error.h"

namespace rt {
namespace {

TEST(FormatTest, ZeroPointHashesRoundsToThreeDecimals) {
    const struct {
        const char* name;
        double value;
        const char* expected;
    } cases[] = {
        {"Thirds", 500.0 / 3.0, "166.667"},
        {"NegativeThirds", -500.0 / 3.0, "-166.667"},
        {"Quarter", 1.0 / 4.0, "0.25"},
        {"WholeHasNoPoint", 6.0 / 3.0, "2"},
        {"OneFifth", 100.0 / 500.0, "0.2"},
        // 1 / 16 = 0.0625: the tie goes away from zero.
        {"TieAwayFromZero", 1.0 / 16.0, "0.063"},
        {"NegativeTieAwayFromZero", -1.0 / 16.0, "-0.063"},
        // 2001 / 2000 is 1.0004999999999999 in binary but 1.0005 at 15 digits.
        {"RoundsTheFifteenDigitForm", 2001.0 / 2000.0, "1.001"},
        {"TinyIsZero", 1.0 / 3000.0, "0"},
        {"TinyNegativeIsZeroWithoutSign", -1.0 / 3000.0, "0"},
        {"CarryIntoWholePart", 9.9996, "10"},
        {"CarryIntoNewDigit", 999.9999, "1000"},
        {"SmallestShown", 1.0 / 2000.0, "0.001"},
        {"HugeValueInPlainDigits", 1e20 / 3.0, "33333333333333300000"},
        {"Zero", 0.0, "0"},
        {"NegativeZero", -0.0, "0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Format(c.value, "0.###"), c.expected);
    }
}

TEST(FormatTest, OtherZeroHashPatterns) {
    EXPECT_EQ(Format(2.5, "0"), "3");
    EXPECT_EQ(Format(0.5, "00.0#"), "00.5");
    EXPECT_EQ(Format(3.14159, "0.00"), "3.14");
    EXPECT_EQ(Format(3, "0.00"), "3.00");
}

TEST(FormatTest, UnknownPatternIsAnInvalidCall) {
    for (const char* pattern : {"", "#.##", "0.#0", "0,000", "Currency"})
        EXPECT_RUNTIME_ERROR(Format(1, pattern), ErrorKind::InvalidCall);
}

}  // namespace
}  // namespace rt
