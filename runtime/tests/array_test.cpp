// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "rt/array.h"
#include "rt/testing/expect_runtime_error.h"

namespace rt {
namespace {

TEST(Int16ArrayTest, EveryAccessIsTestedAgainstTheBounds) {
    Int16Array digits(0, 10);
    digits(0) = 7;
    digits(10) = 9;
    EXPECT_EQ(digits(0).value(), 7);
    EXPECT_EQ(digits(10).value(), 9);
    EXPECT_EQ(digits(5).value(), 0);
    // Out of bounds.
    EXPECT_RUNTIME_ERROR(digits(11), ErrorKind::SubscriptOutOfRange);
    EXPECT_RUNTIME_ERROR(digits(-1), ErrorKind::SubscriptOutOfRange);
}

TEST(Int16ArrayTest, ExplicitLowerBound) {
    Int16Array a(-3, 3);
    EXPECT_EQ(Lbound(a).value(), -3);
    EXPECT_EQ(Ubound(a).value(), 3);
    a(-3) = 1;
    EXPECT_RUNTIME_ERROR(a(-4), ErrorKind::SubscriptOutOfRange);
    EXPECT_RUNTIME_ERROR(a(4), ErrorKind::SubscriptOutOfRange);
}

TEST(Int16ArrayTest, RedimPreserveKeepsTheCommonElements) {
    Int16Array a;
    Redim(a, 0, 100);
    a(0) = 8;
    a(1) = 1;
    a(3) = 2;
    RedimPreserve(a, 0, 3);
    EXPECT_EQ(Ubound(a).value(), 3);
    EXPECT_EQ(a(0).value(), 8);
    EXPECT_EQ(a(3).value(), 2);
    EXPECT_RUNTIME_ERROR(a(4), ErrorKind::SubscriptOutOfRange);
    RedimPreserve(a, 0, 5);
    EXPECT_EQ(a(1).value(), 1);
    EXPECT_EQ(a(5).value(), 0);
}

TEST(Int16ArrayTest, RedimClearsTheElements) {
    Int16Array a(0, 2);
    a(1) = 5;
    Redim(a, 0, 2);
    EXPECT_EQ(a(1).value(), 0);
}

TEST(Int16ArrayTest, UpperBelowLowerIsSubscriptOutOfRange) {
    Int16Array a(0, 100);
    a(0) = 4;
    EXPECT_RUNTIME_ERROR(RedimPreserve(a, 0, -1), ErrorKind::SubscriptOutOfRange);
    EXPECT_EQ(a(0).value(), 4) << "a refused resize leaves the array as it was";
    EXPECT_RUNTIME_ERROR(Redim(a, 5, 4), ErrorKind::SubscriptOutOfRange);
}

TEST(Int16ArrayTest, AnArrayWithoutBoundsHasNoElements) {
    Int16Array a;
    EXPECT_RUNTIME_ERROR(a(0), ErrorKind::SubscriptOutOfRange);
    EXPECT_RUNTIME_ERROR(Lbound(a), ErrorKind::SubscriptOutOfRange);
    EXPECT_RUNTIME_ERROR(Ubound(a), ErrorKind::SubscriptOutOfRange);
}

TEST(Int16ArrayTest, AnEnormousResizeIsOutOfMemoryNotACrash) {
    Int16Array a;
    EXPECT_RUNTIME_ERROR(Redim(a, -2147483647 - 1, 2147483647), ErrorKind::OutOfMemory);
}

}  // namespace
}  // namespace rt
