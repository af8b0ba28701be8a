// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "form1.h"
#include "rt/testing/scripted_program.h"
#include "window.h"

namespace random_permutation {
namespace {

using rt::testing::ScriptedHost;
using rt::testing::ScriptedProgram;

/// A random value that makes Fix(v * 10) the given digit.
float digit(int d) { return (static_cast<float>(d) + 0.5f) / 10.0f; }

/// The digits as Print shows integers: a blank, the digit, a blank.
std::string printed_line(const std::vector<int>& digits) {
    std::string line;
    for (int d : digits) line += " " + std::to_string(d) + " ";
    return line;
}

/// The digits of a printed line; empty when the line is not ten digits in print spacing.
std::vector<int> digits_of(const std::string& line) {
    if (line.size() != 30) return {};
    std::vector<int> digits;
    for (std::size_t k = 0; k < line.size(); k += 3) {
        if (line[k] != ' ' || line[k + 1] < '0' || line[k + 1] > '9' || line[k + 2] != ' ') return {};
        digits.push_back(line[k + 1] - '0');
    }
    return digits;
}

TEST(RandomPermutationTest, RepeatsAreDroppedAndDigitsKeepTheirFirstDrawnOrder) {
    const float lowest = 0.0f;
    const float highest = std::nextafter(1.0f, 0.0f);  // the largest value below 1 gives 9
    const float sentinel = 0.123f;                      // left over: the click must not take it
    const struct {
        const char* name;
        std::vector<float> draws;
        std::vector<int> shown;
    } cases[] = {
        {"NoRepeats",
         {digit(0), digit(1), digit(2), digit(3), digit(4), digit(5), digit(6), digit(7), digit(8), digit(9)},
         {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
        {"RepeatsEverywhere",
         {digit(3), digit(3), digit(7), digit(3), digit(0), digit(9), digit(9), digit(1), digit(2), digit(7),
          digit(4), digit(0), digit(5), digit(6), digit(6), digit(8)},
         {3, 7, 0, 9, 1, 2, 4, 5, 6, 8}},
        {"LastDigitAfterManyRepeats",
         {digit(9), digit(8), digit(7), digit(6), digit(5), digit(4), digit(3), digit(2), digit(1), digit(9),
          digit(1), digit(5), digit(1), digit(9), digit(0)},
         {9, 8, 7, 6, 5, 4, 3, 2, 1, 0}},
        {"ExtremeValues",
         {highest, lowest, highest, lowest, digit(4), digit(2), digit(6), digit(1), digit(3), digit(5),
          digit(7), digit(8)},
         {9, 0, 4, 2, 6, 1, 3, 5, 7, 8}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedProgram program = ScriptedProgram::of<Form1>(description());
        program.host().times_of_day({43210.25});
        for (float v : c.draws) program.host().random_values({v});
        program.host().random_values({sentinel});
        program.click("Command1");
        EXPECT_EQ(program.form().printed().ended_lines(), std::vector<rt::Text>{printed_line(c.shown)});
        EXPECT_EQ(program.form().printed().current_line(), "");
        EXPECT_EQ(program.host().seeds(), std::vector<double>{43210.25}) << "reseeded from the time of day";
        EXPECT_EQ(program.host().RandomNext(), sentinel) << "every draw up to the tenth digit, and no more";
        EXPECT_TRUE(program.dialogs().empty()) << "no runtime error report";
    }
}

/// The scripted host's generator (the real one, seeded by what the program passes), with a cap
/// on the draws so that a program that never completes its line fails instead of hanging.
class BoundedRandom final : public rt::RandomSource {
public:
    BoundedRandom(ScriptedHost& host, long cap) : m_host(host), m_left(cap) {}
    void Randomize(rt::Float64 seed) override { m_host.Randomize(seed); }
    rt::Float32 RandomNext() override {
        if (m_left-- == 0) throw std::logic_error("too many draws");
        return m_host.RandomNext();
    }

private:
    ScriptedHost& m_host;
    long m_left;
};

TEST(RandomPermutationTest, OverManyClicksEveryDigitStandsInEveryPosition) {
    constexpr int kClicks = 400;
    ScriptedHost host;  // no scripted values: the real generator, seeded a microsecond apart
    BoundedRandom random(host, 100L * kClicks);
    rt::Services services{host, random, host};
    rt::Program program(description(), services, rt::module_factory<Form1>());

    std::array<std::array<bool, 10>, 10> seen{};  // seen[position][digit]
    for (int click = 1; click <= kClicks; ++click) {
        program.click("Command1");
        ASSERT_EQ(program.form().printed().ended_lines().size(), static_cast<std::size_t>(click))
            << "one line per click, under the earlier ones";
        const rt::Text& line = program.form().printed().ended_lines().back();
        const std::vector<int> digits = digits_of(line);
        ASSERT_EQ(digits.size(), 10u) << line;
        ASSERT_EQ(std::set<int>(digits.begin(), digits.end()).size(), 10u) << "each digit once: " << line;
        for (int position = 0; position < 10; ++position) seen[position][digits[position]] = true;
    }
    EXPECT_EQ(program.form().printed().current_line(), "");
    EXPECT_EQ(host.seeds().size(), static_cast<std::size_t>(kClicks)) << "reseeded on every click";
    for (int position = 0; position < 10; ++position)
        for (int d = 0; d < 10; ++d) EXPECT_TRUE(seen[position][d]) << d << " never in position " << position;
}

}  // namespace
}  // namespace random_permutation
