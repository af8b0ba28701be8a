// SPDX-License-Identifier: MIT
#include <cerrno>
#include <cmath>
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "rt/conversions.h"

namespace rt {

namespace {

// Decimal exponents beyond these are far outside the 64-bit float range in either direction,
// however many digits the mantissa has.
constexpr std::int64_t kExponentCap = 1'000'000'000;

/// Reads the text one character at a time, turning the full-width digits, sign and point into
/// ASCII; any other character that is not ASCII reads as '\0', which nothing in a number matches.
class NumberReader {
public:
    explicit NumberReader(std::string_view text) : m_text(text) {}

    char peek() const {
        if (m_pos >= m_text.size()) return '\0';
        const auto lead = static_cast<unsigned char>(m_text[m_pos]);
        if (lead < 0x80) return static_cast<char>(lead);
        // U+FF0B ＋, U+FF0D －, U+FF0E ．, U+FF10..U+FF19 ０-９ are EF BC 8B..99.
        if (m_text.substr(m_pos, 2) == "\xEF\xBC" && m_pos + 2 < m_text.size()) {
            const auto last = static_cast<unsigned char>(m_text[m_pos + 2]);
            if (last == 0x8B) return '+';
            if (last == 0x8D) return '-';
            if (last == 0x8E) return '.';
            if (last >= 0x90 && last <= 0x99) return static_cast<char>('0' + (last - 0x90));
        }
        return '\0';
    }
    void next() { m_pos += char_size(m_text, m_pos); }
    std::size_t position() const { return m_pos; }
    void rewind(std::size_t pos) { m_pos = pos; }

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
};

bool is_digit(char c) { return c >= '0' && c <= '9'; }

/// Reads "[-]digits e[-]digits", correctly rounded; nothing when the value is out of range
/// (too large for a double, or so small that it rounds to zero). Subnormals are values.
std::optional<double> parse_normal_form(const std::string& normal) {
#if defined(__cpp_lib_to_chars) && !defined(RT_PORTABLE_CONVERSIONS)
    double value = 0;
    const auto result = std::from_chars(normal.data(), normal.data() + normal.size(), value);
    if (result.ec == std::errc::result_out_of_range) return std::nullopt;
    return value;
#else
    // Where the C++ library has no floating-point from_chars (libc++ 13): the C library's
    // strtod rounds correctly too, and the normal form holds no decimal point, so no locale's
    // LC_NUMERIC changes how it reads.
    errno = 0;
    const double value = std::strtod(normal.c_str(), nullptr);
    if (errno == ERANGE && (value == 0 || std::isinf(value))) return std::nullopt;
    return value;
#endif
}

}  // namespace

Float64 Val(std::string_view text) {
    NumberReader in(text);
    while (in.peek() == ' ' || in.peek() == '\t' || in.peek() == '\n' || in.peek() == '\r') in.next();

    bool negative = false;
    if (in.peek() == '+' || in.peek() == '-') {
        negative = in.peek() == '-';
        in.next();
    }
    // The significant digits (leading zeros dropped) and the decimal exponent of the first.
    std::string digits;
    std::int64_t leading_exponent = -1;
    bool any_digit = false;
    for (; is_digit(in.peek()); in.next()) {
        any_digit = true;
        if (!digits.empty() || in.peek() != '0') digits += in.peek();
        if (!digits.empty()) ++leading_exponent;
    }
    if (in.peek() == '.') {
        in.next();
        for (; is_digit(in.peek()); in.next()) {
            any_digit = true;
            if (digits.empty() && in.peek() == '0') --leading_exponent;
            else digits += in.peek();
        }
    }
    if (!any_digit) return 0.0;

    // An exponent counts only when at least one digit follows the e and its sign.
    std::int64_t exponent = 0;
    const std::size_t before_exponent = in.position();
    if (in.peek() == 'e' || in.peek() == 'E') {
        in.next();
        bool exponent_negative = false;
        if (in.peek() == '+' || in.peek() == '-') {
            exponent_negative = in.peek() == '-';
            in.next();
        }
        if (!is_digit(in.peek())) in.rewind(before_exponent);
        for (; is_digit(in.peek()); in.next())
            if (exponent < kExponentCap) exponent = exponent * 10 + (in.peek() - '0');
        if (exponent_negative) exponent = -exponent;
    }

    const auto last_nonzero = digits.find_last_not_of('0');
    if (last_nonzero == std::string::npos) return 0.0;
    digits.resize(last_nonzero + 1);
    const std::int64_t magnitude = leading_exponent + exponent;
    if (magnitude > 400) raise(ErrorKind::Overflow);
    if (magnitude < -400) return 0.0;

    // digits × 10^(magnitude - count + 1), handed to the correctly rounding parser.
    std::string normal = (negative ? "-" : "") + digits + "e" +
                         std::to_string(magnitude - static_cast<std::int64_t>(digits.size()) + 1);
    const std::optional<double> value = parse_normal_form(normal);
    if (!value) {
        if (magnitude > 0) raise(ErrorKind::Overflow);
        return 0.0;
    }
    return *value;
}

}  // namespace rt
