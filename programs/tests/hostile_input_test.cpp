// SPDX-License-Identifier: MIT
// Every text box and every InputBox of every program receives each text of one hostile list,
// then every button is clicked. Each click must stay within a bound on its processor time, show
// only the program's own messages or the runtime's error reports, and take nothing away from
// the window (the rules of window_rules.cpp say precisely what each program may change).
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
#include "watchdog.h"

namespace programs::testing {
namespace {

using namespace std::chrono_literals;
using Duration = std::chrono::nanoseconds;

/// No click may use more processor time, in either build. The bound is on the processor time of
/// the thread that ran the click, not on the wall clock, so other processes on a busy machine do
/// not count against it. The slowest clicks, the dice game reading a megabyte of digits as a
/// bet, use some 25 ms, and 170 ms under the sanitizers (measured with the machine loaded to 17
/// on 2 cores; the monkey run's slowest click there, 200 ms): the bound is ten times that.
constexpr Duration kClickBound = 2s;

void add(Faults& faults, Faults more) { faults.insert(faults.end(), more.begin(), more.end()); }

/// What a user has done before the hostile text arrives, so that the window holds something to
/// lose, and a sound text for each text box for the runs in which another box gets the hostile
/// text.
struct Scene {
    std::string_view program;
    std::function<void(CheckedProgram&, Faults&)> prepare;
    std::map<std::string, rt::Text, std::less<>> sound;
};

const Scene& scene_for(std::string_view program) {
    auto enter = [](std::vector<std::pair<const char*, const char*>> typed, const char* button) {
        return [typed, button](CheckedProgram& p, Faults& faults) {
            for (const auto& [box, text] : typed) add(faults, p.type(box, text));
            add(faults, p.click(button, std::nullopt));
        };
    };
    auto press = [](std::vector<const char*> buttons) {
        return [buttons](CheckedProgram& p, Faults& faults) {
            for (const char* button : buttons) add(faults, p.click(button, std::nullopt));
        };
    };
    static const std::vector<Scene> kScenes = {
        {"orvane",
         [](CheckedProgram& p, Faults& faults) {
             add(faults, p.click("Command2", "大"));
             add(faults, p.click("Command3", "10"));
         },
         {}},
        {"tilbry",
         [](CheckedProgram& p, Faults& faults) {
             add(faults, p.type("Text1", "228"));
             add(faults, p.type("Text2", "246"));
             add(faults, p.click("Command2", std::nullopt));
             add(faults, p.click("Command1", std::nullopt));
         },
         {{"Text1", "228"}, {"Text2", "246"}, {"Text3", "474"}}},
        {"quennet", enter({{"Text1", "2018"}}, "Command1"), {{"Text1", "2018"}}},
        {"brasky", press({"Command4"}), {}},
        {"mondrel", enter({{"Text1", "5"}}, "Command1"), {{"Text1", "5"}}},
        {"sarnic", enter({{"Text1", "255"}}, "Command1"), {{"Text1", "255"}}},
        {"pellow", enter({{"Text1", "3"}}, "Command1"), {{"Text1", "3"}}},
        {"grentam", enter({{"Text1", "123"}, {"Text2", "456"}}, "Command1"), {{"Text1", "123"}, {"Text2", "456"}}},
        {"luvesk", press({"Command1"}), {}},
        {"farrowd", press({"Command1"}), {}},
    };
    for (const Scene& scene : kScenes)
        if (scene.program == program) return scene;
    throw std::out_of_range("no scene for " + std::string(program));
}

/// The click that used the most processor time, for the log.
struct Slowest {
    Duration took{};
    std::string what;
    void note(Duration d, std::string description) {
        if (d > took) took = d, what = std::move(description);
    }
    void print(std::string_view suite) const {
        std::printf("%s: slowest click %.2f ms of processor time (%s)\n", std::string(suite).c_str(),
                    std::chrono::duration<double, std::milli>(took).count(), what.c_str());
    }
};

void report(const Faults& faults) {
    constexpr std::size_t kShown = 8;
    for (std::size_t i = 0; i < faults.size() && i < kShown; ++i) ADD_FAILURE() << faults[i];
    if (faults.size() > kShown) ADD_FAILURE() << "and " << faults.size() - kShown << " more faults";
}

class HostileInputSweep : public ::testing::TestWithParam<std::string_view> {};

TEST_P(HostileInputSweep, EveryTextInEveryBoxThenEveryButton) {
    const ProgramModule& program = find(GetParam());
    const Scene& scene = scene_for(GetParam());
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
        CheckedProgram p(find("orvane"), watchdog);
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
}  // namespace programs::testing
