// SPDX-License-Identifier: MIT
#pragma once

#include "rt/runtime.h"

namespace rt {

/// A window with one control of each kind for the Qt host's tests: Command1 asks a question,
/// Command2 starts disabled, Command3 prints and colours Label1, Command4 converts Text1 (and
/// overflows on a large number).
inline FormDescription test_window() {
    // clang-format off
    return {.caption = "测试窗口", .width = 6000, .height = 3000, .font = song(15.75), .controls = {
        label   ("Label1",   "标签",  150,  300, 1500, 450, song(15.75), {.back_color = 0x00FFFF80}),
        text_box("Text1",    "",     1800,  300, 1500, 450, song(15.75)),
        button  ("Command1", "问",    150, 1500, 1500, 600, song(15.75)),
        button  ("Command2", "关",   1800, 1500, 1500, 600, runtime_font, {.enabled = false}),
        button  ("Command3", "印",   3450, 1500, 1500, 600, song(15.75)),
        button  ("Command4", "错",   3450, 2250, 1500, 600, song(15.75)),
    }};
    // clang-format on
}

class Probe final : public FormModule {
public:
    explicit Probe(ModuleContext& context) : FormModule(context) {
        on_click(Command1, &Probe::Command1_Click);
        on_click(Command2, &Probe::Command2_Click);
        on_click(Command3, &Probe::Command3_Click);
        on_click(Command4, &Probe::Command4_Click);
    }

private:
    void Command1_Click() { Label1.SetCaption("[" + InputBox("请输入", "提问") + "]"); }
    void Command2_Click() { Label1.SetCaption("不该出现"); }
    void Command3_Click() {
        Print({2, 3}, PrintEnd::Semicolon);
        Print({"*"});
        Label1.SetForeColor(255);
    }
    void Command4_Click() {
        Label1.SetCaption("之前");
        Label1.SetCaption(StrI2(FpI2(Val(Text1.Text()))));
    }

    Label& Label1 = label("Label1");
    TextBox& Text1 = text_box("Text1");
    CommandButton& Command1 = button("Command1");
    CommandButton& Command2 = button("Command2");
    CommandButton& Command3 = button("Command3");
    CommandButton& Command4 = button("Command4");
};

}  // namespace rt
