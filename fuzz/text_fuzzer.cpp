// SPDX-License-Identifier: MIT
// The character functions on arbitrary bytes, invalid UTF-8 included. A reference reading by
// the table of well-formed UTF-8 byte sequences (every other byte is a character of its own)
// must agree with char_size at every byte, with Len, with what Mid and Right take and with
// AnsiValue; Mid gives Len non-empty characters one by one that make up the text again and
// nothing after them; Len of what Mid or Right took is the number of characters taken;
// BstrFromAnsi gives one well-formed character whose code AnsiValue gives back. The runtime
// errors come exactly where the contracts put them (InvalidCall for a start below 1, a negative
// length or count, AnsiValue of "" or of a character beyond U+FFFF, BstrFromAnsi of a surrogate).

#include <algorithm>
#include <vector>

#include "fuzz_support.h"
#include "rt/text.h"

namespace {

/// One row of the table of well-formed byte sequences: the lead bytes, the range of the byte
/// after them (it differs for E0, ED, F0 and F4) and the sequence's length.
struct SequenceRow {
    unsigned char lead_low, lead_high, second_low, second_high;
    std::size_t length;
};
constexpr SequenceRow kWellFormed[] = {
    {0x00, 0x7F, 0x00, 0x00, 1}, {0xC2, 0xDF, 0x80, 0xBF, 2}, {0xE0, 0xE0, 0xA0, 0xBF, 3},
    {0xE1, 0xEC, 0x80, 0xBF, 3}, {0xED, 0xED, 0x80, 0x9F, 3}, {0xEE, 0xEF, 0x80, 0xBF, 3},
    {0xF0, 0xF0, 0x90, 0xBF, 4}, {0xF1, 0xF3, 0x80, 0xBF, 4}, {0xF4, 0xF4, 0x80, 0x8F, 4},
};

/// The length of the well-formed sequence at `pos`, or 0 when there is none.
std::size_t well_formed_length(std::string_view text, std::size_t pos) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[pos + i]); };
    for (const SequenceRow& row : kWellFormed) {
        if (byte(0) < row.lead_low || byte(0) > row.lead_high) continue;
        if (row.length == 1) return 1;
        if (pos + row.length > text.size() || byte(1) < row.second_low || byte(1) > row.second_high) return 0;
        for (std::size_t i = 2; i < row.length; ++i)
            if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
        return row.length;
    }
    return 0;
}

/// The code point of a well-formed sequence.
std::uint32_t decode(std::string_view sequence) {
    static constexpr unsigned char kLeadMask[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    std::uint32_t code = static_cast<unsigned char>(sequence[0]) & kLeadMask[sequence.size()];
    for (std::size_t i = 1; i < sequence.size(); ++i)
        code = code << 6 | (static_cast<unsigned char>(sequence[i]) & 0x3F);
    return code;
}

/// The text cut into characters: each well-formed sequence, and each other byte alone.
std::vector<std::string_view> characters(std::string_view text) {
    std::vector<std::string_view> out;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = std::max<std::size_t>(well_formed_length(text, pos), 1);
        out.push_back(text.substr(pos, length));
        pos += length;
    }
    return out;
}

std::string joined(const std::vector<std::string_view>& chars, std::int64_t begin, std::int64_t end) {
    std::string out;
    for (std::int64_t i = std::max<std::int64_t>(begin, 0); i < std::min<std::int64_t>(end, chars.size()); ++i)
        out += chars[i];
    return out;
}

std::string outcome_text(const fuzz::Outcome<rt::Text>& result) {
    return result.value ? fuzz::quoted(*result.value) : fuzz::kind_name(result.error);
}

void check_characters(std::string_view text, const std::vector<std::string_view>& chars) {
    const std::string shown = fuzz::quoted(text);
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        const std::size_t expected = std::max<std::size_t>(well_formed_length(text, pos), 1);
        FUZZ_CHECK(rt::char_size(text, pos) == expected, "char_size(" + shown + ", " + std::to_string(pos) +
                                                             ") = " + std::to_string(rt::char_size(text, pos)) +
                                                             ", expected " + std::to_string(expected));
    }
    const std::int32_t length = rt::Len(text).value();
    FUZZ_CHECK(static_cast<std::size_t>(length) == chars.size(),
               "Len(" + shown + ") = " + std::to_string(length) + ", expected " + std::to_string(chars.size()));

    // Mid takes Len characters one at a time, which make up the text, and nothing after them.
    // (Each Mid walks the text from its start, so long texts are checked at a sample of places.)
    const std::int32_t step = std::max(1, length / 64);
    std::string rebuilt;
    for (std::int32_t i = 1; i <= length; ++i) {
        if (step > 1 && i % step != 0 && i != length) {
            rebuilt += chars[i - 1];
            continue;
        }
        const rt::Text one = rt::Mid(text, i, 1);
        FUZZ_CHECK(one == chars[i - 1], "Mid(" + shown + ", " + std::to_string(i) + ", 1) = " + fuzz::quoted(one) +
                                            ", expected " + fuzz::quoted(chars[i - 1]));
        FUZZ_CHECK(rt::Len(one).value() == 1, "Len(Mid(" + shown + ", " + std::to_string(i) + ", 1)) is not 1");
        rebuilt += one;
    }
    FUZZ_CHECK(rebuilt == text, "the characters Mid takes do not make up " + shown);
    FUZZ_CHECK(rt::Mid(text, length + 1, 1).empty(), "Mid takes a character after the last of " + shown);
    FUZZ_CHECK(rt::Mid(text, 1, length) == text, "Mid(text, 1, Len(text)) is not all of " + shown);
}

