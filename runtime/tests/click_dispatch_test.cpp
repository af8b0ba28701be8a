// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "rt/runtime.h"
#include "rt/testing/scripted_program.h"

namespace rt {
namespace {

using testing::ScriptedProgram;

FormDescription two_buttons() {
    // clang-format off
    return {.caption = "测试", .width = 3000, .height = 2000, .font = song(15.75), .controls = {
        label ("Label1",   "0",      0,    0, 1000, 300, song(15.75)),
        text_box("Text1",  "",       0,  400, 1000, 300, song(15.75), {.max_length = 5, .labelled_by = "Label1"}),
        button("Command1", "加一",   0,  800, 1000, 300, song(15.75)),
        button("Command2", "问",     0, 1200, 1000, 300, runtime_font, {.enabled = false}),
    }};
    // clang-format on
}

/// Counts clicks in Label1, overflows on request, and asks a question while busy.
class Counter final : public FormModule {
public:
    explicit Counter(ModuleContext& context) : FormModule(context) {
        on_click(Command1, &Counter::Command1_Click);
        on_click(Command2, &Counter::Command2_Click);
    }

private:
    void Command1_Click() {
        Label1.SetCaption(StrR8(Val(Label1.Caption()) + 1));
        const Int16 step = FpI2(Val(Text1.Text()));  // Overflow for 40000, after the count went up
        Label1.SetCaption(StrR8(Val(Label1.Caption()) + step));
    }
    void Command2_Click() {
        Label1.SetCaption(InputBox("你好", "问题"));
    }

