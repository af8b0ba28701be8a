// SPDX-License-Identifier: MIT
#include "hostile_texts.h"

namespace programs::testing {

namespace {

rt::Text repeated(const rt::Text& piece, std::size_t bytes) {
    rt::Text out;
    out.reserve(bytes + piece.size());
    while (out.size() + piece.size() <= bytes) out += piece;
    return out;
}

}  // namespace

const std::vector<HostileText>& hostile_texts() {
    constexpr std::size_t kMegabyte = 1 << 20;
    const rt::Text digits = repeated("1234567890", kMegabyte);
    static const std::vector<HostileText> kTexts = {
        {"empty", ""},
        {"blanks only", "    "},
        {"tabs and a full-width blank", " \t\u3000\t "},
        {"a megabyte of digits", digits},
        {"a megabyte of digits after a point", "0." + digits},
        {"a megabyte of zeros before 7", rt::Text(kMegabyte, '0') + "7"},
        {"a megabyte of blanks before 7", rt::Text(kMegabyte, ' ') + "7"},
        {"a megabyte of Chinese", repeated("大", kMegabyte)},
        {"forty thousand zeros before 15", rt::Text(40000, '0') + "15"},
        {"NUL before a digit", rt::Text("\0" "7", 2)},
        {"a digit, NUL, digits", rt::Text("7\0" "99", 4)},
        {"control characters", "\x01\x02\x07\b\x1b[31m\x7f"},
        {"line breaks around a number", "\r\n12\r\n"},
        {"bytes that are no UTF-8", "\xff\xfe\xfd"},
        {"a cut-off character after digits", "12\xe4\xb8"},
        {"an overlong slash before 5", "\xc0\xaf" "5"},
        {"a UTF-16 surrogate before 5", "\xed\xa0\x80" "5"},
        {"a lone continuation byte before 9", "\x80" "9"},
        {"emoji", "😀👍🏽🇨🇳"},
        {"a digit with a combining mark", "1\u0301"},
        {"keycap one", "1\uFE0F\u20E3"},
        {"combining marks alone", "\u0301\u0308\u20DD"},
        {"right-to-left marks around 12", "\u200F12\u200E"},
        {"right-to-left override", "\u202E0987"},
        {"zero-width blank and byte-order mark before 5", "\u200B\uFEFF5"},
        {"1e309", "1e309"},
        {"-1e309", "-1e309"},
        {"1e-400", "1e-400"},
        {"the largest 64-bit float", "1.7976931348623157e308"},
        {"the smallest 64-bit float above 0", "4.9e-324"},
        {"-0", "-0"},
        {"NaN", "NaN"},
        {"Infinity", "Infinity"},
        {"-Infinity", "-Infinity"},
        {"&H10", "&H10"},
        {"0x1F", "0x1F"},
        {"1,000", "1,000"},
        {"full-width 12", "１２"},
        {"full-width minus 5", "－５"},
        {"Arabic-Indic digits", "١٢٣"},
        {"Devanagari digits", "१२"},
        {"a Chinese numeral", "十二"},
        {"1e99999999999", "1e99999999999"},
        {"an exponent without digits", "5e+"},
        {"a non-breaking blank inside", "1\u00A0000"},
        {"just past 16 bits", "32767.5"},
        {"just below 16 bits", "-32768.5"},
        {"just past 32 bits", "2147483647.5"},
        {"the smallest 32-bit number", "-2147483648"},
        {"a half that rounds down", "4.5"},
        {"fifty nines", rt::Text(50, '9')},
        {"fifty-one nines", rt::Text(51, '9')},
        {"a point alone", "."},
        {"signs alone", "+-"},
        {"the choice 大", "大"},
        {"the choice 小 after a blank", " 小"},
    };
    return kTexts;
}

}  // namespace programs::testing
