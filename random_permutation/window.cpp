// SPDX-License-Identifier: MIT
#include "window.h"

namespace random_permutation {

using namespace rt;

FormDescription description() {
    // clang-format off
    return {
        .caption = "Form1", .width = 8805, .height = 4920, .font = song(24),
        .controls = {
        //        name        caption                              left   top  width height  font
        button("Command1", "随机生成0-9的数组，不含重复元素",     360, 3480, 8055, 1095,  song(20.25)),
        },
    };
    // clang-format on
}

}  // namespace random_permutation
