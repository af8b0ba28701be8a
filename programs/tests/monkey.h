// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "rt/text.h"

namespace programs::testing {

/// The seeds and the length of a monkey run: by default three seeds of 3000 steps per program;
/// MONKEY_SEED runs that one seed instead, MONKEY_STEPS sets the number of steps.
struct RunLength {
    std::vector<std::uint64_t> seeds{1, 2, 3};
    long steps = 3000;
};

/// The run length, with MONKEY_SEED and MONKEY_STEPS applied.
RunLength run_length(RunLength defaults = {});

/// One step of a monkey: a text typed into a box, or a click (answering an InputBox it opens).
struct MonkeyStep {
    enum class Kind { Type, Click };
    Kind kind;
    std::string control;
    rt::Text text;                   ///< Type: what is typed
    std::optional<rt::Text> answer;  ///< Click: the InputBox's answer; std::nullopt cancels it
};

/// Makes up what a pupil might type or answer, and which button they press next.
class Monkey {
public:
    /// `answers`: what the program's InputBoxes take (its rules' answers), given often.
    Monkey(std::uint64_t seed, std::vector<rt::Text> answers) : m_random(seed), m_answers(std::move(answers)) {}

    /// The next step over a window with these text boxes and buttons (in tab order).
    MonkeyStep step(const std::vector<std::string>& boxes, const std::vector<std::string>& buttons);

    bool chance(double p) { return std::bernoulli_distribution(p)(m_random); }
    /// 64 bits wide everywhere (a long is 32 bits in WebAssembly).
    std::int64_t between(std::int64_t low, std::int64_t high) {
        return std::uniform_int_distribution<std::int64_t>(low, high)(m_random);
    }
    template <class T>
    const T& one_of(const std::vector<T>& items) {
        return items[static_cast<std::size_t>(between(0, static_cast<std::int64_t>(items.size()) - 1))];
    }

    /// A text for a text box or an InputBox: mostly numbers around the ranges the programs
    /// take, sometimes a hostile text or random characters.
    rt::Text text();
    /// An InputBox answer: the answers the program takes and small numbers often, Cancel now
    /// and then.
    std::optional<rt::Text> answer();

private:
    /// Up to 55 digits, ASCII or full-width, sometimes with blanks around them.
    rt::Text digits();
    /// A few characters of any sort: ASCII, controls, Chinese, emoji, stray bytes.
    rt::Text characters();

    std::mt19937_64 m_random;
    std::vector<rt::Text> m_answers;
};

}  // namespace programs::testing
