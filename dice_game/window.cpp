// SPDX-License-Identifier: MIT
#include "window.h"

namespace dice_game {

using namespace rt;

FormDescription description() {
    // clang-format off
    return {
        .caption = "小赌怡情，大赌伤身", .width = 11340, .height = 4125, .font = runtime_font,
        .controls = {
        //        name        caption       left   top  width height  font         extras
        label ("Label2",   "50",          1800,  240,  495,  375,  song(15.75), {.back_color = 0x00FFFF80, .labelled_by = "Label1"}),
        label ("Label3",   "本轮下注",     240,  960, 1335,  375,  song(15.75)),
        label ("Label4",   "",            1800,  960,  495,  375,  song(15.75), {.back_color = 0x00FFFF80, .labelled_by = "Label3"}),
        label ("Label1",   "当前筹码",     240,  240, 1335,  375,  song(15.75)),
        label ("Label5",   "色子1",       3120,  240,  975,  375,  song(15.75)),
        label ("Label6",   "",            3120,  960,  975,  375,  song(15.75), {.back_color = 0x0000FFFF, .labelled_by = "Label5"}),
        label ("Label7",   "色子2",       4440,  240,  975,  375,  song(15.75)),
        label ("Label8",   "",            4440,  960,  975,  375,  song(15.75), {.back_color = 0x0000FFFF, .labelled_by = "Label7"}),
        label ("Label9",   "色子3",       5880,  240,  975,  375,  song(15.75)),
        label ("Label10",  "",            5880,  960,  975,  375,  song(15.75), {.back_color = 0x0000FFFF, .labelled_by = "Label9"}),
        button("Command1", "掷色子",      6720, 2760, 1455,  615,  song(15.75), {.enabled = false}),
        label ("Label11",  "本轮选择",     240, 1560, 1335,  375,  song(15.75)),
        label ("Label12",  "",            1800, 1560,  495,  375,  song(15.75), {.back_color = 0x00FFFF80, .labelled_by = "Label11"}),
        button("Command2", "选大小",       600, 2760, 1455,  615,  song(15.75)),
        button("Command3", "下注",        2640, 2760, 1455,  615,  song(15.75)),
        button("Command4", "买定离手",    4680, 2760, 1455,  615,  song(15.75)),
        button("Command5", "结算",        8760, 2760, 1455,  615,  song(15.75), {.enabled = false}),
        label ("Label13",  "",            3120, 1680, 5895,  735,  song(24)),
        label ("Label14",  "您已坚持",    7440,  600, 1695,  495,  song(20.25)),
        label ("Label15",  "0",           9240,  600,  735,  495,  song(20.25), {.labelled_by = "Label14"}),
        label ("Label16",  "回合",        9960,  600,  975,  495,  song(20.25)),
        },
    };
    // clang-format on
}

}  // namespace dice_game
