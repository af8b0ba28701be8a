// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

#include "rt/floating.h"
#include "rt/integer.h"
#include "rt/text.h"

namespace rt {

/// The number at the start of a text, as a 64-bit float. Leading blanks, tabs and line breaks
/// are skipped; then an optional sign, digits with an optional point and fraction (or a point
/// and a fraction alone), and an exponent (e or E, optional sign, digits) when a digit follows.
/// The full-width digits, sign and point (０-９ ＋ － ．) count as their ASCII forms. The result
/// is the 64-bit float nearest the decimal text; a magnitude below the smallest float gives 0,
/// one beyond the largest raises Overflow. A text that does not begin with a number gives 0.
Float64 Val(std::string_view text);

/// Rounds to the nearest 16-bit integer, halves to even. Overflow outside -32768..32767.
Int16 FpI2(Float64 value);
/// Rounds to the nearest 32-bit integer, halves to even. Overflow outside the 32-bit range.
Int32 FpI4(Float64 value);

/// The largest whole number not above the value.
Float64 Int(Float64 value);
Float32 Int(Float32 value);
/// The value with its fraction dropped toward zero.
Float64 Fix(Float64 value);
Float32 Fix(Float32 value);
/// The square root; a negative value raises the floating-point error.
Float64 Sqr(Float64 value);

/// The decimal digits, "-" before a negative value, no blank.
Text StrI2(Int16 value);
Text StrI4(Int32 value);
/// The value rounded to 7 (StrR4) or 15 (StrR8) significant digits, without trailing zeros or
/// a trailing point, "0" before a leading point and "0" for negative zero. Plain notation while
/// the decimal exponent is -5 to 14, else mantissa, "E", sign and two or more exponent digits
/// ("1E+15", "-2.5E-07").
Text StrR4(Float32 value);
Text StrR8(Float64 value);

/// The value by a pattern of the form "0.###": the zeros before the point are the least number
/// of whole digits, after it the zeros give the least and the zeros and #s the most decimals.
/// Rounding is half away from zero on the value's 15-significant-digit form; "-0" never shows.
/// Any other pattern raises InvalidCall.
Text Format(Float64 value, std::string_view pattern);

}  // namespace rt
