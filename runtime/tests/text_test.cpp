// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "rt/text.h"
#include "rt/testing/expect_runtime_error.h"

namespace rt {
namespace {

TEST(TextTest, LenCountsCharactersNotBytes) {
    const struct {
        const char* name;
        std::string text;
        int expected;
    } cases[] = {
        {"Empty", "", 0},
        {"Ascii", "abc", 3},
        {"Chinese", "7点小，您赢", 6},
        {"FourByteEmoji", "\xF0\x9F\x98\x80", 1},
        {"CombiningMarkIsACharacterOfItsOwn", "e\xCC\x81", 2},
        {"StrayContinuationByte", "\x80", 1},
        {"TruncatedSequence", "\xE4\xB8", 2},
        {"OverlongSlash", "\xC0\xAF", 2},
        {"EncodedSurrogate", "\xED\xA0\x80", 3},
        {"EmbeddedNul", std::string("a\0b", 3), 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Len(c.text).value(), c.expected);
    }
}

TEST(TextTest, MidAndRightTakeCharacters) {
    EXPECT_EQ(Right("7点小，您赢", 1), "赢");
    EXPECT_EQ(Right("豹子，庄家通吃", 1), "吃");
    EXPECT_EQ(Right("ab", 5), "ab");
    EXPECT_EQ(Right("ab", 0), "");
    EXPECT_EQ(Right("", 1), "");
    EXPECT_EQ(Mid("0000123", 5, 1), "1");
    EXPECT_EQ(Mid("大小", 2, 1), "小");
    EXPECT_EQ(Mid("abc", 2, 10), "bc");
    EXPECT_EQ(Mid("abc", 4, 1), "");
    EXPECT_EQ(Mid("abc", 2147483647, 1), "");
    EXPECT_EQ(Mid("a\xFF" "b", 2, 1), "\xFF");
}

TEST(TextTest, MidAndRightRefuseNegativeArguments) {
    EXPECT_RUNTIME_ERROR(Mid("abc", 0, 1), ErrorKind::InvalidCall);
    EXPECT_RUNTIME_ERROR(Mid("abc", 1, -1), ErrorKind::InvalidCall);
    EXPECT_RUNTIME_ERROR(Right("abc", -1), ErrorKind::InvalidCall);
}

TEST(TextTest, CharacterCodesRoundTrip) {
    EXPECT_EQ(AnsiValue("0").value(), 48);
    EXPECT_EQ(AnsiValue("A").value(), 65);
    EXPECT_EQ(AnsiValue("Abc").value(), 65);
    EXPECT_EQ(BstrFromAnsi(AnsiValue("A") + 5), "F");
    EXPECT_EQ(AnsiValue("中").value(), 0x4E2D);
    EXPECT_EQ(AnsiValue("\xEF\xBC\x90").value(), static_cast<std::int16_t>(0xFF10));
    for (int code : {0, 48, 127, 128, 0x7FF, 0x800, 0x4E2D, -1, -32768}) {
        SCOPED_TRACE(code);
        EXPECT_EQ(AnsiValue(BstrFromAnsi(code)).value(), code);
        EXPECT_EQ(Len(BstrFromAnsi(code)).value(), 1);
    }
}

TEST(TextTest, CharacterCodesOfWhatIsNoCharacter) {
    EXPECT_RUNTIME_ERROR(AnsiValue(""), ErrorKind::InvalidCall);
    EXPECT_RUNTIME_ERROR(AnsiValue("\xF0\x9F\x98\x80"), ErrorKind::InvalidCall);
    EXPECT_RUNTIME_ERROR(BstrFromAnsi(static_cast<std::int16_t>(0xD800)), ErrorKind::InvalidCall);
    EXPECT_EQ(AnsiValue("\xFF").value(), 0xFF) << "an ill-formed byte stands for itself";
}

}  // namespace
}  // namespace rt