void check_mid_and_right(std::string_view text, const std::vector<std::string_view>& chars, std::int32_t start,
                         std::int32_t length, std::int32_t count) {
    const std::string shown = fuzz::quoted(text);
    const std::string mid_call = "Mid(" + shown + ", " + std::to_string(start) + ", " + std::to_string(length) + ")";
    const auto mid = fuzz::attempt([&] { return rt::Mid(text, start, length); });
    if (start < 1 || length < 0) {
        FUZZ_CHECK(mid.error == rt::ErrorKind::InvalidCall,
                   mid_call + ": expected InvalidCall, got " + outcome_text(mid));
    } else {
        const std::int64_t begin = std::int64_t{start} - 1;
        const std::string expected = joined(chars, begin, begin + length);
        FUZZ_CHECK(mid.value == expected,
                   mid_call + " = " + outcome_text(mid) + ", expected " + fuzz::quoted(expected));
        const std::int64_t taken = std::clamp<std::int64_t>(std::int64_t(chars.size()) - begin, 0, length);
        FUZZ_CHECK(rt::Len(*mid.value).value() == taken, "Len(" + mid_call + ") is not " + std::to_string(taken));
    }

    const std::string right_call = "Right(" + shown + ", " + std::to_string(count) + ")";
    const auto right = fuzz::attempt([&] { return rt::Right(text, count); });
    if (count < 0) {
        FUZZ_CHECK(right.error == rt::ErrorKind::InvalidCall,
                   right_call + ": expected InvalidCall, got " + outcome_text(right));
    } else {
        const std::int64_t size = static_cast<std::int64_t>(chars.size());
        const std::string expected = joined(chars, size - count, size);
        FUZZ_CHECK(right.value == expected,
                   right_call + " = " + outcome_text(right) + ", expected " + fuzz::quoted(expected));
        FUZZ_CHECK(rt::Len(*right.value).value() == std::min<std::int64_t>(count, size),
                   "Len(" + right_call + ") is not the number of characters taken");
    }
}

void check_codes(std::string_view text, const std::vector<std::string_view>& chars, std::int16_t code) {
    const std::string call = "AnsiValue(" + fuzz::quoted(text) + ")";
    const auto value = fuzz::attempt([&] { return rt::AnsiValue(text).value(); });
    if (text.empty()) {
        FUZZ_CHECK(value.error == rt::ErrorKind::InvalidCall, call + ": expected InvalidCall");
    } else {
        const std::string_view first = chars.front();
        const bool well_formed = well_formed_length(text, 0) != 0;
        const std::uint32_t expected = well_formed ? decode(first) : static_cast<unsigned char>(first[0]);
        if (expected > 0xFFFF) {
            FUZZ_CHECK(value.error == rt::ErrorKind::InvalidCall, call + ": expected InvalidCall beyond U+FFFF");
        } else {
            FUZZ_CHECK(value.value == static_cast<std::int16_t>(expected),
                       call + " = " + (value.value ? std::to_string(*value.value) : fuzz::kind_name(value.error)) +
                           ", expected the 16-bit pattern of " + std::to_string(expected));
            if (well_formed)
                FUZZ_CHECK(rt::BstrFromAnsi(*value.value) == first,
                           "BstrFromAnsi(" + call + ") is not the first character");
        }
    }

    const std::string from_call = "BstrFromAnsi(" + std::to_string(code) + ")";
    const auto character = fuzz::attempt([&] { return rt::BstrFromAnsi(code); });
    const auto unit = static_cast<std::uint16_t>(code);
    if (unit >= 0xD800 && unit <= 0xDFFF) {
        FUZZ_CHECK(character.error == rt::ErrorKind::InvalidCall, from_call + ": expected InvalidCall for a surrogate");
        return;
    }
    FUZZ_CHECK(character.value, from_call + " raised " + fuzz::kind_name(character.error));
    const std::string& made = *character.value;
    FUZZ_CHECK(
        !made.empty() && well_formed_length(made, 0) == made.size() && decode(made) == unit,
        from_call + " = " + fuzz::quoted(made) + ", not the one well-formed character U+" + std::to_string(unit));
    FUZZ_CHECK(rt::Len(made).value() == 1 && rt::AnsiValue(made).value() == code,
               "AnsiValue(" + from_call + ") is not the code");
}

}  // namespace

// Input: a mode byte, start, length and count (4 bytes each), a code (2 bytes), then the text.
// With an even mode byte the start, length and count are taken modulo 64, near the text's ends.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Bytes in(data, size);
    const bool near = in.take<std::uint8_t>() % 2 == 0;
    auto start = in.take<std::int32_t>(), length = in.take<std::int32_t>(), count = in.take<std::int32_t>();
    if (near) start %= 64, length %= 64, count %= 64;
    const auto code = in.take<std::int16_t>();
    const std::string_view text = in.rest();

    const std::vector<std::string_view> chars = characters(text);
    check_characters(text, chars);
    check_mid_and_right(text, chars, start, length, count);
    check_codes(text, chars, code);
    return 0;
}
