// SPDX-License-Identifier: MIT
#include "rt/conversions.h"

#include "rt/decimal_digits.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace rt {

namespace {

/// Rounds to the nearest whole number, halves to even (the default rounding mode), and tests
/// the result against an integer type's range.
template <class Int>
Int round_to(Float64 value) {
    using T = typename Int::value_type;
    const double v = value.value();
    if (!std::isfinite(v)) raise(ErrorKind::Overflow);
    const double rounded = std::nearbyint(v);
    if (rounded < std::numeric_limits<T>::min() || rounded > std::numeric_limits<T>::max())
        raise(ErrorKind::Overflow);
    return Int(static_cast<T>(rounded));
}

Text real_text(double value, int significant) {
    if (!std::isfinite(value)) raise(ErrorKind::Overflow);
    const detail::DecimalDigits d = detail::decimal_digits(value, significant);
    if (d.digits == "0") return "0";
    Text out = d.negative ? "-" : "";
    const int count = static_cast<int>(d.digits.size());
    if (d.exponent >= -5 && d.exponent <= 14) {
        if (d.exponent < 0) {
            out += "0." + std::string(static_cast<std::size_t>(-d.exponent - 1), '0') + d.digits;
        } else if (count <= d.exponent + 1) {
            out += d.digits + std::string(static_cast<std::size_t>(d.exponent + 1 - count), '0');
        } else {
            out += d.digits.substr(0, d.exponent + 1) + "." + d.digits.substr(d.exponent + 1);
        }
        return out;
    }
    out += d.digits.substr(0, 1);
    if (count > 1) out += "." + d.digits.substr(1);
    std::string exponent = std::to_string(std::abs(d.exponent));
    if (exponent.size() < 2) exponent.insert(exponent.begin(), '0');
    out += d.exponent < 0 ? "E-" : "E+";
    return out + exponent;
}

/// "0.###"-style patterns: whole-digit zeros, then optionally a point, zeros and #s.
struct NumberPattern {
    int min_whole = 0;
    int min_decimals = 0;
    int max_decimals = 0;
};

NumberPattern parse_pattern(std::string_view pattern) {
    NumberPattern p;
    std::size_t i = 0;
    for (; i < pattern.size() && pattern[i] == '0'; ++i) ++p.min_whole;
    if (p.min_whole == 0) raise(ErrorKind::InvalidCall);
    if (i < pattern.size() && pattern[i] == '.') {
        for (++i; i < pattern.size() && pattern[i] == '0'; ++i) ++p.min_decimals;
        p.max_decimals = p.min_decimals;
        for (; i < pattern.size() && pattern[i] == '#'; ++i) ++p.max_decimals;
    }
    if (i != pattern.size()) raise(ErrorKind::InvalidCall);
    return p;
}

}  // namespace

Int16 FpI2(Float64 value) { return round_to<Int16>(value); }
Int32 FpI4(Float64 value) { return round_to<Int32>(value); }

Float64 Int(Float64 value) { return std::floor(value.value()); }
Float32 Int(Float32 value) { return std::floor(value.value()); }
Float64 Fix(Float64 value) { return std::trunc(value.value()); }
Float32 Fix(Float32 value) { return std::trunc(value.value()); }

Float64 Sqr(Float64 value) {
    if (value < 0) raise(ErrorKind::FloatingPoint);
    return std::sqrt(value.value());
}

Text StrI2(Int16 value) { return std::to_string(value.value()); }
Text StrI4(Int32 value) { return std::to_string(value.value()); }
Text StrR4(Float32 value) { return real_text(value.value(), 7); }
Text StrR8(Float64 value) { return real_text(value.value(), 15); }

Text Format(Float64 value, std::string_view pattern) {
    const NumberPattern p = parse_pattern(pattern);
    if (!std::isfinite(value.value())) raise(ErrorKind::Overflow);
    const detail::DecimalDigits d = detail::decimal_digits(value.value(), 15);

    // Lay the digits out around the point: whole part, then every decimal the form has.
    std::string whole, decimals;
    if (d.digits != "0") {
        const int count = static_cast<int>(d.digits.size());
        if (d.exponent < 0) {
            decimals = std::string(static_cast<std::size_t>(-d.exponent - 1), '0') + d.digits;
        } else if (count <= d.exponent + 1) {
            whole = d.digits + std::string(static_cast<std::size_t>(d.exponent + 1 - count), '0');
        } else {
            whole = d.digits.substr(0, d.exponent + 1);
            decimals = d.digits.substr(d.exponent + 1);
        }
    }
    // Round half away from zero at the last decimal the pattern allows.
    if (decimals.size() > static_cast<std::size_t>(p.max_decimals)) {
        const bool round_up = decimals[p.max_decimals] >= '5';
        decimals.resize(p.max_decimals);
        if (round_up) {
            std::string all = whole + decimals;
            if (detail::increment_digits(all)) all.insert(all.begin(), '1');
            whole = all.substr(0, all.size() - decimals.size());
            decimals = all.substr(all.size() - decimals.size());
        }
    }
    while (decimals.size() > static_cast<std::size_t>(p.min_decimals) && decimals.back() == '0') decimals.pop_back();
    decimals.resize(std::max<std::size_t>(decimals.size(), p.min_decimals), '0');
    const auto first = whole.find_first_not_of('0');
    whole = first == std::string::npos ? "" : whole.substr(first);
    if (whole.size() < static_cast<std::size_t>(p.min_whole))
        whole.insert(0, static_cast<std::size_t>(p.min_whole) - whole.size(), '0');

    const bool is_zero = whole.find_first_not_of('0') == std::string::npos &&
                         decimals.find_first_not_of('0') == std::string::npos;
    Text out = d.negative && !is_zero ? "-" : "";
    out += whole;
    if (!decimals.empty()) out += "." + decimals;
    return out;
}

}  // namespace rt
