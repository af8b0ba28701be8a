// SPDX-License-Identifier: MIT
// Format on any 64-bit float and any pattern. A pattern of the form 0+(.0*#*)? gives the value
// with at least as many whole digits as it has zeros before the point and between its zeros and
// its zeros-and-#s after it in decimals, no needless trailing zero, and never "-0"; with
// "0.###" that is -?[0-9]+(\.[0-9]{1,3})?. The text lies within half a unit of its last allowed
// decimal of the value's 15-significant-digit form (within 0.0005 with "0.###"), a halfway case
// going away from zero; that form, not the binary value, is what a huge value shows (1e20 / 3
// shows 33333333333333300000). Compared exactly in decimal. Any other pattern raises
// InvalidCall; a value that is not finite raises Overflow.

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "exact_decimal.h"
#include "fuzz_support.h"
#include "rt/conversions.h"

namespace {

struct Pattern {
    std::size_t min_whole = 0;
    std::size_t min_decimals = 0;
    std::size_t max_decimals = 0;
};

/// The counts of a pattern of the form 0+(.0*#*)?; nothing for any other text.
std::optional<Pattern> read_pattern(std::string_view text) {
    Pattern p;
    p.min_whole = std::min(text.find_first_not_of('0'), text.size());
    if (p.min_whole == 0) return std::nullopt;
    text.remove_prefix(p.min_whole);
    if (text.empty()) return p;
    if (text.front() != '.') return std::nullopt;
    text.remove_prefix(1);
    p.min_decimals = std::min(text.find_first_not_of('0'), text.size());
    text.remove_prefix(p.min_decimals);
    const std::size_t hashes = std::min(text.find_first_not_of('#'), text.size());
    if (hashes != text.size()) return std::nullopt;
    p.max_decimals = p.min_decimals + hashes;
    return p;
}

bool digits_only(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

/// What is wrong with the shape of the text for the pattern, or "".
std::string shape_error(std::string_view text, const Pattern& p) {
    const bool minus = text.starts_with('-');
    if (minus) text.remove_prefix(1);
    const auto point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view decimals = point == std::string_view::npos ? "" : text.substr(point + 1);
    if (whole.empty() || !digits_only(whole) || !digits_only(decimals)) return "not digits with an optional point";
    if (point != std::string_view::npos && decimals.empty()) return "a point without decimals";
    if (whole.size() < p.min_whole) return "fewer whole digits than the pattern's zeros";
    if (whole.size() > p.min_whole && whole[0] == '0') return "a needless leading zero";
    if (decimals.size() < p.min_decimals || decimals.size() > p.max_decimals)
        return "decimals outside the pattern's count";
    if (decimals.size() > p.min_decimals && decimals.back() == '0') return "a needless trailing zero";
    if (minus && whole.find_first_not_of('0') == std::string_view::npos &&
        decimals.find_first_not_of('0') == std::string_view::npos)
        return "a minus before zero";
    return "";
}

/// `shown` is `form` rounded at 10^-decimals, halves away from zero.
bool rounds_to(const fuzz::Decimal& form, const fuzz::Decimal& shown, std::size_t decimals) {
    const fuzz::Decimal half = fuzz::power_of_ten(-static_cast<std::int64_t>(decimals) - 1, 5);
    const fuzz::Decimal distance = fuzz::abs(shown - form);
    if (distance < half) return true;
    return distance == half && fuzz::abs(shown) > fuzz::abs(form);
}

std::string format_call(double value, std::string_view pattern) {
    return "Format(" + fuzz::show(value) + ", " + fuzz::quoted(pattern) + ")";
}

}  // namespace

// Input: a mode byte, then the value and the pattern.
//   mode bit 0: the value is a double's 8 bytes (0), or mantissa × 10^power from 8 + 2 bytes (1);
//   mode bit 1: the pattern is "0.###" (0), or the rest of the input (1).
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Bytes in(data, size);
    const auto mode = in.take<std::uint8_t>();
    double value = 0;
    if ((mode & 1) == 0) {
        value = in.take<double>();
    } else {
        const auto mantissa = in.take<std::int64_t>();
        const auto power = in.take<std::int16_t>() % 400;
        value = std::strtod((std::to_string(mantissa) + "e" + std::to_string(power)).c_str(), nullptr);
    }
    const std::string_view pattern = (mode & 2) == 0 ? std::string_view("0.###") : in.rest();
    const std::string call = format_call(value, pattern);
    const auto result = fuzz::attempt([&] { return rt::Format(value, pattern); });
    const auto result_text = [&] { return result.value ? fuzz::quoted(*result.value) : fuzz::kind_name(result.error); };

    const auto p = read_pattern(pattern);
    if (!p) {
        FUZZ_CHECK(result.error == rt::ErrorKind::InvalidCall, call + ": expected InvalidCall, got " + result_text());
        return 0;
    }
    if (!std::isfinite(value)) {
        FUZZ_CHECK(result.error == rt::ErrorKind::Overflow, call + ": expected Overflow, got " + result_text());
        return 0;
    }
    FUZZ_CHECK(result.value, call + " raised " + fuzz::kind_name(result.error));
    const std::string& text = *result.value;
    const std::string error = shape_error(text, *p);
    FUZZ_CHECK(error.empty(), call + " gave " + fuzz::quoted(text) + ": " + error);

    const fuzz::Decimal shown = *fuzz::parse_decimal(text);
    FUZZ_CHECK(shown.is_zero() || shown.negative == (value < 0), call + " gave " + fuzz::quoted(text) + ": wrong sign");
    const auto forms = fuzz::round_significant(fuzz::exact(value), 15);
    FUZZ_CHECK(std::any_of(forms.begin(), forms.end(),
                           [&](const fuzz::Decimal& form) { return rounds_to(form, shown, p->max_decimals); }),
               call + " gave " + fuzz::quoted(text) + ", the 15-digit form is " + fuzz::to_string(forms.front()));
    return 0;
}
