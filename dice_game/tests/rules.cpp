// SPDX-License-Identifier: MIT
// What the dice game must keep true under any input: the rules the hostile-input sweep
// and the monkey run check every click against, and the scene the sweep starts from.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "sweep_scene.h"
#include "window_rules.h"

namespace dice_game::tests {

using namespace programs::testing;

const Text kChoosePrompt = "请输入 大 或者 小";
const Text kBetPrompt = "请下注，不得少于5个筹码，也不得多于20个筹码";
const Text kChoiceWrong = "输入的内容不正确";
const Text kBetWrong = "您下注的筹码有误";
const Text kNoBet = "您尚未下注";
const Text kNoChoice = "您尚未选大小";
const Text kGameOver = "您已输光，游戏结束！~";
const Text kTooFewChips = "筹码不足5个，游戏结束！~";
constexpr int kRed = 255;
constexpr int kGreen = 65280;

/// The enabled flags of Command2, Command3, Command4, Command1 and Command5.
using Phase = std::array<bool, 5>;
constexpr Phase kBetting{true, true, true, false, false};
constexpr Phase kRolling{false, false, false, true, false};
constexpr Phase kSettling{false, false, false, false, true};
constexpr Phase kOver{false, false, false, false, false};
constexpr std::array<const char*, 5> kButtons{"Command2", "Command3", "Command4", "Command1", "Command5"};

Phase phase_of(const rt::Form& form) {
    Phase phase{};
    for (std::size_t i = 0; i < kButtons.size(); ++i) phase[i] = form.find(kButtons[i]).enabled();
    return phase;
}
std::string describe(const Phase& phase) {
    std::string out;
    for (std::size_t i = 0; i < kButtons.size(); ++i) out += std::string(kButtons[i]) + (phase[i] ? "+ " : "- ");
    return out;
}

void check(const Click& click, Faults& faults) {
    const Phase phase = phase_of(click.after);
    if (phase != kBetting && phase != kRolling && phase != kSettling && phase != kOver)
        faults.push_back("the enabled buttons are no row of the phase table: " + describe(phase));

    const Text& balance_text = click.content_after("Label2");
    const std::optional<long long> balance = whole(balance_text);
    if (!balance || *balance < 0) faults.push_back("the balance " + quoted(balance_text) + " is no whole number of chips");
    const std::optional<long long> rounds = whole(click.content_after("Label15"));
    const std::optional<long long> rounds_before = whole(click.content_before("Label15"));
    if (!rounds || !rounds_before || *rounds < *rounds_before)
        faults.push_back("the round counter went from " + quoted(click.content_before("Label15")) + " to " +
                         quoted(click.content_after("Label15")));
    const Text& choice = click.content_after("Label12");
    if (choice != "" && choice != "大" && choice != "小") faults.push_back("the choice shows " + quoted(choice));
    const Text& bet_text = click.content_after("Label4");
    const std::optional<long long> bet = whole(bet_text);
    if (bet_text != "" && (!bet || *bet < 5 || *bet > 20)) faults.push_back("the bet shows " + quoted(bet_text));
    if (!balance || !rounds) return;

    if (click.button == "Command2") {
        if (!click.answer) return faults.push_back("choosing opened no InputBox");
        if (*click.answer == "大" || *click.answer == "小") {
            if (expect_success(click, "a valid choice", faults)) expect_caption(click, "Label12", *click.answer, faults);
        } else {
            expect_message(click, kChoiceWrong, "the choice " + quoted(*click.answer), faults);
        }
    } else if (click.button == "Command3") {
        if (!click.answer) return faults.push_back("betting opened no InputBox");
        const std::optional<long long> chips = read_whole(*click.answer, Bits::Sixteen);
        const std::string why = "the bet " + quoted(*click.answer);
        if (!chips)
            expect_report(click, ErrorKind::Overflow, why, faults);
        else if (*chips >= 5 && *chips <= 20 && *chips <= *balance) {
            if (expect_success(click, why, faults)) expect_caption(click, "Label4", std::to_string(*chips), faults);
        } else
            expect_message(click, kBetWrong, why, faults);
    } else if (click.button == "Command4") {
        if (click.content_before("Label4").empty())
            expect_message(click, kNoBet, "locking without a bet", faults);
        else if (click.content_before("Label12").empty())
            expect_message(click, kNoChoice, "locking without a choice", faults);
        else if (expect_success(click, "locking", faults) && phase != kRolling)
            faults.push_back("locking did not start the roll phase: " + describe(phase));
    } else if (click.button == "Command1") {
        if (!expect_success(click, "rolling", faults)) return;
        long long total = 0;
        for (const char* die : {"Label6", "Label8", "Label10"}) {
            const std::optional<long long> face = whole(click.content_after(die));
            if (!face || *face < 1 || *face > 6) return faults.push_back(std::string(die) + " shows no die");
            total += *face;
        }
        const bool small_chosen = click.content_before("Label12") == "小";
        Text verdict = "豹子，庄家通吃";
        int colour = kRed;
        if (total != 3 && total != 18) {
            const bool small = total <= 9;
            const bool win = small == small_chosen;
            verdict = std::to_string(total) + (small ? "点小，" : "点大，") + (win ? "您赢" : "您输");
            colour = win ? kGreen : kRed;
        }
        expect_caption(click, "Label13", verdict, faults);
        if (click.after.find("Label13").fore_color() != rt::Color(colour))
            faults.push_back("the verdict is not in its colour");
        if (phase != kSettling) faults.push_back("rolling did not start the settle phase: " + describe(phase));
    } else if (click.button == "Command5") {
        if (!expect_success(click, "settling", faults)) return;
        if (*rounds != *rounds_before + 1) faults.push_back("settling did not count the round");
        const Text& verdict = click.content_before("Label13");
        const bool won = verdict.ends_with("赢");
        const long long stake = whole(click.content_before("Label4")).value_or(-1);
        const long long old_balance = whole(click.content_before("Label2")).value_or(-1);
        if (*balance != (won ? old_balance + stake : old_balance - stake))
            faults.push_back("settling moved the balance from " + std::to_string(old_balance) + " to " +
                             std::to_string(*balance) + " on a stake of " + std::to_string(stake));
        for (const char* cleared : {"Label4", "Label12", "Label6", "Label8", "Label10"})
            expect_caption(click, cleared, "", faults);
        if (click.after.find("Label13").fore_color() != click.before.control("Label13").fore_color)
            faults.push_back("settling changed the colour of the result line");
        const bool over = *balance < 5;
        expect_caption(click, "Label13", !over ? "" : *balance == 0 ? kGameOver : kTooFewChips, faults);
        if (phase != (over ? kOver : kBetting)) faults.push_back("settling left the phase " + describe(phase));
    }
}

SweepScene sweep_scene() {
    // A choice and a bet already made.
    return {[](CheckedProgram& p, Faults& faults) {
                add(faults, p.click("Command2", "大"));
                add(faults, p.click("Command3", "10"));
            },
            {}};
}

Rules rules() {
    return {
        .program = "orvane",
        .dialogs = {input_box(kChoosePrompt, "选大小"), input_box(kBetPrompt, "下注"), error_box(kChoiceWrong),
                    error_box(kBetWrong), error_box(kNoBet), error_box(kNoChoice),
                    // A bet that rounds outside 16 bits.
                    runtime_error_box(ErrorKind::Overflow)},
        .written = {"Label2", "Label4", "Label6", "Label8", "Label10", "Label12", "Label13", "Label15", "Command1",
                    "Command2", "Command3", "Command4", "Command5"},
        .written_before_failure = {},
        .printing = Printing::Never,
        .check_click = check,
        .sweep = sweep_scene(),
        .answers = {"大", "小"},
        .longest_captions = {{"Label13", "您已输光，游戏结束！~"},
                             {"Label13", "筹码不足5个，游戏结束！~"},
                             {"Label13", "17点大，您输"},
                             {"Label2", "120"},
                             {"Label4", "20"},
                             {"Label12", "小"},
                             {"Label15", "999"}},
    };
}

}  // namespace dice_game::tests
