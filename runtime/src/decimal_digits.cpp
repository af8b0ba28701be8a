// SPDX-License-Identifier: MIT
#include "rt/decimal_digits.h"

#include <charconv>
#include <cmath>
#include <vector>

// Floating-point std::to_chars is missing from some C++ libraries (libc++ 13 among them);
// RT_PORTABLE_CONVERSIONS forces the exact fallback everywhere, so that tests can run it.
#if defined(__cpp_lib_to_chars) && !defined(RT_PORTABLE_CONVERSIONS)
#define RT_HAS_FLOAT_TO_CHARS 1
#else
#define RT_HAS_FLOAT_TO_CHARS 0
#endif

namespace rt::detail {

namespace {

/// A non-negative big integer in base 10^9, least significant limb first.
using Limbs = std::vector<std::uint32_t>;
constexpr std::uint32_t kLimbBase = 1'000'000'000;

void multiply(Limbs& n, std::uint32_t factor) {
    std::uint64_t carry = 0;
    for (auto& limb : n) {
        const std::uint64_t product = std::uint64_t{limb} * factor + carry;
        limb = static_cast<std::uint32_t>(product % kLimbBase);
        carry = product / kLimbBase;
    }
    for (; carry != 0; carry /= kLimbBase) n.push_back(static_cast<std::uint32_t>(carry % kLimbBase));
}

/// n × base^count, a chunk of factors at a time: 2^31 and 5^13 still fit in 32 bits.
void multiply_by_power(Limbs& n, std::uint32_t base, int count) {
    const int chunk = base == 2 ? 31 : 13;
    auto power = [base](int exponent) {
        std::uint32_t p = 1;
        for (int i = 0; i < exponent; ++i) p *= base;
        return p;
    };
    for (; count >= chunk; count -= chunk) multiply(n, power(chunk));
    multiply(n, power(count));
}

std::string to_digits(const Limbs& n) {
    std::string out = std::to_string(n.back());
    for (auto it = n.rbegin() + 1; it != n.rend(); ++it) {
        const std::string limb = std::to_string(*it);
        out += std::string(9 - limb.size(), '0') + limb;
    }
    return out;
}

void drop_trailing_zeros(DecimalDigits& d) { d.digits.resize(d.digits.find_last_not_of('0') + 1); }

#if RT_HAS_FLOAT_TO_CHARS
/// Reads to_chars' scientific form "-d.ddde+XX".
DecimalDigits from_scientific(const char* p, const char* end) {
    DecimalDigits d;
    if (*p == '-') {
        d.negative = true;
        ++p;
    }
    for (; *p != 'e'; ++p)
        if (*p != '.') d.digits += *p;
    const bool negative_exponent = *++p == '-';
    int exponent = 0;
    for (++p; p != end; ++p) exponent = exponent * 10 + (*p - '0');
    d.exponent = negative_exponent ? -exponent : exponent;
    drop_trailing_zeros(d);
    return d;
}
#endif

}  // namespace

/// Adds one unit in the last place of a string of decimal digits; true when it carried out.
bool increment_digits(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return false;
        }
        *it = '0';
    }
    return true;
}

DecimalDigits exact_decimal_digits(double value, int significant) {
    DecimalDigits d;
    if (value == 0) {
        d.digits = "0";
        return d;
    }
    d.negative = std::signbit(value);
    // |value| = mantissa × 2^binary_exponent with a 53-bit whole mantissa, subnormals included.
    int binary_exponent = 0;
    const double fraction = std::frexp(std::fabs(value), &binary_exponent);
    const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
    binary_exponent -= 53;

    // Written as a whole number times a power of ten: 2^-k = 5^k × 10^-k.
    Limbs n{static_cast<std::uint32_t>(mantissa % kLimbBase), static_cast<std::uint32_t>(mantissa / kLimbBase)};
    if (n.back() == 0) n.pop_back();
    int decimal_exponent = 0;
    if (binary_exponent >= 0) {
        multiply_by_power(n, 2, binary_exponent);
    } else {
        multiply_by_power(n, 5, -binary_exponent);
        decimal_exponent = binary_exponent;
    }
    d.digits = to_digits(n);
    d.exponent = static_cast<int>(d.digits.size()) - 1 + decimal_exponent;

    // Round to nearest at the last kept digit, an exact half to an even digit.
    const auto kept = static_cast<std::size_t>(significant);
    if (d.digits.size() > kept) {
        const char first_dropped = d.digits[kept];
        const bool more_after = d.digits.find_first_not_of('0', kept + 1) != std::string::npos;
        const bool odd = (d.digits[kept - 1] - '0') % 2 == 1;
        d.digits.resize(kept);
        if (first_dropped > '5' || (first_dropped == '5' && (more_after || odd))) {
            if (increment_digits(d.digits)) {
                d.digits.insert(d.digits.begin(), '1');
                ++d.exponent;
            }
        }
    }
    drop_trailing_zeros(d);
    return d;
}

DecimalDigits decimal_digits(double value, int significant) {
#if RT_HAS_FLOAT_TO_CHARS
    if (value == 0) return {false, "0", 0};
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific,
                                      significant - 1);
    return from_scientific(buffer, result.ptr);
#else
    return exact_decimal_digits(value, significant);
#endif
}

bool decimal_digits_use_to_chars() { return RT_HAS_FLOAT_TO_CHARS; }

}  // namespace rt::detail
