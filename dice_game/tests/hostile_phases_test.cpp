// SPDX-License-Identifier: MIT
// The dice game in the hostile-input sweep, phase by phase.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "all_programs.h"
#include "checked_program.h"
#include "hostile_texts.h"
#include "sweep.h"
#include "sweep_scene.h"
#include "watchdog.h"

namespace dice_game::tests {
namespace {

using namespace programs::testing;

}  // namespace

programs::testing::Rules rules();

namespace {

// The dice game's buttons are enabled phase by phase, so the hostile answers are offered in
// every phase: betting with nothing chosen, betting with a choice and a bet, rolling, settling
// and after the game is over. In every phase every button is clicked; a disabled button must
// deliver nothing.
TEST(HostileInputSweepDiceGame, EveryPhaseTakesEveryHostileAnswer) {
    // A random value that makes Int(v * 6) + 1 the given die.
    auto die = [](int face) { return (face - 0.5f) / 6.0f; };
    const char* const buttons[] = {"Command1", "Command2", "Command3", "Command4", "Command5"};
    Watchdog watchdog(kHangLimit);
    Slowest slowest;
    for (const HostileText& hostile : hostile_texts()) {
        SCOPED_TRACE(hostile.name);
        CheckedProgram p(programs::find(rules().program), watchdog);
        Faults faults;
        auto every_button = [&](const char* phase) {
            for (const char* button : buttons) {
                add(faults, p.click(button, hostile.text, hostile.name + " in the " + phase));
                slowest.note(p.last_click(), std::string(button) + " in the " + phase + " after " + hostile.name);
                EXPECT_LT(p.last_click(), kClickBound)
                    << button << " in the " << phase << " used too much processor time";
            }
        };
        // A sound click; the answer goes to the InputBox, if the button opens one.
        auto sound = [&](const char* button, const std::string& answer = "") { add(faults, p.click(button, answer)); };

        // Every throw is a triple of sixes unless a round says otherwise: the house takes all.
        p.scripted().host().random_values({die(1), die(2), die(3)});
        for (int i = 0; i < 30; ++i) p.scripted().host().random_values({die(6), die(6), die(6)});

        every_button("betting phase with nothing chosen");
        // A refused answer keeps the choice and the bet, and locking moves on to the roll phase.
        sound("Command2", "小");
        sound("Command3", "10");
        every_button("betting phase with a choice and a bet");
        // Rolling (1-2-3) moves on to the settle phase, settling back to betting.
        every_button("roll phase");

        sound("Command2", "大");
        sound("Command3", "5");
        sound("Command4");
        sound("Command1");
        every_button("settle phase");

        // Lose down to a balance of 6 to 10 chips, where the balance limits the bet (12 is
        // refused); then lose the rest: game over.
        auto lose = [&](int stake) {
            sound("Command2", "大");
            sound("Command3", std::to_string(stake));
            sound("Command4");
            sound("Command1");
            sound("Command5");
        };
        auto balance = [&] { return std::stoi(p.scripted().caption("Label2")); };
        for (int round = 0; round < 20 && balance() > 10; ++round) lose(std::max(5, std::min(20, balance() - 10)));
        every_button("betting phase with at most 10 chips");
        lose(balance());
        EXPECT_EQ(p.scripted().caption("Label13"), "您已输光，游戏结束！~");
        every_button("game over");
        report(faults);
    }
    slowest.print("orvane in every phase");
}

}  // namespace
}  // namespace dice_game::tests
