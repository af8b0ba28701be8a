// SPDX-License-Identifier: MIT
#include "window.h"

namespace digit_rearrangement {

using namespace rt;

FormDescription description() {
    // clang-format off
    return {
        .caption = "Form1", .width = 13470, .height = 4935, .font = song(14.25),
        .controls = {
        //        name        caption            left   top  width height  font         extras
        label   ("Label1",   "请输入一个整数",   8880, 3000, 2295,  495,  song(15.75)),
        text_box("Text1",    "",               11400, 2880, 1935,  615,  song(15.75), {.labelled_by = "Label1", .keyboard = Keyboard::Digits}),
        button  ("Command1", "处理数据",         9000, 3960, 4335,  735,  song(15.75)),
        },
    };
    // clang-format on
}

}  // namespace digit_rearrangement
