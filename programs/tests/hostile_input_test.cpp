// SPDX-License-Identifier: MIT
// Every text box and every InputBox of every program receives each text of one hostile list,
// then every button is clicked. Each click must stay within a bound on its processor time, show
// only the program's own messages or the runtime's error reports, and take nothing away from
// the window (each program's tests/rules.cpp says precisely what it may change).
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <map>
#include <string>

#include "all_programs.h"
#include "checked_program.h"
#include "hostile_texts.h"
#include "rt/testing/scripted_program.h"
#include "rt/testing/steps.h"
#include "sweep.h"
#include "sweep_scene.h"
#include "watchdog.h"

namespace programs::testing {
namespace {

class HostileInputSweep : public ::testing::TestWithParam<std::string_view> {};

TEST_P(HostileInputSweep, EveryTextInEveryBoxThenEveryButton) {
    const ProgramModule& program = find(GetParam());
    const SweepScene& scene = rules_for(GetParam()).sweep;
    Watchdog watchdog(kHangLimit);
    Slowest slowest;
    for (const HostileText& hostile : hostile_texts()) {
        // First every box holds the hostile text; then, where there are several boxes, each box
        // in turn holds it while the others hold sound numbers.
        std::vector<std::string> targets{""};
        if (scene.sound.size() > 1)
            for (const auto& [box, text] : scene.sound) targets.push_back(box);
        for (const std::string& target : targets) {
            SCOPED_TRACE(hostile.name + (target.empty() ? "" : " in " + target + " alone"));
            CheckedProgram p(program, watchdog);
            Faults faults;
            scene.prepare(p, faults);
            ASSERT_TRUE(faults.empty()) << "the scene itself fails: " << faults.front();
            for (const std::string& box : p.controls_of(rt::ControlKind::TextBox))
                add(faults, p.type(box, target.empty() || box == target ? hostile.text : scene.sound.find(box)->second));
            for (const std::string& button : p.controls_of(rt::ControlKind::CommandButton)) {
                add(faults, p.click(button, hostile.text, hostile.name));
                slowest.note(p.last_click(), button + " after " + hostile.name);
                EXPECT_LT(p.last_click(), kClickBound) << button << " used too much processor time";
            }
            report(faults);
        }
    }
    slowest.print(GetParam());
}

INSTANTIATE_TEST_SUITE_P(AllPrograms, HostileInputSweep, ::testing::ValuesIn(program_names()),
                         [](const auto& info) { return std::string(info.param); });

// What a screen reader hears once the last click has ended: the captions it wrote, in reading
// order with their labels, then what was printed, summed up where it is long or a figure.
TEST(AnnouncementTest, SaysWhatTheLastClickChanged) {
    // Dice of 6, 3 and 5 (Int(v * 6) + 1) on a bet of 10 chips on small.
    const std::string round = "answer:小\nclick:Command2\nanswer:10\nclick:Command3\nclick:Command4\n"
                              "random:0.9,0.4,0.7\nclick:Command1\n";
    struct Row {
        const char* what;
        std::string_view program;
        std::string steps;
        rt::Text heard;
    };
    // clang-format off
    const Row rows[] = {
        {"DiceAndVerdict",           "orvane",  round,                                          "色子1 6，色子2 3，色子3 5，14点大，您输"},
        {"SettlingSaysNoClearedDie", "orvane",  round + "click:Command5",                        "当前筹码 40，您已坚持 1 回合"},
        {"RefusedBetSaysNothing",    "orvane",  "answer:4\nclick:Command3",                    ""},
        {"OperandsByTheirNames",     "tilbry",  "random:0.342,0.857\nclick:Command1",           "第一个数 237，第二个数 443"},
        {"TypedOperandsUnsaid",      "tilbry",  "type:Text1=123\ntype:Text2=456\nclick:Command2", "+，结果 579"},
        {"SameResultSaidAgain",      "tilbry",  "type:Text1=1\ntype:Text2=2\nclick:Command2\nclick:Command2", "+，结果 3"},
        {"ShortLineAsPrinted",       "quennet", "type:Text1=3142\nclick:Command1",              "3142 能组成的最大数字与最小数字之差为 4321 - 1234 = 3087"},
        {"FigureSummedUp",           "brasky",  "click:Command1",                                "打印了 11 行星号图形"},
        {"RedrawnFigureSaidAgain",   "brasky",  "click:Command3\nclick:Command3",               "打印了 11 行星号图形"},
        {"NumbersCounted",           "luvesk",  "click:Command1",                                "打印了 100 个数"},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const ProgramModule& program = find(row.program);
        rt::testing::ScriptedProgram p(program.description(), program.make_module);
        rt::testing::perform(p, rt::testing::parse_steps(row.steps));
        EXPECT_EQ(p.announced(), row.heard);
    }
}

}  // namespace
}  // namespace programs::testing
