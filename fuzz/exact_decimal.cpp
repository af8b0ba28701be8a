// SPDX-License-Identifier: MIT
#include "exact_decimal.h"

#include <algorithm>
#include <cstdio>

namespace fuzz {

namespace {

/// Drops leading and trailing zeros; zero becomes the canonical zero.
Decimal normalized(bool negative, std::string digits, std::int64_t exponent) {
    const auto first = digits.find_first_not_of('0');
    if (first == std::string::npos) return {};
    const auto last = digits.find_last_not_of('0');
    exponent += static_cast<std::int64_t>(digits.size() - 1 - last);
    return {negative, digits.substr(first, last - first + 1), exponent};
}

/// The magnitude as a digit string counting units of 10^exponent (exponent <= d.exponent).
std::string scaled(const Decimal& d, std::int64_t exponent) {
    return d.digits + std::string(static_cast<std::size_t>(d.exponent - exponent), '0');
}

int compare_digits(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
    return a.compare(b) < 0 ? -1 : a.compare(b) > 0 ? 1 : 0;
}

std::string add_digits(const std::string& a, const std::string& b) {
    std::string out;
    int carry = 0;
    for (std::size_t i = 0; i < std::max(a.size(), b.size()) || carry; ++i) {
        int sum = carry;
        if (i < a.size()) sum += a[a.size() - 1 - i] - '0';
        if (i < b.size()) sum += b[b.size() - 1 - i] - '0';
        out += static_cast<char>('0' + sum % 10);
        carry = sum / 10;
    }
    std::reverse(out.begin(), out.end());
    return out;
}

/// a - b for a >= b.
std::string subtract_digits(const std::string& a, const std::string& b) {
    std::string out;
    int borrow = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        int difference = a[a.size() - 1 - i] - '0' - borrow;
        if (i < b.size()) difference -= b[b.size() - 1 - i] - '0';
        borrow = difference < 0;
        out += static_cast<char>('0' + difference + 10 * borrow);
    }
    std::reverse(out.begin(), out.end());
    return out;
}

bool all_digits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

Decimal exact(double value) {
    // glibc prints the exact binary value when asked for enough digits.
    char buffer[840];
    std::snprintf(buffer, sizeof buffer, "%.800e", value);
    return *parse_decimal(buffer);
}

std::optional<Decimal> parse_decimal(std::string_view text) {
    bool negative = false;
    if (!text.empty() && text.front() == '-') {
        negative = true;
        text.remove_prefix(1);
    }
    std::int64_t exponent = 0;
    if (const auto e = text.find_first_of("eE"); e != std::string_view::npos) {
        std::string_view power = text.substr(e + 1);
        text = text.substr(0, e);
        bool power_negative = false;
        if (!power.empty() && (power.front() == '+' || power.front() == '-')) {
            power_negative = power.front() == '-';
            power.remove_prefix(1);
        }
        if (power.empty() || power.size() > 9 || !all_digits(power)) return std::nullopt;
        exponent = std::stoll(std::string(power));
        if (power_negative) exponent = -exponent;
    }
    std::string_view whole = text, fraction;
    if (const auto point = text.find('.'); point != std::string_view::npos) {
        whole = text.substr(0, point);
        fraction = text.substr(point + 1);
    }
    if (whole.empty() && fraction.empty()) return std::nullopt;
    if (!all_digits(whole) || !all_digits(fraction)) return std::nullopt;
    return normalized(negative, std::string(whole) + std::string(fraction),
                      exponent - static_cast<std::int64_t>(fraction.size()));
}

Decimal power_of_ten(std::int64_t exponent, int digit) {
    return normalized(false, std::string(1, static_cast<char>('0' + digit)), exponent);
}

Decimal operator-(const Decimal& a) { return a.is_zero() ? a : Decimal{!a.negative, a.digits, a.exponent}; }

Decimal operator+(const Decimal& a, const Decimal& b) {
    if (a.is_zero()) return b;
    if (b.is_zero()) return a;
    const std::int64_t exponent = std::min(a.exponent, b.exponent);
    const std::string x = scaled(a, exponent), y = scaled(b, exponent);
    if (a.negative == b.negative) return normalized(a.negative, add_digits(x, y), exponent);
    if (compare_digits(x, y) >= 0) return normalized(a.negative, subtract_digits(x, y), exponent);
    return normalized(b.negative, subtract_digits(y, x), exponent);
}

Decimal operator-(const Decimal& a, const Decimal& b) { return a + -b; }

Decimal abs(const Decimal& a) { return {false, a.digits, a.exponent}; }

std::strong_ordering operator<=>(const Decimal& a, const Decimal& b) {
    const Decimal difference = a - b;
    if (difference.is_zero()) return std::strong_ordering::equal;
    return difference.negative ? std::strong_ordering::less : std::strong_ordering::greater;
}

std::vector<Decimal> round_significant(const Decimal& value, int significant) {
    const auto kept = static_cast<std::size_t>(significant);
    if (value.digits.size() <= kept) return {value};
    const std::string head = value.digits.substr(0, kept);
    const std::string rest = value.digits.substr(kept);  // its last digit is not 0
    const std::int64_t exponent = value.exponent + static_cast<std::int64_t>(rest.size());
    const Decimal down = normalized(value.negative, head, exponent);
    const Decimal up = normalized(value.negative, add_digits(head, "1"), exponent);
    if (rest == "5") return {down, up};
    return rest[0] >= '5' ? std::vector{up} : std::vector{down};
}

std::string to_string(const Decimal& value) {
    if (value.is_zero()) return "0";
    return (value.negative ? "-" : "") + value.digits + "e" + std::to_string(value.exponent);
}

}  // namespace fuzz
