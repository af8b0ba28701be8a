// SPDX-License-Identifier: MIT
#include "form1.h"

namespace dice_game {

using namespace rt;

namespace {

// clang-format off
const Text kChoosePrompt = "请输入 大 或者 小";
const Text kChooseTitle  = "选大小";
const Text kBetPrompt    = "请下注，不得少于5个筹码，也不得多于20个筹码";
const Text kBetTitle     = "下注";
const Text kErrorTitle   = "错误";
const Text kChoiceWrong  = "输入的内容不正确";
const Text kBetWrong     = "您下注的筹码有误";
const Text kNoBet        = "您尚未下注";
const Text kNoChoice     = "您尚未选大小";
const Text kBig          = "大";
const Text kSmall        = "小";
const Text kTriple       = "豹子，庄家通吃";
const Text kSmallYouWin  = "点小，您赢";
const Text kSmallYouLose = "点小，您输";
const Text kBigYouWin    = "点大，您赢";
const Text kBigYouLose   = "点大，您输";
const Text kWin          = "赢";
const Text kGameOver     = "您已输光，游戏结束！~";
const Text kTooFewChips  = "筹码不足5个，游戏结束！~";
constexpr Color kRed     = 255;
constexpr Color kGreen   = 65280;
constexpr int kMinimumStake = 5;
constexpr int kMaximumStake = 20;
// clang-format on

}  // namespace

Form1::Form1(ModuleContext& context) : FormModule(context) {
    on_click(Command1, &Form1::Command1_Click);
    on_click(Command2, &Form1::Command2_Click);
    on_click(Command3, &Form1::Command3_Click);
    on_click(Command4, &Form1::Command4_Click);
    on_click(Command5, &Form1::Command5_Click);
}

void Form1::Command2_Click() {
    const Text answer = InputBox(kChoosePrompt, kChooseTitle);
    const bool small = answer == kSmall;
    const bool big = answer == kBig;
    if (!small && !big)
        MsgBox(kChoiceWrong, MsgBoxStyle::Critical, kErrorTitle);
    else
        Label12.SetCaption(answer);
}

void Form1::Command3_Click() {
    const Text answer = InputBox(kBetPrompt, kBetTitle);
    const Int16 bet = FpI2(Val(answer));
    const Float64 balance = Val(Label2.Caption());
    if (bet >= kMinimumStake && bet <= kMaximumStake && balance >= bet)
        Label4.SetCaption(StrI2(bet));
    else
        MsgBox(kBetWrong, MsgBoxStyle::Critical, kErrorTitle);
}

void Form1::Command4_Click() {
    if (Label4.Caption() == "") {
        MsgBox(kNoBet, MsgBoxStyle::Critical, kErrorTitle);
    } else if (Label12.Caption() == "") {
        MsgBox(kNoChoice, MsgBoxStyle::Critical, kErrorTitle);
    } else {
        Command2.SetEnabled(false);
        Command3.SetEnabled(false);
        Command4.SetEnabled(false);
        Command1.SetEnabled(true);
    }
}

void Form1::Command1_Click() {
    Randomize(time_of_day());
    Label6.SetCaption(StrR4(Int(RandomNext() * 6) + 1));
    Label8.SetCaption(StrR4(Int(RandomNext() * 6) + 1));
    Label10.SetCaption(StrR4(Int(RandomNext() * 6) + 1));
    const Int16 total = FpI2(Val(Label6.Caption()) + Val(Label8.Caption()) + Val(Label10.Caption()));

    if (total == 3 || total == 18) {
        Label13.SetForeColor(kRed);
        Label13.SetCaption(kTriple);
    } else if (total > 9) {
        if (Label12.Caption() == kSmall) {
            Label13.SetForeColor(kRed);
            Label13.SetCaption(StrI2(total) + kBigYouLose);
        } else {
            Label13.SetForeColor(kGreen);
            Label13.SetCaption(StrI2(total) + kBigYouWin);
        }
    } else {
        if (Label12.Caption() == kSmall) {
            Label13.SetForeColor(kGreen);
            Label13.SetCaption(StrI2(total) + kSmallYouWin);
        } else {
            Label13.SetForeColor(kRed);
            Label13.SetCaption(StrI2(total) + kSmallYouLose);
        }
    }
    Command1.SetEnabled(false);
    Command5.SetEnabled(true);
}

void Form1::Command5_Click() {
    Label15.SetCaption(StrR8(Val(Label15.Caption()) + 1));
    const bool won = Right(Label13.Caption(), 1) == kWin;
    const Float64 bet = Val(Label4.Caption());
    const Float64 balance = Val(Label2.Caption());
    Label2.SetCaption(StrR8(won ? balance + bet : balance - bet));

    Label4.SetCaption("");
    Label12.SetCaption("");
    Label6.SetCaption("");
    Label8.SetCaption("");
    Label10.SetCaption("");
    Label13.SetCaption("");
    Command5.SetEnabled(false);

    // A balance below the smallest stake can never be bet again, so the game ends there too.
    // At 1 to 4 chips the player has not lost everything, so the end says why it ends.
    const Float64 left = Val(Label2.Caption());
    if (left < kMinimumStake) {
        Label13.SetCaption(left > 0 ? kTooFewChips : kGameOver);
    } else {
        Command2.SetEnabled(true);
        Command3.SetEnabled(true);
        Command4.SetEnabled(true);
    }
}

}  // namespace dice_game
