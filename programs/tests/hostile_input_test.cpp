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

}  // namespace
}  // namespace programs::testing
