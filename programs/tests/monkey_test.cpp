// SPDX-License-Identifier: MIT
// The monkey run: seeded random sequences of thousands of clicks, dialog answers and typed texts
// over every program, each step checked against the program's rules (its tests/rules.cpp): the
// dice game's balance stays a whole number of chips and never negative, its round counter
// never goes down and its enabled buttons are always one row of the phase table; printed text
// only grows or is replaced by one whole figure or matrix; every result is the right one.
//
// A failing run prints its seed and step. To replay it, or to run longer:
//     MONKEY_SEED=7 MONKEY_STEPS=100000 build/bin/monkey_test --gtest_filter='*orvane*'
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <deque>
#include <memory>
#include <string>

#include "all_programs.h"
#include "checked_program.h"
#include "monkey.h"
#include "watchdog.h"

namespace programs::testing {
namespace {

class MonkeyRun : public ::testing::TestWithParam<std::string_view> {};

TEST_P(MonkeyRun, KeepsEveryInvariant) {
    const ProgramModule& program = find(GetParam());
    const RunLength run = run_length();
    Watchdog watchdog(std::chrono::seconds(60));
    for (const std::uint64_t seed : run.seeds) {
        // The seed and the program's place in the list make the program's own sequence, so
        // every program gets a different one from the same seed.
        Monkey monkey(seed * 1000 + static_cast<std::uint64_t>(&program - all().data()), rules_for(program.name).answers);
        auto p = std::make_unique<CheckedProgram>(program, watchdog);
        const std::vector<std::string> boxes = p->controls_of(rt::ControlKind::TextBox);
        const std::vector<std::string> buttons = p->controls_of(rt::ControlKind::CommandButton);
        std::deque<std::string> recent;  // the last steps, for the failure message
        std::chrono::steady_clock::duration slowest{};
        CheckedProgram::Tally tally;
        long games = 1;
        auto count = [&] {
            tally.delivered += p->tally().delivered;
            tally.messages += p->tally().messages;
            tally.reports += p->tally().reports;
        };

        for (long step = 1; step <= run.steps; ++step) {
            Faults faults;
            std::string did;
            const MonkeyStep next = monkey.step(boxes, buttons);
            if (next.kind == MonkeyStep::Kind::Type) {
                did = "type " + visible(next.text) + " into " + next.control;
                faults = p->type(next.control, next.text);
            } else {
                faults = p->click(next.control, next.answer,
                                  "(seed " + std::to_string(seed) + ", step " + std::to_string(step) + ")");
                did = "click " + next.control;
                if (p->last_click_asked())
                    did += next.answer ? ", answering " + visible(*next.answer) : ", cancelling the InputBox";
                slowest = std::max(slowest, p->last_click());
            }
            recent.push_back(std::to_string(step) + ": " + did);
            if (recent.size() > 12) recent.pop_front();

            if (!faults.empty()) {
                std::string history;
                for (const std::string& line : recent) history += "\n    " + line;
                std::string all_faults;
                for (const std::string& fault : faults) all_faults += "\n    " + fault;
                ADD_FAILURE() << program.name << " broke a rule at seed " << seed << ", step " << step << ":"
                              << all_faults << "\n  the last steps:" << history << "\n  replay with: MONKEY_SEED="
                              << seed << " MONKEY_STEPS=" << step << " build/bin/monkey_test --gtest_filter='*/"
                              << program.name << "'";
                break;
            }
            // The dice game can end; a new game starts in a new window.
            bool any_enabled = false;
            for (const std::string& button : buttons) any_enabled = any_enabled || p->state().control(button).enabled;
            if (!any_enabled) {
                count();
                ++games;
                p = std::make_unique<CheckedProgram>(program, watchdog);
                recent.push_back("game over: a new game");
            }
        }
        count();
        std::printf("%s, seed %llu: %ld steps, %ld clicks delivered (%ld messages, %ld error reports), %ld windows, "
                    "slowest click %.2f ms\n",
                    std::string(program.name).c_str(), static_cast<unsigned long long>(seed), run.steps,
                    tally.delivered, tally.messages, tally.reports, games,
                    std::chrono::duration<double, std::milli>(slowest).count());
    }
}

INSTANTIATE_TEST_SUITE_P(AllPrograms, MonkeyRun, ::testing::ValuesIn(program_names()),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
}  // namespace programs::testing
