// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "form1.h"
#include "rt/testing/control_table.h"
#include "rt/testing/scripted_program.h"
#include "window.h"

namespace series_sum {
namespace {

using rt::testing::error_box;
using rt::testing::runtime_error_box;
using rt::testing::ScriptedProgram;

const rt::Text kOutOfRange = "输入的数据超出范围";

/// Types into Text1 and presses 计算.
void calculate(ScriptedProgram& program, const rt::Text& typed) {
    program.type("Text1", typed);
    program.click("Command1");
}

TEST(SeriesSumWindowTest, MatchesTheControlTable) {
    const rt::FormDescription d = description();
    EXPECT_EQ(d.caption, "Form1");
    EXPECT_EQ(std::make_pair(d.width, d.height), std::make_pair(15150, 4740));
    EXPECT_EQ(d.font, rt::song(15.75)) << "the printed lines use the form's font";
    using enum rt::ControlKind;
    const rt::Font f = rt::song(24);
    // clang-format off
    rt::testing::expect_control_table(d, {
        {"Command1", CommandButton, "计算",                     9120, 3120, 2775, 855, f},
        {"Label1",   Label,         "计算 1+12+123+...  一共",  6000, 1560, 5655, 735, f},
        {"Label2",   Label,         "项的和",                  13320, 1560, 1575, 735, f},
        {"Text1",    TextBox,       "",                        11880, 1560, 1095, 840, rt::song(36)},
    });
    // clang-format on
}

// Every accepted count prints the count and the sum as number items: a sign place, the digits
// and one trailing blank, so "项的和是 " is followed by two blanks before the sum.
TEST(SeriesSumTest, AcceptedCountsPrintTheCountAndTheSum) {
    const struct {
        const char* typed;
        const char* line;
    } cases[] = {
        {"1", " 1 项的和是  1 \n"},
        {"2", " 2 项的和是  13 \n"},
        {"3", " 3 项的和是  136 \n"},
        {"4", " 4 项的和是  1370 \n"},
        {"5", " 5 项的和是  13715 \n"},
        {"6", " 6 项的和是  137171 \n"},
        {"7", " 7 项的和是  1371738 \n"},
        {"8", " 8 项的和是  13717416 \n"},
        {"9", " 9 项的和是  137174205 \n"},
        // The tenth term is 123456789 * 10 + 10 = 1234567900, and the total stays in 32 bits.
        {"10", " 10 项的和是  1371742105 \n"},
        // Halves round to even, and the range is tested after rounding.
        {"0.6", " 1 项的和是  1 \n"},
        {"1.5", " 2 项的和是  13 \n"},
        {"2.5", " 2 项的和是  13 \n"},
        {"3.5", " 4 项的和是  1370 \n"},
        {"10.4", " 10 项的和是  1371742105 \n"},
        {"10.5", " 10 项的和是  1371742105 \n"},
        // The leading number of the text counts.
        {"4x", " 4 项的和是  1370 \n"},
        {"  7", " 7 项的和是  1371738 \n"},
        {"３", " 3 项的和是  136 \n"},
        {"1e1", " 10 项的和是  1371742105 \n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        ScriptedProgram program = ScriptedProgram::of<Form1>(description());
        calculate(program, c.typed);
        EXPECT_EQ(program.printed(), c.line);
        EXPECT_TRUE(program.dialogs().empty());
        EXPECT_EQ(program.text("Text1"), c.typed) << "the text box keeps what was typed";
    }
}

TEST(SeriesSumTest, CountsOutsideOneToTenShowTheMessageAndLeaveTheWindowAsItWas) {
    const char* refused[] = {
        "0", "11", "-5", "", "abc", "x3",
        // Rounding comes first: 0.5 rounds to 0 and 10.6 to 11.
        "0.5", "10.6", "-0.4",
        // The ends of the 16-bit range are refused by the range test, not by Overflow;
        // -32768.5 rounds to the even -32768.
        "32767", "-32768", "-32768.5",
    };
    for (const char* typed : refused) {
        SCOPED_TRACE(typed);
        ScriptedProgram program = ScriptedProgram::of<Form1>(description());
        calculate(program, "2");
        program.host().forget();
        calculate(program, typed);
        ASSERT_EQ(program.dialogs().size(), 1u);
        EXPECT_EQ(program.dialogs()[0], error_box(kOutOfRange));
        EXPECT_EQ(program.printed(), " 2 项的和是  13 \n") << "the earlier line stays, nothing is added";
        EXPECT_EQ(program.host().changes(), std::vector<std::string>{}) << "nothing on the window changed";
    }
}

TEST(SeriesSumTest, CountsBeyondSixteenBitsAreTheOverflowReport) {
    // 32767.5 rounds to the even 32768, one past the 16-bit range.
    for (const char* typed : {"40000", "-40000", "32768", "32767.5", "-32769", "1e10"}) {
        SCOPED_TRACE(typed);
        ScriptedProgram program = ScriptedProgram::of<Form1>(description());
        calculate(program, "1");
        program.host().forget();
        calculate(program, typed);
        ASSERT_EQ(program.dialogs().size(), 1u);
        EXPECT_EQ(program.dialogs()[0], runtime_error_box(rt::ErrorKind::Overflow))
            << "the runtime's report, not the program's range message";
        EXPECT_EQ(program.printed(), " 1 项的和是  1 \n");
        EXPECT_EQ(program.host().changes(), std::vector<std::string>{});
    }
}

TEST(SeriesSumTest, EachAcceptedClickPrintsItsLineBelowTheEarlierOnes) {
    ScriptedProgram program = ScriptedProgram::of<Form1>(description());
    calculate(program, "3");
    calculate(program, "12");
    calculate(program, "10");
    calculate(program, "40000");
    calculate(program, "1");
    calculate(program, "1");
    EXPECT_EQ(program.printed(),
              " 3 项的和是  136 \n"
              " 10 项的和是  1371742105 \n"
              " 1 项的和是  1 \n"
              " 1 项的和是  1 \n");
    EXPECT_EQ(program.form().printed().ended_lines().size(), 4u);
    EXPECT_EQ(program.form().printed().current_line(), "") << "every line is ended";
    ASSERT_EQ(program.dialogs().size(), 2u);
    EXPECT_EQ(program.dialogs()[0], error_box(kOutOfRange));
    EXPECT_EQ(program.dialogs()[1], runtime_error_box(rt::ErrorKind::Overflow));
}

}  // namespace
}  // namespace series_sum
