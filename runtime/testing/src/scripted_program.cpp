// SPDX-License-Identifier: MIT
#include "rt/testing/scripted_program.h"

namespace rt::testing {

ScriptedProgram::ScriptedProgram(const FormDescription& description, const ModuleFactory& make_module)
    : m_program(std::make_unique<Program>(description, m_services, make_module)) {
    form().set_view(&m_host);
}

void ScriptedProgram::click(std::string_view button) { m_announced = m_program->click(button); }

void ScriptedProgram::type(std::string_view text_box, const Text& text) {
    form().control<TextBox>(text_box).typed(text);
}

ShownDialog error_box(const Text& prompt) {
    return {ShownDialog::Kind::MsgBox, prompt, "错误", MsgBoxStyle::Critical};
}

ShownDialog runtime_error_box(ErrorKind kind) {
    return {ShownDialog::Kind::MsgBox, error_prompt(kind), "运行时错误", MsgBoxStyle::Critical};
}

ShownDialog input_box(const Text& prompt, const Text& title) {
    return {ShownDialog::Kind::InputBox, prompt, title, std::nullopt};
}

}  // namespace rt::testing
