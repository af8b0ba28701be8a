// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace fuzz {

/// What is wrong with the shape of a StrR4/StrR8 text, or "" when nothing is: "-" only before a
/// value below zero; plain digits while the leading digit's power of ten is -5 to 14, "0"
/// before a leading point; otherwise one digit, the others after a point, "E", a sign and two or
/// more exponent digits; no trailing zeros after a point, no point without decimals, and at most
/// `significant` significant digits.
std::string real_text_shape_error(std::string_view text, int significant);

}  // namespace fuzz
