// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>

#include "form1.h"
#include "rt/testing/scripted_program.h"
#include "window.h"

namespace digit_matrix {
namespace {

using rt::testing::error_box;
using rt::testing::runtime_error_box;
using rt::testing::ScriptedProgram;

const rt::Text kSizeWrong = "请输入3-9范围内的整数";

/// The matrix of size n built independently: row i, column p holds ((i + p - 2) mod n) + 1,
/// each number printed as a blank, its digit and a blank.
std::string matrix(int n) {
    std::string text;
    for (int i = 1; i <= n; ++i) {
        for (int p = 1; p <= n; ++p) text += " " + std::to_string((i + p - 2) % n + 1) + " ";
        text += "\n";
    }
    return text;
}

class DigitMatrixTest : public ::testing::Test {
protected:
    void enter(const rt::Text& typed) {
        program.type("Text1", typed);
        program.click("Command1");
    }

    ScriptedProgram program = ScriptedProgram::of<Form1>(description());
};

TEST_F(DigitMatrixTest, PrintsTheSmallestAndLargestMatrixExactly) {
    enter("3");
    EXPECT_EQ(program.printed(),
              " 1  2  3 \n"
              " 2  3  1 \n"
              " 3  1  2 \n");
    enter("9");
    EXPECT_EQ(program.printed(),
              " 1  2  3  4  5  6  7  8  9 \n"
              " 2  3  4  5  6  7  8  9  1 \n"
              " 3  4  5  6  7  8  9  1  2 \n"
              " 4  5  6  7  8  9  1  2  3 \n"
              " 5  6  7  8  9  1  2  3  4 \n"
              " 6  7  8  9  1  2  3  4  5 \n"
              " 7  8  9  1  2  3  4  5  6 \n"
              " 8  9  1  2  3  4  5  6  7 \n"
              " 9  1  2  3  4  5  6  7  8 \n");
    EXPECT_TRUE(program.dialogs().empty());
}

TEST_F(DigitMatrixTest, SizesAreRoundedHalvesToEvenThenTested) {
    const struct {
        const char* typed;
        int size;  // 0: refused with the message
    } cases[] = {
        {"3", 3},   {"9", 9},   {"5", 5},    {"2", 0},    {"10", 0},   {" 4", 4},  {"６", 6},
        // Halves go to the even neighbour: 2.5 and 9.5 fall outside, 3.5 and 8.5 inside.
        {"2.5", 0}, {"3.5", 4}, {"8.5", 8},  {"9.5", 0},  {"2.6", 3},  {"9.4", 9}, {"2.4999", 0},
        {"", 0},    {"abc", 0}, {"-5", 0},   {"-3", 0},   {"7x", 7},   {"0", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        ScriptedProgram fresh = ScriptedProgram::of<Form1>(description());
        fresh.type("Text1", c.typed);
        fresh.click("Command1");
        if (c.size == 0) {
            EXPECT_EQ(fresh.dialogs(), std::vector{error_box(kSizeWrong)});
            EXPECT_TRUE(fresh.host().changes().empty()) << "nothing cleared, nothing printed";
        } else {
            EXPECT_TRUE(fresh.dialogs().empty());
            EXPECT_EQ(fresh.printed(), matrix(c.size));
        }
        EXPECT_EQ(fresh.text("Text1"), c.typed);
    }
}

TEST_F(DigitMatrixTest, ValidSizeReplacesTheMatrixAndRefusedSizeKeepsIt) {
    enter("9");
    enter("4");
    EXPECT_EQ(program.printed(),
              " 1  2  3  4 \n"
              " 2  3  4  1 \n"
              " 3  4  1  2 \n"
              " 4  1  2  3 \n")
        << "only the new matrix, from the top-left";
    for (const char* refused : {"10", "2.5", ""}) {
        SCOPED_TRACE(refused);
        program.host().forget();
        enter(refused);
        EXPECT_EQ(program.dialogs(), std::vector{error_box(kSizeWrong)});
        EXPECT_TRUE(program.host().changes().empty());
        EXPECT_EQ(program.printed(), matrix(4));
    }
    enter("3");
    EXPECT_EQ(program.printed(), matrix(3));
}

TEST_F(DigitMatrixTest, SizeOutsideSixteenBitsIsTheOverflowReport) {
    enter("5");
    for (const char* typed : {"40000", "32767.5", "-32769", "1e6"}) {
        SCOPED_TRACE(typed);
        program.host().forget();
        enter(typed);
        EXPECT_EQ(program.dialogs(), std::vector{runtime_error_box(rt::ErrorKind::Overflow)})
            << "the runtime's report, not the size message";
        EXPECT_EQ(program.printed(), matrix(5));
    }
    enter("32767");
    EXPECT_EQ(program.dialogs().back(), error_box(kSizeWrong)) << "the largest 16-bit size is only refused";
}

}  // namespace
}  // namespace digit_matrix
