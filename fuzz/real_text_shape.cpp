// SPDX-License-Identifier: MIT
#include "real_text_shape.h"

#include <algorithm>

#include "exact_decimal.h"

namespace fuzz {

namespace {

bool digits_only(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

/// [1-9][0-9]* or "0" for the whole part (0 only when `zero_allowed`), then optionally a point
/// and decimals that do not end in 0.
bool plain_number(std::string_view s, bool zero_allowed) {
    const auto point = s.find('.');
    const std::string_view whole = s.substr(0, point);
    if (whole.empty() || !digits_only(whole)) return false;
    if (whole[0] == '0' && (whole.size() > 1 || !zero_allowed)) return false;
    if (point == std::string_view::npos) return true;
    const std::string_view decimals = s.substr(point + 1);
    return !decimals.empty() && digits_only(decimals) && decimals.back() != '0';
}

}  // namespace

std::string real_text_shape_error(std::string_view text, int significant) {
    const std::string_view unsigned_text = text.starts_with('-') ? text.substr(1) : text;
    const auto value = parse_decimal(text);
    if (!value) return "not a decimal number";
    if (text.starts_with('-') && value->is_zero()) return "a minus before zero";
    if (value->digits.size() > static_cast<std::size_t>(significant)) return "too many significant digits";

    const std::int64_t power = value->leading_exponent();
    const bool plain = value->is_zero() || (power >= -5 && power <= 14);
    const auto e = unsigned_text.find('E');
    if (plain) {
        if (e != std::string_view::npos) return "exponent form where plain digits belong";
        if (unsigned_text == "0") return "";
        return plain_number(unsigned_text, power < 0) ? "" : "not plain digits";
    }
    if (e == std::string_view::npos) return "plain digits where the exponent form belongs";
    const std::string_view mantissa = unsigned_text.substr(0, e);
    const std::string_view exponent = unsigned_text.substr(e + 1);
    if (!plain_number(mantissa, false) || mantissa.substr(0, mantissa.find('.')).size() != 1)
        return "mantissa not one digit and decimals";
    if (exponent.size() < 3 || (exponent[0] != '+' && exponent[0] != '-') || !digits_only(exponent.substr(1)))
        return "exponent not a sign and digits";
    if (exponent.size() > 3 && exponent[1] == '0') return "exponent with a needless leading zero";
    return "";
}

}  // namespace fuzz
