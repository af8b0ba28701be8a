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
#include <cstdlib>
#include <deque>
#include <memory>
#include <random>
#include <string>

#include "all_programs.h"
#include "checked_program.h"
#include "hostile_texts.h"
#include "watchdog.h"

namespace programs::testing {
namespace {

/// The seeds and the length of the run: by default three seeds of 3000 steps per program;
/// MONKEY_SEED runs that one seed instead, MONKEY_STEPS sets the number of steps.
struct RunLength {
    std::vector<std::uint64_t> seeds{1, 2, 3};
    long steps = 3000;
};

RunLength run_length() {
    RunLength run;
    if (const char* seed = std::getenv("MONKEY_SEED")) run.seeds = {std::strtoull(seed, nullptr, 10)};
    if (const char* steps = std::getenv("MONKEY_STEPS")) run.steps = std::strtol(steps, nullptr, 10);
    return run;
}

/// Makes up what a pupil might type or answer, and which button they press next.
class Monkey {
public:
    explicit Monkey(std::uint64_t seed) : m_random(seed) {}

    bool chance(double p) { return std::bernoulli_distribution(p)(m_random); }
    long between(long low, long high) { return std::uniform_int_distribution<long>(low, high)(m_random); }
    template <class T>
    const T& one_of(const std::vector<T>& items) {
        return items[static_cast<std::size_t>(between(0, static_cast<long>(items.size()) - 1))];
    }

    /// A text for a text box or an InputBox: mostly numbers around the ranges the programs
    /// take, sometimes a hostile text or random characters.
    rt::Text text() {
        switch (between(0, 9)) {
            case 0:
            case 1: return std::to_string(between(-5, 25));
            case 2: return std::to_string(between(-3, 12)) + (chance(0.5) ? ".5" : "." + std::to_string(between(0, 99)));
            case 3: return std::to_string(between(-2'200'000'000, 2'200'000'000));
            case 4: return digits();
            case 5: return one_of(hostile_texts()).text;
            case 6: return characters();
            case 7: return chance(0.5) ? "大" : "小";
            case 8: return std::to_string(between(0, 40)) + characters();
            default: return "";
        }
    }

    /// An InputBox answer: the answers the program takes and small numbers often, Cancel now
    /// and then.
    std::optional<rt::Text> answer(const std::vector<rt::Text>& taken) {
        if (chance(0.05)) return std::nullopt;
        if (!taken.empty() && chance(0.3)) return one_of(taken);
        if (chance(0.4)) return std::to_string(between(0, 25));
        return text();
    }

private:
    /// Up to 55 digits, ASCII or full-width, sometimes with blanks around them.
    rt::Text digits() {
        const bool full_width = chance(0.2);
        rt::Text out = chance(0.2) ? " " : "";
        for (long n = between(0, 55); n > 0; --n) {
            const long digit = between(0, 9);
            out += full_width ? "\xEF\xBC" + std::string(1, static_cast<char>(0x90 + digit))
                              : std::string(1, static_cast<char>('0' + digit));
        }
        return chance(0.2) ? out + "\u3000" : out;
    }

    /// A few characters of any sort: ASCII, controls, Chinese, emoji, stray bytes.
    rt::Text characters() {
        static const std::vector<rt::Text> kPieces = {
            "a", "e", "E", "-", "+", ".", ",", " ", "\t", "\n", std::string(1, '\0'), "\x7f", "大", "小", "０", "９",
            "－", "．", "\u3000", "😀", "\u0301", "\u200F", "\xff", "\x80", "\xe4\xb8", "&H", "1", "5", "9"};
        rt::Text out;
        for (long n = between(0, 8); n > 0; --n) out += one_of(kPieces);
        return out;
    }

    std::mt19937_64 m_random;
};

class MonkeyRun : public ::testing::TestWithParam<std::string_view> {};

TEST_P(MonkeyRun, KeepsEveryInvariant) {
    const ProgramModule& program = find(GetParam());
    const RunLength run = run_length();
    Watchdog watchdog;
    for (const std::uint64_t seed : run.seeds) {
        // The seed and the program's place in the list make the program's own sequence, so
        // every program gets a different one from the same seed.
        Monkey monkey(seed * 1000 + static_cast<std::uint64_t>(&program - all().data()));
        auto p = std::make_unique<CheckedProgram>(program, watchdog);
        const std::vector<std::string> boxes = p->controls_of(rt::ControlKind::TextBox);
        const std::vector<std::string> buttons = p->controls_of(rt::ControlKind::CommandButton);
        std::deque<std::string> recent;  // the last steps, for the failure message
        std::chrono::nanoseconds slowest{};  // processor time, for the log only
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
            if (!boxes.empty() && monkey.chance(0.35)) {
                const std::string& box = monkey.one_of(boxes);
                const rt::Text text = monkey.text();
                did = "type " + visible(text) + " into " + box;
                faults = p->type(box, text);
            } else {
                const std::string& button = monkey.one_of(buttons);
                const std::optional<rt::Text> answer = monkey.answer(rules_for(program.name).answers);
                faults = p->click(button, answer, "(seed " + std::to_string(seed) + ", step " + std::to_string(step) + ")");
                did = "click " + button;
                if (p->last_click_asked()) did += answer ? ", answering " + visible(*answer) : ", cancelling the InputBox";
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
                    "slowest click %.2f ms of processor time\n",
                    std::string(program.name).c_str(), static_cast<unsigned long long>(seed), run.steps,
                    tally.delivered, tally.messages, tally.reports, games,
                    std::chrono::duration<double, std::milli>(slowest).count());
    }
}

INSTANTIATE_TEST_SUITE_P(AllPrograms, MonkeyRun, ::testing::ValuesIn(program_names()),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
}  // namespace programs::testing
