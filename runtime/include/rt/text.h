// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "rt/integer.h"

namespace rt {

/// Text is UTF-8. Its functions count characters, not bytes; a byte that does not start a
/// well-formed UTF-8 sequence counts as one character of its own, so every text has a length.
using Text = std::string;

/// The number of bytes of the character that starts at `pos` (1 for an ill-formed byte).
std::size_t char_size(std::string_view text, std::size_t pos);

/// The number of characters.
Int32 Len(std::string_view text);
/// `length` characters from the 1-based position `start` (fewer at the end of the text).
/// InvalidCall when start < 1 or length < 0.
Text Mid(std::string_view text, Int32 start, Int32 length);
/// The last `count` characters (the whole text when it is shorter). InvalidCall when count < 0.
Text Right(std::string_view text, Int32 count);

/// The code of the first character: its Unicode code point as a 16-bit pattern (characters from
/// U+8000 to U+FFFF give negative codes), the byte itself for an ill-formed byte. InvalidCall
/// for the empty text and for a character beyond U+FFFF.
Int16 AnsiValue(std::string_view text);
/// The one-character text whose code is given (the inverse of AnsiValue). InvalidCall for the
/// codes of UTF-16 surrogates, which are no characters.
Text BstrFromAnsi(Int16 code);

}  // namespace rt
