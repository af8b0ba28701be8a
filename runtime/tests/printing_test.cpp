// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "rt/printing.h"

namespace rt {
namespace {

TEST(PrintTest, NumberItemsTakeASignPlaceAndATrailingBlank) {
    const struct {
        const char* name;
        PrintItem item;
        const char* expected;
    } cases[] = {
        {"PositiveInt16", Int16(2), " 2 "},
        {"NegativeInt16", Int16(-3), "-3 "},
        {"Zero", Int16(0), " 0 "},
        {"Int32", Int32(1371742105), " 1371742105 "},
        {"LowestInt32", Int32(-2147483647 - 1), "-2147483648 "},
        {"Float64Fraction", Float64(-2.5), "-2.5 "},
        {"Float64NegativeZero", Float64(-0.0), " 0 "},
        {"Float32", Float32(0.25f), " 0.25 "},
        {"HugeFloat64", Float64(1e300), " 1E+300 "},
        {"TextAsItStands", "项的和是 ", "项的和是 "},
        {"EmptyText", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.item.text(), c.expected);
    }
}

TEST(PrintTest, SemicolonKeepsThePositionAndTheLineEndsOtherwise) {
    PrintedText printed;
    printed.print({2, 3}, PrintEnd::Semicolon);
    EXPECT_EQ(printed.text(), " 2  3 ");
    printed.print({"*"}, PrintEnd::Semicolon);
    printed.print({""}, PrintEnd::NewLine);
    EXPECT_EQ(printed.text(), " 2  3 *\n");
    printed.print({}, PrintEnd::NewLine);
    EXPECT_EQ(printed.text(), " 2  3 *\n\n") << "a Print without items only ends the line";
    printed.print({5, "-", 5, "=", 0}, PrintEnd::NewLine);
    EXPECT_EQ(printed.text(), " 2  3 *\n\n 5 - 5 = 0 \n");
    EXPECT_EQ(printed.ended_lines().size(), 3u);
}

TEST(PrintTest, ClearStartsAgainAtTheTopLeft) {
    PrintedText printed;
    printed.print({"a"}, PrintEnd::NewLine);
    printed.print({"b"}, PrintEnd::Semicolon);
    printed.clear();
    EXPECT_EQ(printed.text(), "");
    printed.print({"c"}, PrintEnd::NewLine);
    EXPECT_EQ(printed.text(), "c\n");
}

}  // namespace
}  // namespace rt
