// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "form1.h"
#include "rt/testing/scripted_program.h"
#include "window.h"

namespace prime_list {
namespace {

using rt::testing::ScriptedProgram;

/// The first hundred primes by the sieve of Eratosthenes: the 100th prime is 541.
std::vector<int> first_hundred_primes() {
    std::vector<bool> composite(600, false);
    std::vector<int> primes;
    for (int n = 2; primes.size() < 100; ++n) {
        if (composite[n]) continue;
        primes.push_back(n);
        for (int multiple = n * n; multiple < 600; multiple += n) composite[multiple] = true;
    }
    return primes;
}

/// Ten lines of ten, each number as Print shows an integer: a blank, the digits, a blank.
std::vector<std::string> expected_lines() {
    const std::vector<int> primes = first_hundred_primes();
    std::vector<std::string> lines(10);
    for (std::size_t k = 0; k < primes.size(); ++k) lines[k / 10] += " " + std::to_string(primes[k]) + " ";
    return lines;
}

TEST(PrimeListTest, TenLinesOfTenPrimesInPrintSpacing) {
    ScriptedProgram program = ScriptedProgram::of<Form1>(description());
    program.click("Command1");
    const std::vector<std::string> want = expected_lines();
    EXPECT_EQ(program.form().printed().ended_lines(), want);
    EXPECT_EQ(program.form().printed().current_line(), "") << "the tenth line is ended too";
    EXPECT_EQ(want.front(), " 2  3  5  7  11  13  17  19  23  29 ");
    EXPECT_EQ(want.back(), " 467  479  487  491  499  503  509  521  523  541 ");
}

TEST(PrimeListTest, EachClickPrintsTheSameLinesBelowTheEarlierOnes) {
    ScriptedProgram program = ScriptedProgram::of<Form1>(description());
    std::vector<std::string> want;
    for (int click = 1; click <= 3; ++click) {
        SCOPED_TRACE(click);
        program.click("Command1");
        for (const std::string& line : expected_lines()) want.push_back(line);
        EXPECT_EQ(program.form().printed().ended_lines(), want);
        EXPECT_EQ(program.form().printed().current_line(), "");
    }
    EXPECT_TRUE(program.dialogs().empty()) << "no runtime error report";
}

}  // namespace
}  // namespace prime_list
