// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "form1.h"
#include "rt/testing/control_table.h"
#include "rt/testing/scripted_program.h"
#include "window.h"

namespace arithmetic_practice {
namespace {

using rt::testing::runtime_error_box;
using rt::testing::ScriptedProgram;

using Changes = std::vector<std::string>;

/// The largest value RandomNext can give: the largest 32-bit float below 1.
constexpr float kLargestRandom = 0.99999994f;

class ArithmeticPracticeTest : public ::testing::Test {
protected:
    void operands(const rt::Text& a, const rt::Text& b) {
        sheet.type("Text1", a);
        sheet.type("Text2", b);
    }

    ScriptedProgram sheet = ScriptedProgram::of<Form1>(description());
};

TEST(ArithmeticPracticeWindowTest, MatchesTheControlTable) {
    const rt::FormDescription d = description();
    EXPECT_EQ(d.caption, "小学生算数练习工具");
    EXPECT_EQ(std::make_pair(d.width, d.height), std::make_pair(8655, 3030));
    EXPECT_FALSE(d.font.has_value()) << "the form keeps the runtime's font";
    using enum rt::ControlKind;
    const rt::Font f = rt::song(24);
    const std::optional<rt::Font> runtime = rt::runtime_font;
    // clang-format off
    rt::testing::expect_control_table(d, {
        {"Text1",    TextBox,       "",                    960,  720, 1215, 735, f},
        {"Label1",   Label,         "",                   2520,  840,  375, 375, f},
        {"Text2",    TextBox,       "",                   3120,  720, 1455, 735, f},
        {"Label2",   Label,         "=",                  4680,  840,  735, 495, f, {.alignment = rt::Alignment::Center}},
        {"Text3",    TextBox,       "",                   5640,  720, 1695, 735, f},
        {"Command1", CommandButton, "产生100~500的随机数",  360, 2040, 2175, 615, runtime},
        {"Command2", CommandButton, "做加法",             2760, 2040,  975, 615, runtime},
        {"Command3", CommandButton, "做减法",             3960, 2040,  975, 615, runtime},
        {"Command4", CommandButton, "做乘法",             5160, 2040,  975, 615, runtime},
        {"Command5", CommandButton, "做除法",             6360, 2040,  975, 615, runtime},
    });
    // clang-format on
}

TEST_F(ArithmeticPracticeTest, OperandsAreWholeNumbersFromOneHundredToFiveHundred) {
    const struct {
        const char* name;
        float r;
        const char* operand;
    } cases[] = {
        {"ZeroGivesTheSmallest", 0.0f, "100"},
        // 0.99999994 * 401 rounds to 400.99997 in 32 bits; + 100 is 500.99997, below 501.
        {"LargestValueGivesTheLargest", kLargestRandom, "500"},
        {"JustBelowTheFirstStep", 0.0024f, "100"},  // 0.9624
        {"FirstStep", 0.0025f, "101"},              // 1.0025
        {"Half", 0.5f, "300"},                      // 200.5
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        sheet.host().random_values({c.r, c.r});
        sheet.click("Command1");
        EXPECT_EQ(sheet.text("Text1"), c.operand);
        EXPECT_EQ(sheet.text("Text2"), c.operand);
    }
}

TEST_F(ArithmeticPracticeTest, EveryNewPairReseedsOnceFromTheTimeOfDay) {
    sheet.host().times_of_day({30000.5, 30000.5});
    sheet.click("Command1");
    const std::pair first{sheet.text("Text1"), sheet.text("Text2")};
    sheet.click("Command1");
    EXPECT_EQ(sheet.host().seeds(), (std::vector<double>{30000.5, 30000.5}));
    EXPECT_EQ(std::pair(sheet.text("Text1"), sheet.text("Text2")), first) << "the same time of day, the same pair";
    sheet.click("Command2");
    sheet.click("Command5");
    EXPECT_EQ(sheet.host().seeds().size(), 2u) << "only new operands reseed";
}

TEST_F(ArithmeticPracticeTest, EachOperationShowsItsOperatorThenItsResult) {
    const struct {
        const char* a;
        const char* b;
        const char* button;
        const char* result;
    } cases[] = {
        {"228", "246", "Command2", "474"},
        {"228", "246", "Command3", "-18"},
        {"228", "246", "Command4", "56088"},
        {"228", "246", "Command5", "0.927"},  // 0.92683
        {"100", "500", "Command2", "600"},
        {"100", "500", "Command3", "-400"},
        {"100", "500", "Command4", "50000"},
        {"100", "500", "Command5", "0.2"},
        {"500", "3", "Command5", "166.667"},
        {"1", "4", "Command5", "0.25"},
        {"2", "3", "Command5", "0.667"},
        {"6", "3", "Command5", "2"},
        // Whatever Val makes of the boxes: nothing is 0, a leading number counts.
        {"", "", "Command2", "0"},
        {"", "", "Command3", "0"},
        {"", "", "Command4", "0"},
        {"12abc", "abc", "Command2", "12"},
        // The other three show every digit StrR8 gives.
        {"0.1", "0.2", "Command2", "0.3"},
        {"1", "3", "Command4", "3"},
        {"2.5", "0.1", "Command4", "0.25"},
        {"1e15", "0", "Command2", "1E+15"},
    };
    const std::pair<const char*, const char*> operators[] = {
        {"Command2", "+"}, {"Command3", "-"}, {"Command4", "*"}, {"Command5", "/"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.a) + " " + c.button + " " + c.b);
        operands(c.a, c.b);
        sheet.host().forget();
        sheet.click(c.button);
        const char* symbol = nullptr;
        for (const auto& [button, op] : operators)
            if (std::string(button) == c.button) symbol = op;
        const Changes shown{std::string("Label1=") + symbol, std::string("Text3=") + c.result};
        EXPECT_EQ(sheet.host().changes(), shown);
        EXPECT_TRUE(sheet.dialogs().empty());
    }
}

TEST_F(ArithmeticPracticeTest, FailedComputationIsReportedAndKeepsTheOldResult) {
    const struct {
        const char* name;
        const char* a;
        const char* b;
        const char* button;
        const char* symbol;
        rt::ErrorKind error;
    } cases[] = {
        {"ZeroOverZero", "", "", "Command5", "/", rt::ErrorKind::FloatingPoint},
        {"NumberOverZero", "7", "0", "Command5", "/", rt::ErrorKind::DivisionByZero},
        {"NegativeOverZero", "-7", "abc", "Command5", "/", rt::ErrorKind::DivisionByZero},
        {"QuotientBeyondRange", "1e300", "1e-300", "Command5", "/", rt::ErrorKind::Overflow},
        {"ProductBeyondRange", "1e200", "1e200", "Command4", "*", rt::ErrorKind::Overflow},
        {"SumBeyondRange", "1.7e308", "1.7e308", "Command2", "+", rt::ErrorKind::Overflow},
        {"DifferenceBeyondRange", "-1.7e308", "1.7e308", "Command3", "-", rt::ErrorKind::Overflow},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        operands("500", "3");
        sheet.click("Command2");
        operands(c.a, c.b);
        sheet.host().forget();
        sheet.click(c.button);
        EXPECT_EQ(sheet.host().changes(), Changes{std::string("Label1=") + c.symbol})
            << "the operator shows before the computation fails, the result does not change";
        EXPECT_EQ(sheet.text("Text3"), "503");
        ASSERT_EQ(sheet.dialogs().size(), 1u);
        EXPECT_EQ(sheet.dialogs()[0], runtime_error_box(c.error));
    }
}

TEST_F(ArithmeticPracticeTest, NewOperandsLeaveTheOperatorAndTheResult) {
    operands("228", "246");
    sheet.click("Command3");
    sheet.click("Command3");
    EXPECT_EQ(sheet.text("Text3"), "-18") << "the same operation twice gives the same result";
    sheet.host().random_values({0.0f, kLargestRandom});
    sheet.host().forget();
    sheet.click("Command1");
    EXPECT_EQ(sheet.host().changes(), (Changes{"Text1=100", "Text2=500"}));
    EXPECT_EQ(sheet.caption("Label1"), "-");
    EXPECT_EQ(sheet.text("Text3"), "-18");
    sheet.click("Command3");
    EXPECT_EQ(sheet.text("Text3"), "-400") << "every operation reads the boxes afresh";
}

}  // namespace
}  // namespace arithmetic_practice
