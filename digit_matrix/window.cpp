// SPDX-License-Identifier: MIT
#include "window.h"

namespace digit_matrix {

using namespace rt;

FormDescription description() {
    // clang-format off
    return {
        .caption = "Form1", .width = 8340, .height = 5955, .font = song(15.75),
        .controls = {
        //        name        caption        left   top  width height  font      extras
        button  ("Command1", "打印",          120, 4920, 1575,  855,  song(24)),
        label   ("Label1",   "尺寸为",       1800, 5040, 1575,  615,  song(24)),
        text_box("Text1",    "",             3600, 5040, 1455,  615,  song(24), {.labelled_by = "Label1", .keyboard = Keyboard::Digits}),
        label   ("Label2",   "的数字矩阵",   5160, 5040, 2535,  615,  song(24)),
        },
    };
    // clang-format on
}

}  // namespace digit_matrix
