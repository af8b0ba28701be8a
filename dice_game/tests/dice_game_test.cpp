// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "form1.h"
#include "rt/testing/control_table.h"
#include "rt/testing/scripted_program.h"
#include "window.h"

namespace dice_game {
namespace {

using rt::testing::error_box;
using rt::testing::input_box;
using rt::testing::runtime_error_box;
using rt::testing::ScriptedProgram;

const rt::Text kChoose = "请输入 大 或者 小";
const rt::Text kBet = "请下注，不得少于5个筹码，也不得多于20个筹码";
const rt::Text kGameOver = "您已输光，游戏结束！~";
const rt::Text kTooFewChips = "筹码不足5个，游戏结束！~";

/// The enabled flags of Command2, Command3, Command4, Command1, Command5.
using Phase = std::array<bool, 5>;
constexpr Phase kBetting{true, true, true, false, false};
constexpr Phase kRolling{false, false, false, true, false};
constexpr Phase kSettling{false, false, false, false, true};
constexpr Phase kOver{false, false, false, false, false};

/// A random value that makes Int(v * 6) + 1 the given die.
float die(int face) { return (face - 0.5f) / 6.0f; }

constexpr rt::Color kRed = 255;
constexpr rt::Color kGreen = 65280;
/// The largest value RandomNext can give: the largest 32-bit float below 1.
constexpr float kLargestRandom = 0.99999994f;

using Changes = std::vector<std::string>;

class DiceGameTest : public ::testing::Test {
protected:
    Phase phase() {
        return {game.enabled("Command2"), game.enabled("Command3"), game.enabled("Command4"), game.enabled("Command1"),
                game.enabled("Command5")};
    }
    void choose(const rt::Text& choice) {
        game.answer(choice);
        game.click("Command2");
    }
    void bet(const rt::Text& chips) {
        game.answer(chips);
        game.click("Command3");
    }
    /// Choice, bet and lock: the roll phase.
    void lock(const rt::Text& choice, const rt::Text& chips) {
        choose(choice);
        bet(chips);
        game.click("Command4");
    }
    void roll(int d1, int d2, int d3) {
        game.host().random_values({die(d1), die(d2), die(d3)});
        game.click("Command1");
    }
    void expect_table_cleared() {
        for (const char* empty : {"Label4", "Label12", "Label6", "Label8", "Label10", "Label13"})
            EXPECT_EQ(game.caption(empty), "") << empty;
    }
    /// One whole round: choice, bet, lock, the scripted throw, settlement.
    void play(const rt::Text& choice, const rt::Text& chips, int d1, int d2, int d3) {
        choose(choice);
        bet(chips);
        game.click("Command4");
        game.host().random_values({die(d1), die(d2), die(d3)});
        game.click("Command1");
        game.click("Command5");
    }

