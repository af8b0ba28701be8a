// SPDX-License-Identifier: MIT
#include "window.h"

namespace star_patterns {

using namespace rt;

FormDescription description() {
    // clang-format off
    return {
        .caption = "Form1", .width = 7125, .height = 7980, .font = song(15.75),
        .controls = {
        //        name        caption       left   top  width height  font
        button("Command1", "正三角形",      840, 6000, 2535,  735,  song(24)),
        button("Command2", "倒三角形",     3600, 6000, 2535,  735,  song(24)),
        button("Command3", "实心菱形",      840, 6960, 2535,  735,  song(24)),
        button("Command4", "空心菱形",     3600, 6960, 2535,  735,  song(24)),
        },
    };
    // clang-format on
}

}  // namespace star_patterns
