// SPDX-License-Identifier: MIT
// Val on arbitrary bytes. It reads exactly the leading number its contract describes (blanks,
// sign, digits, point, exponent; full-width digits, sign and point as their ASCII forms) and
// gives the 64-bit float nearest to it, as the C library's correctly rounding strtod does;
// Overflow exactly when that number lies beyond the float range; never another error, an
// infinity, a NaN or a negative zero.

#include <cerrno>
#include <cmath>
#include <cstdlib>

#include "fuzz_support.h"
#include "rt/conversions.h"

namespace {

/// The text with the full-width digits, signs and point turned into ASCII and every other byte
/// that is not ASCII into '\x01', which no number holds.
std::string ascii_view(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x80) {
            out += text[i++];
            continue;
        }
        // U+FF0B ＋, U+FF0D －, U+FF0E ．, U+FF10..U+FF19 ０-９.
        const auto last = i + 2 < text.size() ? static_cast<unsigned char>(text[i + 2]) : 0;
        if (text.substr(i, 2) == "\xEF\xBC" &&
            ((last >= 0x90 && last <= 0x99) || last == 0x8B || last == 0x8D || last == 0x8E)) {
            out += last >= 0x90 ? static_cast<char>('0' + last - 0x90) : last == 0x8B ? '+' : last == 0x8D ? '-' : '.';
            i += 3;
        } else {
            out += '\x01';
            ++i;
        }
    }
    return out;
}

std::size_t skip_digits(std::string_view s, std::size_t i) {
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i;
    return i;
}

/// The leading number of an ASCII text, without the blanks before it; "" when there is none.
std::string leading_number(std::string_view s) {
    std::size_t begin = 0;
    while (begin < s.size() && (s[begin] == ' ' || s[begin] == '\t' || s[begin] == '\n' || s[begin] == '\r')) ++begin;
    std::size_t i = begin;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t end = skip_digits(s, i);
    bool any_digit = end > i;
    if (end < s.size() && s[end] == '.') {
        const std::size_t fraction_end = skip_digits(s, end + 1);
        any_digit = any_digit || fraction_end > end + 1;
        end = fraction_end;
    }
    if (!any_digit) return "";
    if (end < s.size() && (s[end] == 'e' || s[end] == 'E')) {
        std::size_t power = end + 1;
        if (power < s.size() && (s[power] == '+' || s[power] == '-')) ++power;
        if (const std::size_t power_end = skip_digits(s, power); power_end > power) end = power_end;
    }
    return std::string(s.substr(begin, end - begin));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto result = fuzz::attempt([&] { return rt::Val(text).value(); });

    const std::string number = leading_number(ascii_view(text));
    double expected = 0;
    if (!number.empty()) {
        char* end = nullptr;
        expected = std::strtod(number.c_str(), &end);
        FUZZ_CHECK(end == number.c_str() + number.size(), "strtod stopped early in " + fuzz::quoted(number));
    }
    const std::string context = "Val(" + fuzz::quoted(text) + "), leading number " + fuzz::quoted(number);

    if (std::isinf(expected)) {
        FUZZ_CHECK(result.error == rt::ErrorKind::Overflow,
                   context + ": expected Overflow, got " +
                       (result.value ? fuzz::show(*result.value) : fuzz::kind_name(result.error)));
        return 0;
    }
    FUZZ_CHECK(result.value, context + ": raised " + fuzz::kind_name(result.error));
    const double value = *result.value;
    FUZZ_CHECK(value == expected, context + ": gave " + fuzz::show(value) + ", nearest float " + fuzz::show(expected));
    FUZZ_CHECK(!(value == 0 && std::signbit(value)), context + ": gave negative zero");
    return 0;
}
