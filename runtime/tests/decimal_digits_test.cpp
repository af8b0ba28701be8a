// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <ostream>
#include <limits>
#include <random>

#include "rt/decimal_digits.h"

namespace rt::detail {
void PrintTo(const DecimalDigits& d, std::ostream* out) {
    *out << (d.negative ? "-" : "") << d.digits << " e" << d.exponent;
}

namespace {

// The exact expansion is the fallback where the C++ library cannot write floats; it is tested
// directly here, in every build, and held against the library where there is one.
TEST(DecimalDigitsTest, ExactExpansionRoundsHalvesToEven) {
    const struct {
        const char* name;
        double value;
        int significant;
        DecimalDigits expected;
    } cases[] = {
        {"Zero", 0.0, 15, {false, "0", 0}},
        {"WholeNumber", 474, 15, {false, "474", 2}},
        {"Negative", -2.5, 15, {true, "25", 0}},
        // 2.5, 3.5 and 0.125 are exact in binary: true ties, which go to the even digit.
        {"TieDownToEven", 2.5, 1, {false, "2", 0}},
        {"TieUpToEven", 3.5, 1, {false, "4", 0}},
        {"FractionTieToEven", 0.125, 2, {false, "12", -1}},
        // 0.15 is 0.1499999999999999944... in binary: below the half, so it rounds down.
        {"NearTieFollowsTheBinaryValue", 0.15, 1, {false, "1", -1}},
        {"CarryIntoNewDigit", 9.96, 2, {false, "1", 1}},
        {"TenthInFifteenDigits", 0.1, 15, {false, "1", -1}},
        {"TenthInSeventeenDigits", 0.1, 17, {false, "10000000000000001", -1}},
        {"SmallestSubnormal", 5e-324, 15, {false, "494065645841247", -324}},
        {"Largest", std::numeric_limits<double>::max(), 17, {false, "17976931348623157", 308}},
        {"PowerOfTwoBeyondTheMantissa", 0x1p80, 17, {false, "12089258196146292", 24}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(exact_decimal_digits(c.value, c.significant), c.expected);
        EXPECT_EQ(decimal_digits(c.value, c.significant), c.expected);
    }
}

TEST(DecimalDigitsTest, ExactExpansionAgreesWithTheLibraryOnRandomValues) {
    if (!decimal_digits_use_to_chars()) GTEST_SKIP() << "this build has only the exact expansion";
    std::mt19937_64 random(20261208);
    for (int i = 0; i < 100000; ++i) {
        // Random bit patterns cover every exponent; small multiples of powers of two give ties.
        std::uint64_t bits = random();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        if (i % 2 == 1) value = std::ldexp(static_cast<double>(random() % 2000001), static_cast<int>(random() % 60) - 30);
        if (!std::isfinite(value)) continue;
        for (int significant : {1, 7, 15, 17}) {
            const DecimalDigits exact = exact_decimal_digits(value, significant);
            ASSERT_EQ(exact, decimal_digits(value, significant)) << value << " to " << significant << " digits";
        }
    }
}

}  // namespace
}  // namespace rt::detail
