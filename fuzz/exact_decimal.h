// SPDX-License-Identifier: MIT
#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fuzz {

/// An exact decimal number, (-1)^negative × digits × 10^exponent, so that properties about
/// decimal texts can be checked without the rounding of binary floats. `digits` has neither
/// leading nor trailing zeros; zero has no digits, exponent 0 and is never negative.
struct Decimal {
    bool negative = false;
    std::string digits;
    std::int64_t exponent = 0;

    bool is_zero() const { return digits.empty(); }
    /// The power of ten of the leading digit: 0 for 2.5, -1 for 0.25.
    std::int64_t leading_exponent() const { return exponent + static_cast<std::int64_t>(digits.size()) - 1; }

    friend bool operator==(const Decimal&, const Decimal&) = default;
};

/// The exact value of a finite double (each is a decimal fraction of at most 767 digits).
Decimal exact(double value);
/// A text of the form [-]digits[.digits][(e|E)[+|-]digits], or [-].digits; nullopt otherwise.
std::optional<Decimal> parse_decimal(std::string_view text);
/// 10^exponent × digit, for a single digit.
Decimal power_of_ten(std::int64_t exponent, int digit = 1);

Decimal operator-(const Decimal& a);
Decimal operator+(const Decimal& a, const Decimal& b);
Decimal operator-(const Decimal& a, const Decimal& b);
Decimal abs(const Decimal& a);
std::strong_ordering operator<=>(const Decimal& a, const Decimal& b);

/// The value rounded to a number of significant digits: the one nearest, or both neighbours
/// when the value lies exactly halfway.
std::vector<Decimal> round_significant(const Decimal& value, int significant);

/// "-125e-2" style, for messages.
std::string to_string(const Decimal& value);

}  // namespace fuzz
