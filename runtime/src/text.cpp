// SPDX-License-Identifier: MIT
#include "rt/text.h"

#include <cstdint>

#include "rt/errors.h"

namespace rt {

namespace {

bool is_continuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

/// The code point of the well-formed character at `pos`, or the byte itself when ill-formed.
std::uint32_t code_point(std::string_view text, std::size_t pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    const std::size_t size = char_size(text, pos);
    if (size == 1) return lead;
    std::uint32_t code = lead & (0xFF >> (size + 1));
    for (std::size_t i = 1; i < size; ++i) code = (code << 6) | (static_cast<unsigned char>(text[pos + i]) & 0x3F);
    return code;
}

/// The byte offset of the character with the 0-based index `index`, or text.size().
std::size_t offset_of(std::string_view text, std::int64_t index) {
    std::size_t pos = 0;
    for (std::int64_t i = 0; i < index && pos < text.size(); ++i) pos += char_size(text, pos);
    return pos;
}

}  // namespace

std::size_t char_size(std::string_view text, std::size_t pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    std::size_t size = 0;
    std::uint32_t min_code = 0;
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) size = 2, min_code = 0x80;
    else if (lead >= 0xE0 && lead <= 0xEF) size = 3, min_code = 0x800;
    else if (lead >= 0xF0 && lead <= 0xF4) size = 4, min_code = 0x10000;
    else return 1;
    if (pos + size > text.size()) return 1;
    std::uint32_t code = lead & (0xFF >> (size + 1));
    for (std::size_t i = 1; i < size; ++i) {
        const auto byte = static_cast<unsigned char>(text[pos + i]);
        if (!is_continuation(byte)) return 1;
        code = (code << 6) | (byte & 0x3F);
    }
    // Overlong forms, UTF-16 surrogates and codes beyond U+10FFFF are ill-formed.
    if (code < min_code || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) return 1;
    return size;
}

Int32 Len(std::string_view text) {
    std::int64_t count = 0;
    for (std::size_t pos = 0; pos < text.size(); pos += char_size(text, pos)) ++count;
    return Int32(count);
}

Text Mid(std::string_view text, Int32 start, Int32 length) {
    if (start < 1 || length < 0) raise(ErrorKind::InvalidCall);
    const std::size_t begin = offset_of(text, start.value() - 1);
    const std::size_t end = begin + offset_of(text.substr(begin), length.value());
    return Text(text.substr(begin, end - begin));
}

Text Right(std::string_view text, Int32 count) {
    if (count < 0) raise(ErrorKind::InvalidCall);
    const std::int64_t skip = std::int64_t{Len(text).value()} - count.value();
    return skip <= 0 ? Text(text) : Text(text.substr(offset_of(text, skip)));
}

Int16 AnsiValue(std::string_view text) {
    if (text.empty()) raise(ErrorKind::InvalidCall);
    const std::uint32_t code = code_point(text, 0);
    if (code > 0xFFFF) raise(ErrorKind::InvalidCall);
    return Int16(static_cast<std::int16_t>(static_cast<std::uint16_t>(code)));
}

Text BstrFromAnsi(Int16 code) {
    const auto unit = static_cast<std::uint16_t>(code.value());
    if (unit >= 0xD800 && unit <= 0xDFFF) raise(ErrorKind::InvalidCall);
    Text out;
    if (unit < 0x80) {
        out += static_cast<char>(unit);
    } else if (unit < 0x800) {
        out += static_cast<char>(0xC0 | (unit >> 6));
        out += static_cast<char>(0x80 | (unit & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (unit >> 12));
        out += static_cast<char>(0x80 | ((unit >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (unit & 0x3F));
    }
    return out;
}

}  // namespace rt
