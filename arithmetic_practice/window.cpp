// SPDX-License-Identifier: MIT
#include "window.h"

namespace arithmetic_practice {

using namespace rt;

FormDescription description() {
    // clang-format off
    return {
        .caption = "小学生算数练习工具", .width = 8655, .height = 3030, .font = runtime_font,
        .controls = {
        //          name        caption / text          left   top  width height  font          extras
        text_box("Text1",    "",                      960,  720, 1215,  735,  song(24),     {.accessible_name = "第一个数"}),
        label   ("Label1",   "",                     2520,  840,  375,  375,  song(24)),
        text_box("Text2",    "",                     3120,  720, 1455,  735,  song(24),     {.accessible_name = "第二个数"}),
        label   ("Label2",   "=",                    4680,  840,  735,  495,  song(24),     {.alignment = Alignment::Center}),
        text_box("Text3",    "",                     5640,  720, 1695,  735,  song(24),     {.accessible_name = "结果"}),
        button  ("Command1", "产生100~500的随机数",   360, 2040, 2175,  615,  runtime_font),
        button  ("Command2", "做加法",               2760, 2040,  975,  615,  runtime_font),
        button  ("Command3", "做减法",               3960, 2040,  975,  615,  runtime_font),
        button  ("Command4", "做乘法",               5160, 2040,  975,  615,  runtime_font),
        button  ("Command5", "做除法",               6360, 2040,  975,  615,  runtime_font),
        },
    };
    // clang-format on
}

}  // namespace arithmetic_practice
