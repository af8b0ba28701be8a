// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "form1.h"
#include "rt/testing/control_table.h"
#include "rt/testing/scripted_program.h"
#include "window.h"

namespace big_number_addition {
namespace {

using rt::testing::error_box;
using rt::testing::ScriptedProgram;

const rt::Text kNotANumber = "请输入不超过50位的非负整数";

std::string repeat(const std::string& piece, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += piece;
    return out;
}

const std::string kFiftyNines = repeat("9", 50);

/// Types both numbers and presses the button.
void add(ScriptedProgram& program, const rt::Text& first, const rt::Text& second) {
    program.type("Text1", first);
    program.type("Text2", second);
    program.click("Command1");
}

/// The sum of two decimal digit strings, worked in base 10^9 limbs rather than digit by digit.
std::string reference_sum(const std::string& a, const std::string& b) {
    constexpr std::uint64_t kBase = 1'000'000'000;
    auto limbs = [](const std::string& digits) {
        std::vector<std::uint64_t> out;  // least significant first
        for (std::size_t end = digits.size(); end > 0; end = end > 9 ? end - 9 : 0) {
            const std::size_t begin = end > 9 ? end - 9 : 0;
            out.push_back(std::stoull(digits.substr(begin, end - begin)));
        }
        return out;
    };
    const std::vector<std::uint64_t> x = limbs(a), y = limbs(b);
    std::vector<std::uint64_t> sum;
    std::uint64_t carry = 0;
    for (std::size_t i = 0; i < std::max(x.size(), y.size()); ++i) {
        const std::uint64_t s = (i < x.size() ? x[i] : 0) + (i < y.size() ? y[i] : 0) + carry;
        sum.push_back(s % kBase);
        carry = s / kBase;
    }
    if (carry != 0) sum.push_back(carry);
    while (!sum.empty() && sum.back() == 0) sum.pop_back();
    if (sum.empty()) return "0";
    std::string out = std::to_string(sum.back());
    char limb[16];
    for (std::size_t i = sum.size() - 1; i-- > 0;) {
        std::snprintf(limb, sizeof limb, "%09llu", static_cast<unsigned long long>(sum[i]));
        out += limb;
    }
    return out;
}

TEST(BigNumberAdditionWindowTest, MatchesTheControlTable) {
    const rt::FormDescription d = description();
    EXPECT_EQ(d.caption, "Form1");
    EXPECT_EQ(std::make_pair(d.width, d.height), std::make_pair(14550, 4875));
    EXPECT_FALSE(d.font.has_value()) << "the form keeps the runtime's font";
    using enum rt::ControlKind;
    const rt::Font f = rt::song(24);
    // clang-format off
    rt::testing::expect_control_table(d, {
        {"Text1",    TextBox,       "",              600,  240, 13095, 735, f},
        {"Text2",    TextBox,       "",              600, 1200, 13095, 735, f},
        {"Command1", CommandButton, "进行加法计算", 3360, 2400,  7815, 855, f},
        {"Label1",   Label,         "",              600, 3600, 13215, 855, f, {.back_color = 0x00FF80FF}},
    });
    // clang-format on
}

// The boxes keep whatever is typed or pasted, so a number is never cut to fit: a blank before
// fifty digits still leaves fifty digits, and a longer number is refused rather than shortened.
TEST(BigNumberAdditionTest, PastedTextsAreCheckedWholeNeverCut) {
    for (const std::string& too_long : {kFiftyNines + "7", repeat("1", 60), repeat("８", 51)}) {
        SCOPED_TRACE(too_long);
        ScriptedProgram program = ScriptedProgram::of<Form1>(description());
        add(program, " " + kFiftyNines, "1");
        EXPECT_EQ(program.text("Text1"), " " + kFiftyNines);
        EXPECT_EQ(program.caption("Label1"), "1" + repeat("0", 50));
        EXPECT_TRUE(program.dialogs().empty());

        add(program, too_long, "1");
        EXPECT_EQ(program.text("Text1"), too_long);
        ASSERT_EQ(program.dialogs().size(), 1u);
        EXPECT_EQ(program.dialogs()[0], error_box(kNotANumber));
        EXPECT_EQ(program.caption("Label1"), "1" + repeat("0", 50)) << "the earlier sum stays";
    }
}

TEST(BigNumberAdditionTest, ShowsTheExactSum) {
    const struct {
        const char* name;
        std::string first, second, sum;
    } cases[] = {
        {"NoCarry", "123", "456", "579"},
        {"CarryIntoANewDigit", "999", "1", "1000"},
        {"OneDigitsCarry", "7", "3", "10"},
        {"EmptySecondIsZero", "42", "", "42"},
        {"EmptyFirstIsZero", "", "42", "42"},
        {"LeadingZerosDropped", "0007", "3", "10"},
        {"BothEmptyShowZero", "", "", "0"},
        {"ZerosShowOneZero", "000", "0", "0"},
        {"OnlyBlanksIsEmpty", "   ", "5", "5"},
        {"SurroundingBlanksIgnored", "  12 ", " 3", "15"},
        {"FullWidthBlanksIgnored", "　12　", "3　", "15"},
        {"FullWidthDigits", "１２３", "４５６", "579"},
        {"MixedDigitForms", "1２3", "９", "132"},
        {"FiftyDigitsWithLeadingZeros", repeat("0", 49) + "1", "0", "1"},
        // 10^50 - 1 plus 1 is 10^50: the carry out of the top position is the 51st digit.
        {"FiftyNinesPlusOne", kFiftyNines, "1", "1" + repeat("0", 50)},
        // 2 * (10^50 - 1) = 2 * 10^50 - 2: a 1, forty-nine 9s and an 8.
        {"LargestAccepted", kFiftyNines, kFiftyNines, "1" + repeat("9", 49) + "8"},
        {"LargestInFullWidth", repeat("９", 50), kFiftyNines, "1" + repeat("9", 49) + "8"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedProgram program = ScriptedProgram::of<Form1>(description());
        add(program, c.first, c.second);
        EXPECT_EQ(program.caption("Label1"), c.sum);
        EXPECT_TRUE(program.dialogs().empty());
        EXPECT_EQ(std::make_pair(program.text("Text1"), program.text("Text2")), std::make_pair(c.first, c.second))
            << "the text boxes keep what was typed";
    }
}

TEST(BigNumberAdditionTest, AgreesWithAnIndependentAdderOnRandomNumbers) {
    std::mt19937 random(20240607);
    std::uniform_int_distribution<int> length(1, 50), digit(0, 9), percent(0, 99);
    // A quarter of the numbers are mostly 9s, so that long carry chains are common.
    auto number = [&] {
        const bool nines = percent(random) < 25;
        std::string out;
        for (int n = length(random); n > 0; --n)
            out += static_cast<char>('0' + (nines && percent(random) < 90 ? 9 : digit(random)));
        return out;
    };
    // The reference itself, across its limb boundaries.
    ASSERT_EQ(reference_sum("999999999", "1"), "1000000000");
    ASSERT_EQ(reference_sum("1000000000000000000", "0000000000999999999"), "1000000000999999999");
    ASSERT_EQ(reference_sum("0", "00"), "0");

    ScriptedProgram program = ScriptedProgram::of<Form1>(description());
    for (int round = 0; round < 500; ++round) {
        const std::string first = number(), second = number();
        SCOPED_TRACE(first + " + " + second);
        add(program, first, second);
        ASSERT_EQ(program.caption("Label1"), reference_sum(first, second));
    }
    EXPECT_TRUE(program.dialogs().empty());
}

TEST(BigNumberAdditionTest, TextsThatAreNotWholeNumbersAreRefusedAndTheSumStays) {
    const struct {
        const char* first;
        const char* second;
    } cases[] = {
        {"-5", "3"},   {"1.5", "1"},   {"12a", "1"},   {"1 2", "3"},  {"+5", "3"},
        {"5", "1e3"},  {"3", "-0"},    {"0x1F", "1"},  {"1", "１２ａ"}, {"1　2", ""},
        {"٣", "1"},    {"五", "1"},     {"1,000", "1"}, {"", "."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.first) + " + " + c.second);
        ScriptedProgram program = ScriptedProgram::of<Form1>(description());
        add(program, "1", "2");
        program.host().forget();
        add(program, c.first, c.second);
        ASSERT_EQ(program.dialogs().size(), 1u);
        EXPECT_EQ(program.dialogs()[0], error_box(kNotANumber));
        EXPECT_EQ(program.caption("Label1"), "3") << "the earlier sum stays";
        EXPECT_EQ(program.host().changes(), std::vector<std::string>{}) << "nothing on the window changed";
        EXPECT_EQ(std::make_pair(program.text("Text1"), program.text("Text2")),
                  std::make_pair(rt::Text(c.first), rt::Text(c.second)));
    }
}

TEST(BigNumberAdditionTest, LabelIsRebuiltFromEmptyOneDigitAtATime) {
    ScriptedProgram program = ScriptedProgram::of<Form1>(description());
    add(program, "123", "456");
    add(program, "123", "456");
    EXPECT_EQ(program.caption("Label1"), "579") << "the same numbers show the same sum, nothing appended";
    const std::vector<std::string> twice{"Label1=", "Label1=5", "Label1=57", "Label1=579",
                                         "Label1=", "Label1=5", "Label1=57", "Label1=579"};
    EXPECT_EQ(program.host().changes(), twice);

    program.host().forget();
    add(program, kFiftyNines, "1");
    const std::vector<std::string>& changes = program.host().changes();
    ASSERT_EQ(changes.size(), 52u) << "cleared, the carry, then fifty digits";
    EXPECT_EQ(changes[0], "Label1=");
    EXPECT_EQ(changes[1], "Label1=1");
    EXPECT_EQ(changes[2], "Label1=10");

    program.host().forget();
    add(program, "", "0");
    EXPECT_EQ(program.host().changes(), (std::vector<std::string>{"Label1=", "Label1=0"}));
}

}  // namespace
}  // namespace big_number_addition
