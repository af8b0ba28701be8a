// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <random>
#include <sstream>
#include <string>

#include "form1.h"
#include "rt/testing/scripted_program.h"
#include "window.h"

namespace hex_conversion {
namespace {

using rt::testing::runtime_error_box;
using rt::testing::ScriptedProgram;

class HexConversionTest : public ::testing::Test {
protected:
    void enter(const rt::Text& typed) {
        program.type("Text1", typed);
        program.click("Command1");
    }

    ScriptedProgram program = ScriptedProgram::of<Form1>(description());
};

TEST_F(HexConversionTest, ShowsTheNumberInHexadecimal) {
    const struct {
        const char* typed;
        const char* shown;
    } cases[] = {
        {"255", "FF"},  {"10", "A"},     {"16", "10"},  {"4096", "1000"}, {"1", "1"},
        {"15", "F"},    {"9", "9"},      {"  26", "1A"}, {"48879", "BEEF"},
        // The largest and smallest 32-bit numbers, and the halves that round onto them.
        {"2147483647", "7FFFFFFF"},     {"2147483646.5", "7FFFFFFE"},
        {"-2147483648", "-80000000"},   {"-2147483648.5", "-80000000"},
        {"-2147483647", "-7FFFFFFF"},
        // Halves go to even.
        {"12.5", "C"},  {"13.5", "E"},   {"15.4", "F"}, {"0.5", "0"},     {"-0.5", "0"},
        // Only the leading number counts; no number at all is 0.
        {"1A", "1"},    {"0x1F", "0"},   {"abc", "0"},  {"", "0"},        {"0", "0"},
        // A negative number is its magnitude's digits after a minus sign.
        {"-1", "-1"},   {"-26", "-1A"},  {"-16", "-10"}, {"-255.5", "-100"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        ScriptedProgram fresh = ScriptedProgram::of<Form1>(description());
        fresh.type("Text1", c.typed);
        fresh.click("Command1");
        EXPECT_EQ(fresh.caption("Label1"), c.shown);
        EXPECT_TRUE(fresh.dialogs().empty());
        EXPECT_EQ(fresh.text("Text1"), c.typed);
    }
}

TEST_F(HexConversionTest, NumberOutsideThirtyTwoBitsKeepsThePreviousCaption) {
    enter("255");
    for (const char* typed : {"2147483648", "2147483647.5", "-2147483649", "-2147483648.51", "1e10"}) {
        SCOPED_TRACE(typed);
        program.host().forget();
        enter(typed);
        EXPECT_EQ(program.dialogs(), std::vector{runtime_error_box(rt::ErrorKind::Overflow)});
        EXPECT_TRUE(program.host().changes().empty());
        EXPECT_EQ(program.caption("Label1"), "FF");
    }
}

TEST_F(HexConversionTest, EachClickReplacesTheCaptionAndNothingElse) {
    const struct {
        const char* typed;
        const char* change;
    } clicks[] = {{"4096", "Label1=1000"}, {"0", "Label1=0"}, {"-26", "Label1=-1A"}, {"255", "Label1=FF"}};
    for (const auto& c : clicks) {
        SCOPED_TRACE(c.typed);
        program.host().forget();
        enter(c.typed);
        EXPECT_EQ(program.host().changes(), std::vector<std::string>{c.change});
    }
    EXPECT_EQ(program.printed(), "");
}

// Checked against the standard library's hexadecimal output on the magnitude, across the whole
// 32-bit range.
TEST_F(HexConversionTest, AgreesWithTheStandardConversion) {
    std::mt19937 random(4096);
    std::uniform_int_distribution<std::int32_t> any(std::numeric_limits<std::int32_t>::min(),
                                                    std::numeric_limits<std::int32_t>::max());
    for (int round = 0; round < 300; ++round) {
        // Every third number is small, so short results are covered as well.
        const std::int64_t n = round % 3 == 0 ? any(random) % 5000 : any(random);
        std::ostringstream expected;
        if (n < 0) expected << '-';
        expected << std::hex << std::uppercase << (n < 0 ? -n : n);
        SCOPED_TRACE(n);
        enter(std::to_string(n));
        EXPECT_EQ(program.caption("Label1"), expected.str());
    }
    EXPECT_TRUE(program.dialogs().empty());
}

}  // namespace
}  // namespace hex_conversion
