// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <functional>
#include <limits>

#include "rt/floating.h"
#include "rt/integer.h"
#include "rt/testing/expect_runtime_error.h"

namespace rt {
namespace {

struct IntegerCase {
    const char* name;
    std::function<std::int64_t()> compute;
    std::int64_t expected;
};

TEST(CheckedIntegerTest, ResultsInsideTheRange) {
    const IntegerCase cases[] = {
        {"Int16AddToUpperBound", [] { return (Int16(32766) + 1).value(); }, 32767},
        {"Int16SubtractToLowerBound", [] { return (Int16(-32767) - 1).value(); }, -32768},
        {"Int16Multiply", [] { return (Int16(181) * 181).value(); }, 32761},
        {"Int32SeriesTerm", [] { return (Int32(123456789) * 10 + Int16(10)).value(); }, 1234567900},
        {"Int16WidensIntoInt32", [] { return (Int16(30000) + Int32(30000)).value(); }, 60000},
        {"DivisionTruncatesTowardZero", [] { return (Int32(-7) / 2).value(); }, -3},
        {"RemainderTakesTheDividendsSign", [] { return (Int16(-7) % 3).value(); }, -1},
        {"RemainderOfLowestByMinusOne", [] { return (Int32(std::numeric_limits<std::int32_t>::min()) % -1).value(); }, 0},
        {"Negate", [] { return (-Int16(32767)).value(); }, -32767},
        {"Increment", [] { Int16 i = 9; ++i; return i.value(); }, 10},
    };
    for (const IntegerCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.compute(), c.expected);
    }
}

TEST(CheckedIntegerTest, OverflowJustPastEachEnd) {
    // Out of bounds.
    EXPECT_RUNTIME_ERROR(Int16(32767) + 1, ErrorKind::Overflow);
    EXPECT_RUNTIME_ERROR(Int16(-32768) - 1, ErrorKind::Overflow);
    EXPECT_RUNTIME_ERROR(Int16(182) * 181, ErrorKind::Overflow);
    EXPECT_RUNTIME_ERROR(-Int16(-32768), ErrorKind::Overflow);
    EXPECT_RUNTIME_ERROR(Int32(2147483647) + 1, ErrorKind::Overflow);
    EXPECT_RUNTIME_ERROR(Int32(214748365) * 10, ErrorKind::Overflow);
    EXPECT_RUNTIME_ERROR(Int32(std::numeric_limits<std::int32_t>::min()) / -1, ErrorKind::Overflow);
    EXPECT_RUNTIME_ERROR(Int16(40000), ErrorKind::Overflow);
    EXPECT_RUNTIME_ERROR([] { Int16 i = 32767; ++i; }(), ErrorKind::Overflow);
}

TEST(CheckedIntegerTest, DivisionByZero) {
    EXPECT_RUNTIME_ERROR(Int16(1) / 0, ErrorKind::DivisionByZero);
    EXPECT_RUNTIME_ERROR(Int32(1) % 0, ErrorKind::DivisionByZero);
}

TEST(CheckedIntegerTest, ComparesAcrossWidthsAndWithFloats) {
    EXPECT_TRUE(Int16(5) == Int32(5));
    EXPECT_TRUE(Int16(-1) < Int32(0));
    EXPECT_TRUE(Float64(12) >= Int16(12));
    EXPECT_FALSE(Float64(12) >= Int16(13));
}

TEST(CheckedFloatTest, ResultsThatAreNotFiniteRaiseErrors) {
    const double huge = 1e200;
    EXPECT_RUNTIME_ERROR(Float64(huge) * huge, ErrorKind::Overflow);
    EXPECT_RUNTIME_ERROR(Float64(1.7e308) + 1.7e308, ErrorKind::Overflow);
    EXPECT_RUNTIME_ERROR(Float64(-1.7e308) - 1.7e308, ErrorKind::Overflow);
    EXPECT_RUNTIME_ERROR(Float64(1e300) / 1e-300, ErrorKind::Overflow);
    EXPECT_RUNTIME_ERROR(Float64(5) / 0, ErrorKind::DivisionByZero);
    EXPECT_RUNTIME_ERROR(Float64(0) / 0, ErrorKind::FloatingPoint);
    EXPECT_RUNTIME_ERROR(Float64(-0.0) / 0, ErrorKind::FloatingPoint);
    EXPECT_RUNTIME_ERROR(Float32(0) / 0, ErrorKind::FloatingPoint);
    EXPECT_RUNTIME_ERROR(Float32(3e38f) * 10, ErrorKind::Overflow);
    EXPECT_RUNTIME_ERROR(Float32(1) / 0, ErrorKind::DivisionByZero);
    EXPECT_RUNTIME_ERROR(Float64(std::numeric_limits<double>::infinity()) - std::numeric_limits<double>::infinity(),
                         ErrorKind::FloatingPoint);
}

TEST(CheckedFloatTest, MixedArithmeticWidens) {
    // A 32-bit float times an integer stays 32-bit; with a Float64 it becomes 64-bit.
    const Float32 largest_below_one = 0.99999994f;
    EXPECT_EQ((largest_below_one * 6).value(), 5.99999952f);
    const Float64 wide = largest_below_one * Float64(401) + 100;
    EXPECT_LT(wide.value(), 501.0);
    EXPECT_EQ((Int32(7) + Float64(0.5)).value(), 7.5);
    // A double constant makes the arithmetic 64-bit: Float32 * 10.0 and Int16 + 0.5.
    const Float64 product = largest_below_one * 10.0;
    EXPECT_EQ(product.value(), 0.99999994039535522 * 10.0);
    const Float64 sum = Int16(7) + 0.5;
    EXPECT_EQ(sum.value(), 7.5);
}

}  // namespace
}  // namespace rt
