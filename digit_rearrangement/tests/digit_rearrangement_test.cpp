// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <limits>
#include <random>
#include <string>

#include "form1.h"
#include "rt/testing/scripted_program.h"
#include "window.h"

namespace digit_rearrangement {
namespace {

using rt::ErrorKind;
using rt::testing::runtime_error_box;
using rt::testing::ScriptedProgram;

class DigitRearrangementTest : public ::testing::Test {
protected:
    void enter(const rt::Text& typed) {
        program.type("Text1", typed);
        program.click("Command1");
    }

    ScriptedProgram program = ScriptedProgram::of<Form1>(description());
};

TEST_F(DigitRearrangementTest, PrintsTheLargestMinusTheSmallest) {
    const struct {
        const char* typed;
        const char* line;
    } cases[] = {
        // Digits 8 1 0 2: ascending 0 1 2 8 joins to 128, descending 8 2 1 0 to 8210.
        {"2018",       " 2018 能组成的最大数字与最小数字之差为 8210 - 128 = 8082 \n"},
        {"5",          " 5 能组成的最大数字与最小数字之差为 5 - 5 = 0 \n"},
        {"100",        " 100 能组成的最大数字与最小数字之差为 100 - 1 = 99 \n"},
        {"3333",       " 3333 能组成的最大数字与最小数字之差为 3333 - 3333 = 0 \n"},
        // The first item is the rounded number, not the typed text; halves go to even.
        {"2018.6",     " 2019 能组成的最大数字与最小数字之差为 9210 - 129 = 9081 \n"},
        {"12.5",       " 12 能组成的最大数字与最小数字之差为 21 - 12 = 9 \n"},
        {"13.5",       " 14 能组成的最大数字与最小数字之差为 41 - 14 = 27 \n"},
        {"0.6",        " 1 能组成的最大数字与最小数字之差为 1 - 1 = 0 \n"},
        {"  987元",    " 987 能组成的最大数字与最小数字之差为 987 - 789 = 198 \n"},
        {"9080706",    " 9080706 能组成的最大数字与最小数字之差为 9876000 - 6789 = 9869211 \n"},
        // Ten digits whose largest arrangement still fits 32 bits.
        {"1000000000", " 1000000000 能组成的最大数字与最小数字之差为 1000000000 - 1 = 999999999 \n"},
        {"2000000001", " 2000000001 能组成的最大数字与最小数字之差为 2100000000 - 12 = 2099999988 \n"},
        {"1111111112", " 1111111112 能组成的最大数字与最小数字之差为 2111111111 - 1111111112 = 999999999 \n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        ScriptedProgram fresh = ScriptedProgram::of<Form1>(description());
        fresh.type("Text1", c.typed);
        fresh.click("Command1");
        EXPECT_EQ(fresh.printed(), c.line);
        EXPECT_TRUE(fresh.dialogs().empty());
        EXPECT_EQ(fresh.text("Text1"), c.typed) << "the box keeps what was typed";
    }
}

TEST_F(DigitRearrangementTest, FailuresAreRuntimeReportsThatPrintNothing) {
    const struct {
        const char* typed;
        ErrorKind error;
    } cases[] = {
        // No digits to split: the list cannot be cut to bounds 0 to -1.
        {"0", ErrorKind::SubscriptOutOfRange},
        {"-25", ErrorKind::SubscriptOutOfRange},
        {"", ErrorKind::SubscriptOutOfRange},
        {"abc", ErrorKind::SubscriptOutOfRange},
        {"0.5", ErrorKind::SubscriptOutOfRange},  // rounds to the even 0
        {"-2147483648", ErrorKind::SubscriptOutOfRange},
        // The largest arrangement of 2147483647 is 8776444321, beyond 32 bits.
        {"2147483647", ErrorKind::Overflow},
        {"1999999999", ErrorKind::Overflow},
        // Outside 32 bits before any digit is split.
        {"2147483647.5", ErrorKind::Overflow},
        {"2147483648", ErrorKind::Overflow},
        {"-2147483649", ErrorKind::Overflow},
        {"1e10", ErrorKind::Overflow},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        ScriptedProgram fresh = ScriptedProgram::of<Form1>(description());
        fresh.type("Text1", "5");
        fresh.click("Command1");
        const rt::Text before = fresh.printed();
        fresh.type("Text1", c.typed);
        fresh.click("Command1");
        ASSERT_EQ(fresh.dialogs().size(), 1u);
        EXPECT_EQ(fresh.dialogs()[0], runtime_error_box(c.error));
        EXPECT_EQ(fresh.printed(), before) << "the earlier line stays and nothing is added";
        EXPECT_EQ(fresh.text("Text1"), c.typed);
    }
}

TEST_F(DigitRearrangementTest, EachClickPrintsItsLineBelowTheLastOne) {
    enter("2018");
    enter("0");
    enter("100");
    enter("5");
    EXPECT_EQ(program.printed(),
              " 2018 能组成的最大数字与最小数字之差为 8210 - 128 = 8082 \n"
              " 100 能组成的最大数字与最小数字之差为 100 - 1 = 99 \n"
              " 5 能组成的最大数字与最小数字之差为 5 - 5 = 0 \n");
    EXPECT_EQ(program.dialogs(), std::vector{runtime_error_box(ErrorKind::SubscriptOutOfRange)});
}

// The two sorts checked against the standard sort on the number's decimal text, for numbers of
// every length from 1 to 10 digits. A largest arrangement beyond 32 bits must be the Overflow
// report instead of a line.
TEST_F(DigitRearrangementTest, SortsAgreeWithTheStandardSort) {
    std::mt19937 random(20180);
    for (int round = 0; round < 400; ++round) {
        const int length = 1 + round % 10;
        std::int64_t low = 1;
        for (int i = 1; i < length; ++i) low *= 10;
        const std::int64_t high = std::min<std::int64_t>(low * 10 - 1, std::numeric_limits<std::int32_t>::max());
        const std::int64_t n = std::uniform_int_distribution<std::int64_t>(low, high)(random);
        const std::string digits = std::to_string(n);
        SCOPED_TRACE(digits);

        std::string ascending = digits, descending = digits;
        std::sort(ascending.begin(), ascending.end());
        std::sort(descending.begin(), descending.end(), std::greater<>());
        const std::int64_t smallest = std::stoll(ascending), largest = std::stoll(descending);

        ScriptedProgram fresh = ScriptedProgram::of<Form1>(description());
        fresh.type("Text1", digits);
        fresh.click("Command1");
        if (largest > std::numeric_limits<std::int32_t>::max()) {
            EXPECT_EQ(fresh.dialogs(), std::vector{runtime_error_box(ErrorKind::Overflow)});
            EXPECT_EQ(fresh.printed(), "");
        } else {
            EXPECT_TRUE(fresh.dialogs().empty());
            EXPECT_EQ(fresh.printed(), " " + digits + " 能组成的最大数字与最小数字之差为 " + std::to_string(largest) +
                                           " - " + std::to_string(smallest) + " = " +
                                           std::to_string(largest - smallest) + " \n");
        }
    }
}

}  // namespace
}  // namespace digit_rearrangement
