// SPDX-License-Identifier: MIT
// StrR8 and StrR4 on any 64-bit or 32-bit float. The text has the documented shape and is the
// value rounded to 15 (StrR8) or 7 (StrR4) significant digits, checked exactly in decimal;
// either neighbour is accepted where the value lies exactly halfway. A value that is not finite
// raises Overflow, so no text ever holds "inf" or "nan". Val reads the text back as the float
// nearest to it: for StrR8 that is the value rounded to 15 significant digits, which raises
// Overflow exactly when that rounding lies beyond the largest float (1.79769313486232E+308 for
// the largest float itself), and StrR8 writes the same text again from what Val read.

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>

#include "exact_decimal.h"
#include "fuzz_support.h"
#include "real_text_shape.h"
#include "rt/conversions.h"

namespace {

std::string text_or_error(const fuzz::Outcome<rt::Text>& result) {
    return result.value ? fuzz::quoted(*result.value) : fuzz::kind_name(result.error);
}

/// The shape and the value of a text written for `value` with `significant` digits; the
/// text itself, or nothing for a value that is not finite.
std::optional<rt::Text> check_real_text(const std::string& call, double value, int significant,
                                        const fuzz::Outcome<rt::Text>& result) {
    if (!std::isfinite(value)) {
        FUZZ_CHECK(result.error == rt::ErrorKind::Overflow, call + ": expected Overflow, got " + text_or_error(result));
        return std::nullopt;
    }
    FUZZ_CHECK(result.value, call + ": raised " + fuzz::kind_name(result.error));
    const rt::Text& text = *result.value;
    const std::string shape_error = fuzz::real_text_shape_error(text, significant);
    FUZZ_CHECK(shape_error.empty(), call + " gave " + fuzz::quoted(text) + ": " + shape_error);

    const fuzz::Decimal written = *fuzz::parse_decimal(text);
    const auto nearest = fuzz::round_significant(fuzz::exact(value), significant);
    FUZZ_CHECK(std::find(nearest.begin(), nearest.end(), written) != nearest.end(),
               call + " gave " + fuzz::quoted(text) + ", the value rounded is " + fuzz::to_string(nearest.front()));
    return text;
}

/// Val(text) must be the float nearest to the text (strtod rounds correctly), or Overflow.
void check_read_back(const std::string& call, const rt::Text& text, const fuzz::Outcome<double>& read) {
    const double nearest = std::strtod(text.c_str(), nullptr);
    if (std::isinf(nearest)) {
        FUZZ_CHECK(read.error == rt::ErrorKind::Overflow,
                   "Val(" + call + ") = Val(" + fuzz::quoted(text) +
                       ") beyond the float range: expected Overflow, got " +
                       (read.value ? fuzz::show(*read.value) : fuzz::kind_name(read.error)));
        return;
    }
    FUZZ_CHECK(read.value, "Val(" + fuzz::quoted(text) + ") raised " + fuzz::kind_name(read.error));
    FUZZ_CHECK(*read.value == nearest, "Val(" + fuzz::quoted(text) + ") gave " + fuzz::show(*read.value) +
                                           ", nearest float " + fuzz::show(nearest));
}

void check_str_r8(double value) {
    const std::string call = "StrR8(" + fuzz::show(value) + ")";
    const auto written = check_real_text(call, value, 15, fuzz::attempt([&] { return rt::StrR8(value); }));
    if (!written) return;
    const rt::Text& text = *written;
    const auto read = fuzz::attempt([&] { return rt::Val(text).value(); });
    check_read_back(call, text, read);
    if (read.value) {
        const rt::Text again = rt::StrR8(*read.value);
        FUZZ_CHECK(again == text,
                   "StrR8(Val(" + call + ")) gave " + fuzz::quoted(again) + " after " + fuzz::quoted(text));
    }
}

void check_str_r4(float value) {
    const std::string call = "StrR4(" + fuzz::show(value) + ")";
    const auto written = check_real_text(call, value, 7, fuzz::attempt([&] { return rt::StrR4(value); }));
    if (!written) return;
    const rt::Text& text = *written;
    const auto read = fuzz::attempt([&] { return rt::Val(text).value(); });
    check_read_back(call, text, read);
    // Seven digits of a 32-bit float always lie within its range.
    FUZZ_CHECK(read.value, "Val(" + call + ") raised " + fuzz::kind_name(read.error));
    const auto narrowed = fuzz::attempt([&] { return rt::Float32(rt::Float64(*read.value)).value(); });
    FUZZ_CHECK(narrowed.value, "Float32(Val(" + call + ")) raised " + fuzz::kind_name(narrowed.error));
}

/// mantissa × 10^power as the nearest double or float: values close to decimal ties and bounds.
std::string decimal_text(fuzz::Bytes& in) {
    const auto mantissa = in.take<std::int64_t>();
    const auto power = in.take<std::int16_t>() % 400;
    return std::to_string(mantissa) + "e" + std::to_string(power);
}

}  // namespace

// Input: a mode byte, then
//   mode 0: StrR8 of a double's 8 bytes, any bit pattern;   mode 1: StrR4 of a float's 4 bytes;
//   mode 2: StrR8 of mantissa × 10^power (8 + 2 bytes);    mode 3: StrR4 of the same.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Bytes in(data, size);
    switch (in.take<std::uint8_t>() % 4) {
        case 0: check_str_r8(in.take<double>()); break;
        case 1: check_str_r4(in.take<float>()); break;
        case 2: check_str_r8(std::strtod(decimal_text(in).c_str(), nullptr)); break;
        case 3: check_str_r4(std::strtof(decimal_text(in).c_str(), nullptr)); break;
    }
    return 0;
}
