// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string_view>

#include "rt/program.h"
#include "rt/testing/scripted_host.h"

namespace rt::testing {

/// A program run by a test instead of a user: click buttons by name, type into text boxes,
/// queue dialog answers, and read back everything the window shows.
class ScriptedProgram {
public:
    ScriptedProgram(const FormDescription& description, const ModuleFactory& make_module);
    ScriptedProgram(const ScriptedProgram&) = delete;
    ScriptedProgram& operator=(const ScriptedProgram&) = delete;
    template <class Module>
    static ScriptedProgram of(const FormDescription& description) {
        return ScriptedProgram(description, module_factory<Module>());
    }

    ScriptedHost& host() { return m_host; }
    Program& program() { return *m_program; }
    Form& form() { return m_program->form(); }

    /// Clicks a button as the user would: nothing happens while it is disabled.
    void click(std::string_view button);
    /// What the last click announced to screen readers (empty for none).
    const Text& announced() const { return m_announced; }
    /// Types into a text box as the user would (replacing its text).
    void type(std::string_view text_box, const Text& text);
    /// Queues an InputBox answer, or a Cancel.
    void answer(const Text& text) { m_host.answer(text); }
    void cancel() { m_host.answer(std::nullopt); }

    const Text& caption(std::string_view name) { return form().find(name).content(); }
    const Text& text(std::string_view name) { return form().control<TextBox>(name).Text(); }
    bool enabled(std::string_view name) { return form().control<CommandButton>(name).Enabled(); }
    Color fore_color(std::string_view name) { return form().find(name).fore_color(); }
    Text printed() { return form().printed().text(); }
    const std::vector<ShownDialog>& dialogs() { return m_host.dialogs(); }

private:
    ScriptedHost m_host;
    Services m_services{m_host, m_host, m_host};
    std::unique_ptr<Program> m_program;
    Text m_announced;
};

/// The MsgBox a program shows for bad input: style 16, title "错误".
ShownDialog error_box(const Text& prompt);
/// The runtime's report of an unhandled error.
ShownDialog runtime_error_box(ErrorKind kind);
/// An InputBox as it was shown.
ShownDialog input_box(const Text& prompt, const Text& title);

}  // namespace rt::testing
