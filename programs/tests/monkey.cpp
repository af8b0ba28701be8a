// SPDX-License-Identifier: MIT
#include "monkey.h"

#include <cstdlib>

#include "hostile_texts.h"

namespace programs::testing {

RunLength run_length(RunLength run) {
    if (const char* seed = std::getenv("MONKEY_SEED")) run.seeds = {std::strtoull(seed, nullptr, 10)};
    if (const char* steps = std::getenv("MONKEY_STEPS")) run.steps = std::strtol(steps, nullptr, 10);
    return run;
}

MonkeyStep Monkey::step(const std::vector<std::string>& boxes, const std::vector<std::string>& buttons) {
    if (!boxes.empty() && chance(0.35)) {
        const std::string& box = one_of(boxes);
        return {MonkeyStep::Kind::Type, box, text(), std::nullopt};
    }
    const std::string& button = one_of(buttons);
    return {MonkeyStep::Kind::Click, button, rt::Text(), answer()};
}

rt::Text Monkey::text() {
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

std::optional<rt::Text> Monkey::answer() {
    if (chance(0.05)) return std::nullopt;
    if (!m_answers.empty() && chance(0.3)) return one_of(m_answers);
    if (chance(0.4)) return std::to_string(between(0, 25));
    return text();
}

rt::Text Monkey::digits() {
    const bool full_width = chance(0.2);
    rt::Text out = chance(0.2) ? " " : "";
    for (std::int64_t n = between(0, 55); n > 0; --n) {
        const std::int64_t digit = between(0, 9);
        out += full_width ? "\xEF\xBC" + std::string(1, static_cast<char>(0x90 + digit))
                          : std::string(1, static_cast<char>('0' + digit));
    }
    return chance(0.2) ? out + "\u3000" : out;
}

rt::Text Monkey::characters() {
    static const std::vector<rt::Text> kPieces = {
        "a", "e", "E", "-", "+", ".", ",", " ", "\t", "\n", std::string(1, '\0'), "\x7f", "大", "小", "０", "９",
        "－", "．", "\u3000", "😀", "\u0301", "\u200F", "\xff", "\x80", "\xe4\xb8", "&H", "1", "5", "9"};
    rt::Text out;
    for (std::int64_t n = between(0, 8); n > 0; --n) out += one_of(kPieces);
    return out;
}

}  // namespace programs::testing
