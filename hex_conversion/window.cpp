// SPDX-License-Identifier: MIT
#include "window.h"

namespace hex_conversion {

using namespace rt;

FormDescription description() {
    // clang-format off
    return {
        .caption = "Form1", .width = 10185, .height = 3930, .font = runtime_font,
        .controls = {
        //        name        caption                       left   top  width height  font      extras
        text_box("Text1",    "",                             360,  840, 2535,  735,  song(24), {.accessible_name = "十进制整数"}),
        button  ("Command1", "将10进制整数转化为16进制",    1200, 2400, 7335,  855,  song(24)),
        label   ("Label1",   "",                            7320,  960, 2175,  615,  song(24), {.back_color = 0x000080FF, .labelled_by = "Label2"}),
        label   ("Label2",   "变为16进制等于",              3120,  960, 3735,  615,  song(24)),
        },
    };
    // clang-format on
}

}  // namespace hex_conversion
