// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

namespace rt::detail {

/// A value's decimal form rounded to a number of significant digits: the digits without
/// trailing zeros and the decimal exponent of the first ("25", -1 for 0.25). Zero gives "0", 0.
struct DecimalDigits {
    bool negative = false;
    std::string digits;
    int exponent = 0;

    friend bool operator==(const DecimalDigits&, const DecimalDigits&) = default;
};

/// The finite value correctly rounded to `significant` digits (1 to 17), halves to even.
/// Uses the C++ library's std::to_chars where it has one for floats, else the exact expansion
/// below; neither reads the process locale.
DecimalDigits decimal_digits(double value, int significant);

/// The same by exact arithmetic: the binary value written out in full in decimal with a big
/// integer, then rounded. Always built, so that tests can hold the two paths against each other.
DecimalDigits exact_decimal_digits(double value, int significant);

/// Adds one unit in the last place of a string of decimal digits; true when it carried out.
bool increment_digits(std::string& digits);

/// True when decimal_digits() uses the library's std::to_chars.
bool decimal_digits_use_to_chars();

}  // namespace rt::detail
