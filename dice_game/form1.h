// SPDX-License-Identifier: MIT
#pragma once

#include "rt/runtime.h"

namespace dice_game {

/// Big or small with three dice: the whole game state lives in the labels' captions and the
/// phase in the buttons' Enabled flags.
class Form1 final : public rt::FormModule {
public:
    explicit Form1(rt::ModuleContext& context);

private:
    void Command1_Click();  // roll
    void Command2_Click();  // choose big or small
    void Command3_Click();  // bet
    void Command4_Click();  // lock the bet
    void Command5_Click();  // settle

    // clang-format off
    rt::Label&         Label2   = label("Label2");    // chip balance
    rt::Label&         Label4   = label("Label4");    // the bet
    rt::Label&         Label6   = label("Label6");    // die 1
    rt::Label&         Label8   = label("Label8");    // die 2
    rt::Label&         Label10  = label("Label10");   // die 3
    rt::Label&         Label12  = label("Label12");   // the choice
    rt::Label&         Label13  = label("Label13");   // result line
    rt::Label&         Label15  = label("Label15");   // settled rounds
    rt::CommandButton& Command1 = button("Command1");
    rt::CommandButton& Command2 = button("Command2");
    rt::CommandButton& Command3 = button("Command3");
    rt::CommandButton& Command4 = button("Command4");
    rt::CommandButton& Command5 = button("Command5");
    // clang-format on
};

}  // namespace dice_game
