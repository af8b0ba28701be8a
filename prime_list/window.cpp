// SPDX-License-Identifier: MIT
#include "window.h"

namespace prime_list {

using namespace rt;

FormDescription description() {
    // clang-format off
    return {
        .caption = "Form1", .width = 11295, .height = 5610, .font = song(15.75),
        .controls = {
        //        name        caption            left   top  width height  font
        button("Command1", "找到100个素数",     3480, 4440, 4815,  975,  song(24)),
        },
    };
    // clang-format on
}

}  // namespace prime_list
