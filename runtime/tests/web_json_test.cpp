// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "rt/web/description_json.h"

namespace rt::web {
namespace {

TEST(WebJsonTest, TextsAreStringLiteralsJsonReadsBack) {
    const struct {
        const char* name;
        std::string text;
        std::string expected;
    } cases[] = {
        {"Empty", "", R"("")"},
        {"ChineseAsItIs", "您赢，筹码+10", R"("您赢，筹码+10")"},
        {"QuotesAndBackslashes", R"(a"b\c)", R"("a\"b\\c")"},
        {"EscapesFirstAndLast", "\"x\n", R"("\"x\n")"},
        {"LineBreaksAndTabs", "1\r\n2\t3", R"("1\r\n2\t3")"},
        {"OtherControlCharacters", std::string("\x01\x1f\0z", 4), R"("\u0001\u001f\u0000z")"},
        {"DeleteAndBytesAboveAscii", "\x7f\xe4\xb8\xad", "\"\x7f\xe4\xb8\xad\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(json_string(c.text), c.expected);
    }
}

}  // namespace
}  // namespace rt::web