    ScriptedProgram game = ScriptedProgram::of<Form1>(description());
};

TEST_F(DiceGameTest, OpensInTheBettingPhaseWithFiftyChips) {
    EXPECT_EQ(game.caption("Label2"), "50");
    EXPECT_EQ(game.caption("Label15"), "0");
    for (const char* empty : {"Label4", "Label6", "Label8", "Label10", "Label12", "Label13"})
        EXPECT_EQ(game.caption(empty), "") << empty;
    EXPECT_EQ(phase(), kBetting);
}

TEST(DiceGameWindowTest, MatchesTheControlTable) {
    const rt::FormDescription d = description();
    EXPECT_EQ(d.caption, "小赌怡情，大赌伤身");
    EXPECT_EQ(std::make_pair(d.width, d.height), std::make_pair(11340, 4125));
    EXPECT_FALSE(d.font.has_value()) << "the form keeps the runtime's font";
    using enum rt::ControlKind;
    const rt::Font f = rt::song(15.75), big = rt::song(24), rounds = rt::song(20.25);
    const rt::ControlOptions cyan{.back_color = 0x00FFFF80}, yellow{.back_color = 0x0000FFFF}, off{.enabled = false};
    // clang-format off
    rt::testing::expect_control_table(d, {
        {"Label2",   Label,         "50",       1800,  240,  495, 375, f, cyan},
        {"Label3",   Label,         "本轮下注",  240,  960, 1335, 375, f},
        {"Label4",   Label,         "",         1800,  960,  495, 375, f, cyan},
        {"Label1",   Label,         "当前筹码",  240,  240, 1335, 375, f},
        {"Label5",   Label,         "色子1",    3120,  240,  975, 375, f},
        {"Label6",   Label,         "",         3120,  960,  975, 375, f, yellow},
        {"Label7",   Label,         "色子2",    4440,  240,  975, 375, f},
        {"Label8",   Label,         "",         4440,  960,  975, 375, f, yellow},
        {"Label9",   Label,         "色子3",    5880,  240,  975, 375, f},
        {"Label10",  Label,         "",         5880,  960,  975, 375, f, yellow},
        {"Command1", CommandButton, "掷色子",   6720, 2760, 1455, 615, f, off},
        {"Label11",  Label,         "本轮选择",  240, 1560, 1335, 375, f},
        {"Label12",  Label,         "",         1800, 1560,  495, 375, f, cyan},
        {"Command2", CommandButton, "选大小",    600, 2760, 1455, 615, f},
        {"Command3", CommandButton, "下注",     2640, 2760, 1455, 615, f},
        {"Command4", CommandButton, "买定离手", 4680, 2760, 1455, 615, f},
        {"Command5", CommandButton, "结算",     8760, 2760, 1455, 615, f, off},
        {"Label13",  Label,         "",         3120, 1680, 5895, 735, big},
        {"Label14",  Label,         "您已坚持", 7440,  600, 1695, 495, rounds},
        {"Label15",  Label,         "0",        9240,  600,  735, 495, rounds},
        {"Label16",  Label,         "回合",     9960,  600,  975, 495, rounds},
    });
    // clang-format on
}

TEST_F(DiceGameTest, OnlyTheExactTextsAreChoices) {
    choose("大");
    EXPECT_EQ(game.caption("Label12"), "大");
    EXPECT_EQ(game.dialogs().back(), input_box(kChoose, "选大小"));
    for (const char* refused : {" 小", "小 ", "大小", "big", "", "xiao", "小\n"}) {
        SCOPED_TRACE(refused);
        game.host().forget();
        choose(refused);
        ASSERT_EQ(game.dialogs().size(), 2u);
        EXPECT_EQ(game.dialogs()[1], error_box("输入的内容不正确"));
        EXPECT_EQ(game.caption("Label12"), "大") << "the earlier choice stays";
    }
    choose("小");
    EXPECT_EQ(game.caption("Label12"), "小") << "a second valid choice replaces the first";
    EXPECT_EQ(phase(), kBetting);
}

TEST_F(DiceGameTest, CancelledChoiceIsRefused) {
    game.cancel();
    game.click("Command2");
    EXPECT_EQ(game.dialogs().back(), error_box("输入的内容不正确"));
    EXPECT_EQ(game.caption("Label12"), "");
}

TEST_F(DiceGameTest, BetsAreRoundedThenTestedAgainstTheLimitsAndTheBalance) {
    const struct {
        const char* typed;
        const char* shown;  // nullptr: refused
    } cases[] = {
        {"5", "5"},       {"20", "20"},      {"4", nullptr},     {"21", nullptr},  {"20.5", "20"},
        {"4.5", nullptr}, {"5.5", "6"},      {"4.51", "5"},      {"12abc", "12"},  {"abc", nullptr},
        {"", nullptr},    {" 12", "12"},     {"１５", "15"},     {"-10", nullptr}, {"1e1", "10"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        ScriptedProgram fresh = ScriptedProgram::of<Form1>(description());
        fresh.answer(c.typed);
        fresh.click("Command3");
        EXPECT_EQ(fresh.caption("Label4"), c.shown ? c.shown : "");
        const std::size_t boxes = c.shown ? 1 : 2;
        ASSERT_EQ(fresh.dialogs().size(), boxes);
        EXPECT_EQ(fresh.dialogs()[0], input_box(kBet, "下注"));
        if (!c.shown) {
            EXPECT_EQ(fresh.dialogs()[1], error_box("您下注的筹码有误"));
        }
    }
}

TEST_F(DiceGameTest, RefusedBetKeepsTheEarlierBet) {
    bet("12");
    bet("13");
    EXPECT_EQ(game.caption("Label4"), "13") << "a second valid bet replaces the first";
    bet("30");
    EXPECT_EQ(game.caption("Label4"), "13");
    game.cancel();
    game.click("Command3");
    EXPECT_EQ(game.caption("Label4"), "13");
    EXPECT_EQ(game.caption("Label2"), "50") << "placing a bet moves no chips";
}

TEST_F(DiceGameTest, BetAboveTheBalanceIsRefused) {
    game.form().control<rt::Label>("Label2").SetCaption("12");
    bet("13");
    EXPECT_EQ(game.caption("Label4"), "");
    bet("12");
    EXPECT_EQ(game.caption("Label4"), "12");
}

TEST_F(DiceGameTest, BetOutsideSixteenBitsIsTheOverflowReport) {
    bet("12");
    bet("40000");
    EXPECT_EQ(game.dialogs().back(), runtime_error_box(rt::ErrorKind::Overflow));
    EXPECT_EQ(game.caption("Label4"), "12");
    EXPECT_EQ(phase(), kBetting);
    bet("32767.5");
    EXPECT_EQ(game.dialogs().back(), runtime_error_box(rt::ErrorKind::Overflow));
}

TEST_F(DiceGameTest, LockingNeedsBetThenChoice) {
    game.click("Command4");
    EXPECT_EQ(game.dialogs().back(), error_box("您尚未下注")) << "the bet is tested first";
    choose("小");
    game.click("Command4");
    EXPECT_EQ(game.dialogs().back(), error_box("您尚未下注"));
    EXPECT_EQ(phase(), kBetting);

    ScriptedProgram other = ScriptedProgram::of<Form1>(description());
    other.answer("10");
    other.click("Command3");
    other.click("Command4");
    EXPECT_EQ(other.dialogs().back(), error_box("您尚未选大小"));
}

TEST_F(DiceGameTest, LockingMovesToTheRollPhaseInOrder) {
    choose("大");
    bet("10");
    game.host().forget();
    game.click("Command4");
    EXPECT_EQ(phase(), kRolling);
    const std::vector<std::string> order{"Command2.Enabled=0", "Command3.Enabled=0", "Command4.Enabled=0",
                                         "Command1.Enabled=1"};
    EXPECT_EQ(game.host().changes(), order);
    game.click("Command2");
    game.click("Command3");
    EXPECT_EQ(game.host().pending_answers(), 0u);
    EXPECT_EQ(game.dialogs().size(), 0u) << "disabled buttons deliver no clicks";
}

// Rolling and settling.

struct Throw {
    const char* name;
    const char* choice;
    int d1, d2, d3;
    const char* verdict;
    rt::Color color;
    const char* balance;  // after settling a bet of 10 from 50
};

void PrintTo(const Throw& t, std::ostream* out) { *out << t.name; }

class DiceThrowTest : public DiceGameTest, public ::testing::WithParamInterface<Throw> {};

TEST_P(DiceThrowTest, IsJudgedColourFirstAndSettledOneToOne) {
    const Throw& t = GetParam();
    lock(t.choice, "10");
    game.host().forget();
    roll(t.d1, t.d2, t.d3);
    const Changes shown{"Label6=" + std::to_string(t.d1),
                        "Label8=" + std::to_string(t.d2),
                        "Label10=" + std::to_string(t.d3),
                        "Label13.ForeColor=" + std::to_string(t.color.bgr),
                        std::string("Label13=") + t.verdict,
                        "Command1.Enabled=0",
                        "Command5.Enabled=1"};
    EXPECT_EQ(game.host().changes(), shown);
    EXPECT_EQ(game.fore_color("Label13"), t.color);
    EXPECT_EQ(game.caption("Label2"), "50") << "the stake moves only at settlement";
    EXPECT_EQ(phase(), kSettling);

    game.click("Command5");
    EXPECT_EQ(game.caption("Label2"), t.balance);
    EXPECT_EQ(game.caption("Label15"), "1");
    EXPECT_EQ(phase(), kBetting);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(DiceGameTest, DiceThrowTest, ::testing::Values(
    // Only 1-1-1 and 6-6-6 are the house's triples, whatever the choice.
    Throw{"TripleOnesBeatBig",       "大", 1, 1, 1, "豹子，庄家通吃", kRed,   "40"},
    Throw{"TripleOnesBeatSmall",     "小", 1, 1, 1, "豹子，庄家通吃", kRed,   "40"},
    Throw{"TripleSixesBeatBig",      "大", 6, 6, 6, "豹子，庄家通吃", kRed,   "40"},
    Throw{"TripleSixesBeatSmall",    "小", 6, 6, 6, "豹子，庄家通吃", kRed,   "40"},
    // Other triples count by their totals.
    Throw{"TripleTwosAreSmall",      "小", 2, 2, 2, "6点小，您赢",    kGreen, "60"},
    Throw{"TripleFivesAreBig",       "大", 5, 5, 5, "15点大，您赢",   kGreen, "60"},
    Throw{"NineIsSmallForSmall",     "小", 4, 3, 2, "9点小，您赢",    kGreen, "60"},
    Throw{"NineIsSmallAgainstBig",   "大", 2, 3, 4, "9点小，您输",    kRed,   "40"},
    Throw{"TenIsBigForBig",          "大", 4, 4, 2, "10点大，您赢",   kGreen, "60"},
    Throw{"TenIsBigAgainstSmall",    "小", 1, 3, 6, "10点大，您输",   kRed,   "40"},
    Throw{"FourIsTheLeastSmall",     "小", 1, 1, 2, "4点小，您赢",    kGreen, "60"},
    Throw{"SeventeenIsTheMostBig",   "大", 6, 6, 5, "17点大，您赢",   kGreen, "60"}),
    [](const ::testing::TestParamInfo<Throw>& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(DiceGameTest, EveryRandomValueGivesADieFromOneToSix) {
    lock("大", "10");
    game.host().random_values({0.0f, kLargestRandom, 0.5f});
    game.click("Command1");
    EXPECT_EQ(game.caption("Label6"), "1");
    EXPECT_EQ(game.caption("Label8"), "6");
    EXPECT_EQ(game.caption("Label10"), "4");
    EXPECT_EQ(game.caption("Label13"), "11点大，您赢");
}

TEST_F(DiceGameTest, EachDieIsShownBeforeTheNextIsDrawn) {
    // The script runs dry on the next draw: what shows by then was shown before that draw.
    lock("小", "10");
    game.host().forget();
    game.host().random_values({die(4)});
    EXPECT_THROW(game.click("Command1"), rt::testing::ScriptExhausted);
    EXPECT_EQ(game.host().changes(), Changes{"Label6=4"});

    game.host().forget();
    game.host().random_values({die(5), die(2)});
    EXPECT_THROW(game.click("Command1"), rt::testing::ScriptExhausted);
    EXPECT_EQ(game.host().changes(), (Changes{"Label6=5", "Label8=2"}));
}

TEST_F(DiceGameTest, EveryRollReseedsFromTheTimeOfDayBeforeTheFirstDie) {
    // Unscripted dice: the generator runs from the seeds the game hands it.
    game.host().times_of_day({41000.25, 41000.25, 52000.5});
    std::vector<std::array<rt::Text, 3>> throws;
    for (int round = 0; round < 3; ++round) {
        lock("大", "5");
        EXPECT_EQ(game.host().seeds().size(), static_cast<std::size_t>(round)) << "only the roll reseeds";
        game.click("Command1");
        throws.push_back({game.caption("Label6"), game.caption("Label8"), game.caption("Label10")});
        game.click("Command5");
    }
    EXPECT_EQ(game.host().seeds(), (std::vector<double>{41000.25, 41000.25, 52000.5}));
    EXPECT_EQ(throws[0], throws[1]) << "the same time of day throws the same dice";
    for (const auto& dice : throws)
        for (const rt::Text& d : dice) EXPECT_TRUE(d.size() == 1 && d[0] >= '1' && d[0] <= '6') << d;
}

TEST_F(DiceGameTest, WholeRoundsGoThroughThePhasesAndKeepTheAccounts) {
    const struct {
        const char* choice;
        const char* chips;
        int d1, d2, d3;
        const char* balance;
    } rounds[] = {
        {"大", "20", 6, 5, 4, "70"},  // 15 is big: 50 + 20
        {"小", "20", 6, 5, 4, "50"},  // 70 - 20
        {"小", "5", 1, 2, 3, "55"},   // 6 is small: 50 + 5
        {"大", "12", 3, 3, 3, "43"},  // 9 is small: 55 - 12
        {"小", "20", 1, 1, 1, "23"},  // the house's triple: 43 - 20
        {"大", "7", 6, 6, 6, "16"},   // 23 - 7
    };
    int counted = 0;
    for (const auto& r : rounds) {
        SCOPED_TRACE(::testing::Message() << "round " << counted + 1);
        choose(r.choice);
        EXPECT_EQ(phase(), kBetting);
        bet(r.chips);
        EXPECT_EQ(phase(), kBetting);
        game.click("Command4");
        EXPECT_EQ(phase(), kRolling);
        roll(r.d1, r.d2, r.d3);
        EXPECT_EQ(phase(), kSettling);
        game.click("Command5");
        EXPECT_EQ(phase(), kBetting);
        EXPECT_EQ(game.caption("Label2"), r.balance);
        EXPECT_EQ(game.caption("Label15"), std::to_string(++counted));
        expect_table_cleared();
    }
    EXPECT_EQ(game.dialogs().size(), 2 * std::size(rounds)) << "no box but the two questions a round";
}

TEST_F(DiceGameTest, SettlementCountsThenMovesTheStakeThenClearsInOrder) {
    lock("大", "20");
    roll(6, 5, 4);
    game.host().forget();
    game.click("Command5");
    const Changes order{"Label15=1",          "Label2=70",          "Label4=",           "Label12=",
                        "Label6=",            "Label8=",            "Label10=",          "Label13=",
                        "Command5.Enabled=0", "Command2.Enabled=1", "Command3.Enabled=1", "Command4.Enabled=1"};
    EXPECT_EQ(game.host().changes(), order);
}

TEST_F(DiceGameTest, ResultColourStaysOnTheEmptyLineUntilTheNextThrow) {
    play("大", "10", 6, 5, 4);
    EXPECT_EQ(game.caption("Label13"), "");
    EXPECT_EQ(game.fore_color("Label13"), kGreen);
    lock("大", "10");
    EXPECT_EQ(game.fore_color("Label13"), kGreen);
    game.host().forget();
    roll(1, 2, 3);
    const Changes result(game.host().changes().begin() + 3, game.host().changes().begin() + 5);
    EXPECT_EQ(result, (Changes{"Label13.ForeColor=255", "Label13=6点小，您输"}));
    game.click("Command5");
    EXPECT_EQ(game.fore_color("Label13"), kRed);
}

TEST_F(DiceGameTest, LosingTheWholeBalanceEndsTheGame) {
    play("大", "20", 1, 2, 3);  // 30
    play("大", "20", 1, 2, 3);  // 10
    lock("大", "10");
    roll(1, 2, 3);
    game.host().forget();
    game.click("Command5");
    EXPECT_EQ(game.caption("Label2"), "0");
    EXPECT_EQ(game.caption("Label15"), "3") << "the last round is counted too";
    EXPECT_EQ(game.caption("Label13"), kGameOver);
    EXPECT_EQ(game.fore_color("Label13"), kRed);
    EXPECT_EQ(phase(), kOver);
    const Changes tail(game.host().changes().end() - 2, game.host().changes().end());
    EXPECT_EQ(tail, (Changes{"Command5.Enabled=0", "Label13=" + kGameOver})) << "nothing is enabled again";

    game.host().forget();
    for (const char* button : {"Command1", "Command2", "Command3", "Command4", "Command5"}) game.click(button);
    EXPECT_TRUE(game.dialogs().empty());
    EXPECT_TRUE(game.host().changes().empty()) << "only closing the window remains";
}

// A balance below the smallest stake of 5 could never be bet again: the game ends there too.
struct LastLoss {
    const char* name;
    const char* chips;
    const char* balance;
    bool over;
};

void PrintTo(const LastLoss& l, std::ostream* out) { *out << l.name; }

class DiceLastLossTest : public DiceGameTest, public ::testing::WithParamInterface<LastLoss> {};

TEST_P(DiceLastLossTest, EndsTheGameBelowTheSmallestStake) {
    const LastLoss& l = GetParam();
    play("大", "20", 1, 2, 3);  // 30
    play("大", "20", 1, 2, 3);  // 10
    play("大", l.chips, 1, 2, 3);
    EXPECT_EQ(game.caption("Label2"), l.balance);
    EXPECT_EQ(game.caption("Label15"), "3");
    EXPECT_EQ(phase(), l.over ? kOver : kBetting);
    // With chips left the player has not lost everything: the end says there are too few.
    EXPECT_EQ(game.caption("Label13"), l.over ? kTooFewChips : "");
    EXPECT_EQ(game.fore_color("Label13"), kRed);
}

INSTANTIATE_TEST_SUITE_P(DiceGameTest, DiceLastLossTest,
                         ::testing::Values(LastLoss{"FourLeft", "6", "4", true}, LastLoss{"ThreeLeft", "7", "3", true},
                                           LastLoss{"TwoLeft", "8", "2", true}, LastLoss{"OneLeft", "9", "1", true},
                                           LastLoss{"FiveLeftPlayOn", "5", "5", false}),
                         [](const ::testing::TestParamInfo<LastLoss>& info) { return std::string(info.param.name); });

TEST_F(DiceGameTest, FiveLeftCanStillBeStaked) {
    play("大", "20", 1, 2, 3);  // 30
    play("大", "20", 1, 2, 3);  // 10
    play("大", "5", 1, 2, 3);   // 5
    play("大", "5", 6, 5, 4);   // 10
    EXPECT_EQ(game.caption("Label2"), "10");
    EXPECT_EQ(game.caption("Label15"), "4");
    EXPECT_EQ(phase(), kBetting);
}

}  // namespace
}  // namespace dice_game
