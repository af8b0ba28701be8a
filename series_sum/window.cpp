// SPDX-License-Identifier: MIT
#include "window.h"

namespace series_sum {

using namespace rt;

FormDescription description() {
    // clang-format off
    return {
        .caption = "Form1", .width = 15150, .height = 4740, .font = song(15.75),
        .controls = {
        //        name        caption                     left   top  width height  font         extras
        button("Command1", "计算",                       9120, 3120, 2775,  855,  song(24)),
        label ("Label1",   "计算 1+12+123+...  一共",    6000, 1560, 5655,  735,  song(24)),
        label ("Label2",   "项的和",                    13320, 1560, 1575,  735,  song(24)),
        text_box("Text1",  "",                          11880, 1560, 1095,  840,  song(36),     {.labelled_by = "Label1", .keyboard = Keyboard::Digits}),
        },
    };
    // clang-format on
}

}  // namespace series_sum
