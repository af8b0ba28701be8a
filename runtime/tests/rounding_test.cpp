// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "rt/conversions.h"
#include "rt/testing/expect_runtime_error.h"

namespace rt {
namespace {

struct RoundCase {
    const char* name;
    double value;
    int expected;
};

TEST(RoundingTest, FpI2RoundsHalvesToEven) {
    const RoundCase cases[] = {
        {"HalfDownToEven", 2.5, 2},      {"HalfUpToEven", 3.5, 4},           {"NegativeHalfToEven", -2.5, -2},
        {"JustAboveHalf", 4.51, 5},      {"JustBelowHalf", 4.49, 4},         {"HalfBelowLowerBound", -32768.5, -32768},
        {"UpperBound", 32767, 32767},    {"HalfBelowUpperBound", 32766.5, 32766},
        {"FractionBelowUpperBound", 32767.49, 32767},
    };
    for (const RoundCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FpI2(c.value).value(), c.expected);
    }
}

TEST(RoundingTest, FpI2RaisesOverflowOutsideTheRange) {
    // 32767.5 rounds to the even 32768; -32769.5 to -32770.
    for (double value : {32767.5, 32768.0, -32769.0, -32768.51, 40000.0, 1e300})
        EXPECT_RUNTIME_ERROR(FpI2(value), ErrorKind::Overflow);
    EXPECT_RUNTIME_ERROR(FpI2(std::numeric_limits<double>::infinity()), ErrorKind::Overflow);
    EXPECT_RUNTIME_ERROR(FpI2(std::numeric_limits<double>::quiet_NaN()), ErrorKind::Overflow);
}

TEST(RoundingTest, FpI4RoundsHalvesToEvenAtBothEnds) {
    EXPECT_EQ(FpI4(2147483646.5).value(), 2147483646);
    EXPECT_EQ(FpI4(-2147483648.5).value(), -2147483647 - 1);
    EXPECT_EQ(FpI4(2018.6).value(), 2019);
    EXPECT_EQ(FpI4(12.5).value(), 12);
    EXPECT_EQ(FpI4(13.5).value(), 14);
    // Out of bounds.
    EXPECT_RUNTIME_ERROR(FpI4(2147483647.5), ErrorKind::Overflow);
    EXPECT_RUNTIME_ERROR(FpI4(2147483648.0), ErrorKind::Overflow);
    EXPECT_RUNTIME_ERROR(FpI4(-2147483649.0), ErrorKind::Overflow);
}

TEST(RoundingTest, I2I4NarrowsWithTheRangeTest) {
    EXPECT_EQ(I2I4(32767).value(), 32767);
    EXPECT_EQ(I2I4(-32768).value(), -32768);
    EXPECT_RUNTIME_ERROR(I2I4(32768), ErrorKind::Overflow);
    EXPECT_RUNTIME_ERROR(I2I4(-32769), ErrorKind::Overflow);
}

TEST(RoundingTest, IntGoesDownAndFixTowardZero) {
    struct {
        double value, int_result, fix_result;
    } const cases[] = {{2.7, 2, 2}, {-2.7, -3, -2}, {-2.0, -2, -2}, {5.5, 5, 5}, {0.99999994, 0, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(Int(Float64(c.value)).value(), c.int_result);
        EXPECT_EQ(Fix(Float64(c.value)).value(), c.fix_result);
    }
    EXPECT_EQ(Int(Float32(-0.5f)).value(), -1.0f);
}

TEST(RoundingTest, SqrOfANegativeIsAFloatError) {
    EXPECT_EQ(Sqr(541).value(), std::sqrt(541.0));
    EXPECT_EQ(Sqr(0).value(), 0);
    EXPECT_RUNTIME_ERROR(Sqr(-1), ErrorKind::FloatingPoint);
}

TEST(RoundingTest, Float32NarrowingRaisesOverflowBeyondItsRange) {
    EXPECT_EQ(Float32(Float64(500)).value(), 500.0f);
    EXPECT_RUNTIME_ERROR(Float32(Float64(1e39)), ErrorKind::Overflow);
    EXPECT_RUNTIME_ERROR(Float32(Float64(-1e39)), ErrorKind::Overflow);
}

}  // namespace
}  // namespace rt
