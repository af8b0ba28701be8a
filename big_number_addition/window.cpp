// SPDX-License-Identifier: MIT
#include "window.h"

namespace big_number_addition {

using namespace rt;

FormDescription description() {
    // clang-format off
    return {
        .caption = "Form1", .width = 14550, .height = 4875, .font = runtime_font,
        .controls = {
        //          name       caption          left   top   width height  font      extras
        text_box("Text1",    "",               600,  240, 13095,  735,  song(24), {.accessible_name = "第一个数", .keyboard = Keyboard::Digits}),
        text_box("Text2",    "",               600, 1200, 13095,  735,  song(24), {.accessible_name = "第二个数", .keyboard = Keyboard::Digits}),
        button  ("Command1", "进行加法计算",   3360, 2400,  7815,  855,  song(24)),
        label   ("Label1",   "",               600, 3600, 13215,  855,  song(24), {.back_color = 0x00FF80FF}),
        },
    };
    // clang-format on
}

}  // namespace big_number_addition