    Label& Label1 = label("Label1");
    TextBox& Text1 = text_box("Text1");
    CommandButton& Command1 = button("Command1");
    CommandButton& Command2 = button("Command2");
};

TEST(ClickDispatchTest, ClickRunsTheHandler) {
    auto p = ScriptedProgram::of<Counter>(two_buttons());
    p.click("Command1");
    p.click("Command1");
    EXPECT_EQ(p.caption("Label1"), "2");
}

TEST(ClickDispatchTest, DisabledButtonDeliversNothing) {
    auto p = ScriptedProgram::of<Counter>(two_buttons());
    p.click("Command2");
    EXPECT_TRUE(p.dialogs().empty());
    EXPECT_EQ(p.caption("Label1"), "0");
}

TEST(ClickDispatchTest, RuntimeErrorEndsTheHandlerKeepsDoneStepsAndIsReported) {
    auto p = ScriptedProgram::of<Counter>(two_buttons());
    p.type("Text1", "40000");
    p.click("Command1");
    EXPECT_EQ(p.caption("Label1"), "1") << "the step before the error stays done";
    ASSERT_EQ(p.dialogs().size(), 1u);
    EXPECT_EQ(p.dialogs()[0], testing::runtime_error_box(ErrorKind::Overflow));
    p.type("Text1", "2");
    p.click("Command1");
    EXPECT_EQ(p.caption("Label1"), "4") << "the program goes on after the report";
}

TEST(ClickDispatchTest, NoSecondClickWhileAHandlerWaitsInADialog) {
    auto p = ScriptedProgram::of<Counter>(two_buttons());
    p.form().control<CommandButton>("Command2").SetEnabled(true);
    p.host().while_dialog_open([&] { p.click("Command1"); });
    p.answer("答");
    p.click("Command2");
    EXPECT_EQ(p.caption("Label1"), "答");
    for (const std::string& change : p.host().changes()) EXPECT_NE(change, "Label1=1");
    p.click("Command1");
    EXPECT_EQ(p.caption("Label1"), "1") << "clicks arrive again once the handler has ended";
}

TEST(ClickDispatchTest, TextBoxKeepsAtMostItsLimit) {
    auto p = ScriptedProgram::of<Counter>(two_buttons());
    p.type("Text1", "1234567");
    EXPECT_EQ(p.text("Text1"), "12345");
    p.type("Text1", "一二三四五六");
    EXPECT_EQ(p.text("Text1"), "一二三四五");
}

TEST(FormViewTest, TheViewIsToldOfEveryChangeAsItIsMade) {
    Form form(two_buttons());
    testing::ScriptedHost view;
    form.set_view(&view);
    form.control<Label>("Label1").SetForeColor(255);
    form.control<Label>("Label1").SetCaption("红");
    form.Print({1}, PrintEnd::Semicolon);
    form.Cls();
    form.control<CommandButton>("Command2").SetEnabled(true);
    const std::vector<std::string> expected{"Label1.ForeColor=255", "Label1=红", "Print", "Cls", "Command2.Enabled=1"};
    EXPECT_EQ(view.changes(), expected);
}

class Misspelt final : public FormModule {
public:
    explicit Misspelt(ModuleContext& context) : FormModule(context) {}
    Label& Label9 = label("Label9");
};

class Unbound final : public FormModule {
public:
    explicit Unbound(ModuleContext& context) : FormModule(context) {
        on_click(Command1, &Unbound::Command1_Click);
    }
    void Command1_Click() {}
    CommandButton& Command1 = button("Command1");
};

class WrongKind final : public FormModule {
public:
    explicit WrongKind(ModuleContext& context) : FormModule(context) {}
    Label& Text1 = label("Text1");
};

TEST(StartUpTest, MistakesInTheModuleFailAtStartUp) {
    EXPECT_THROW(ScriptedProgram::of<Misspelt>(two_buttons()), DescriptionError);
    EXPECT_THROW(ScriptedProgram::of<WrongKind>(two_buttons()), DescriptionError);
    try {
        ScriptedProgram::of<Unbound>(two_buttons());
        ADD_FAILURE() << "a button without a handler was accepted";
    } catch (const DescriptionError& e) {
        EXPECT_STREQ(e.what(), "Form1.Command2 has no Click handler");
    }
}

TEST(StartUpTest, MistakesInTheDescriptionFailAtStartUp) {
    const std::function<void(FormDescription&)> mistakes[] = {
        [](FormDescription& d) { d.controls[1].name = "Label1"; },
        [](FormDescription& d) { d.controls[0].name = ""; },
        [](FormDescription& d) { d.controls[0].width = 0; },
        [](FormDescription& d) { d.width = -5; },
        [](FormDescription& d) { d.controls[0].font = Font{"宋体", 0}; },
        [](FormDescription& d) { d.controls[2].options.back_color = 0x00FFFFFF; },
        [](FormDescription& d) { d.controls[0].options.back_color = 0x01000000; },
        [](FormDescription& d) { d.controls[1].options.max_length = -1; },
        [](FormDescription& d) { d.controls[1].options.labelled_by = "Label9"; },
        [](FormDescription& d) { d.controls[1].options.labelled_by = "Command1"; },
        [](FormDescription& d) { d.controls[0].options.labelled_by = "Label1"; },
        [](FormDescription& d) { d.controls[0].options.accessible_name = "名字"; },
        [](FormDescription& d) { d.controls[0].options.keyboard = Keyboard::Digits; },
    };
    for (const auto& mistake : mistakes) {
        FormDescription d = two_buttons();
        mistake(d);
        EXPECT_THROW(validate(d), DescriptionError);
    }
    EXPECT_NO_THROW(validate(two_buttons()));
}

TEST(ReadingOrderTest, TopToBottomThenLeftToRightEachValueAfterItsLabel) {
    // clang-format off
    const FormDescription form{.caption = "测试", .width = 9000, .height = 3000, .controls = {
        button("Ok",     "确定",  600, 2000, 900, 300, runtime_font),
        label ("Value",  "50",   1800,  240, 500, 300, runtime_font, {.labelled_by = "Name"}),
        label ("Die",    "",     3000,  960, 900, 300, runtime_font, {.labelled_by = "DieName"}),
        label ("Name",   "筹码",  240,  240, 900, 300, runtime_font),
        label ("DieName","色子",  3000,  240, 900, 300, runtime_font),
        label ("Later",  "回合",  7000,  600, 900, 300, runtime_font),
    }};
    // A sign set a little lower than the boxes beside it reads on their line.
    const FormDescription sum{.caption = "测试", .width = 9000, .height = 3000, .controls = {
        text_box("First",  "",    960,  720, 1215, 735, runtime_font),
        text_box("Second", "",   3120,  720, 1455, 735, runtime_font),
        label   ("Sign",   "+",  2520,  840,  375, 375, runtime_font),
        button  ("Add",    "加", 2760, 2040,  975, 615, runtime_font),
    }};
    // clang-format on
    const auto names_in_order = [](const FormDescription& f) {
        std::vector<std::string> names;
        for (const std::size_t i : reading_order(f)) names.push_back(f.controls[i].name);
        return names;
    };
    EXPECT_EQ(names_in_order(form), (std::vector<std::string>{"Name", "Value", "DieName", "Die", "Later", "Ok"}));
    EXPECT_EQ(names_in_order(sum), (std::vector<std::string>{"First", "Sign", "Second", "Add"}));
}

}  // namespace
}  // namespace rt
