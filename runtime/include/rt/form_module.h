// SPDX-License-Identifier: MIT
#pragma once

#include <initializer_list>
#include <string_view>

#include "rt/click_dispatcher.h"
#include "rt/form.h"
#include "rt/services.h"

namespace rt {

/// What a form module is built with: its form, the host's services and the click table.
struct ModuleContext {
    Form& form;
    Services& services;
    ClickDispatcher& clicks;
};

/// The base of every program's Form1: its controls looked up by name, its Click bindings, and
/// the runtime operations its handlers call by their own names (MsgBox, Print, RandomNext...).
class FormModule {
public:
    virtual ~FormModule() = default;
    FormModule(const FormModule&) = delete;
    FormModule& operator=(const FormModule&) = delete;

protected:
    explicit FormModule(ModuleContext& context);

    /// The named control; a misspelt name fails at start-up with DescriptionError.
    Label& label(std::string_view name) { return m_form.control<Label>(name); }
    TextBox& text_box(std::string_view name) { return m_form.control<TextBox>(name); }
    CommandButton& button(std::string_view name) { return m_form.control<CommandButton>(name); }

    /// Binds a button's Click event to a handler of the module.
    template <class Module>
    void on_click(const CommandButton& source, void (Module::*handler)()) {
        auto* module = static_cast<Module*>(this);
        m_clicks.bind(source, [module, handler] { (module->*handler)(); });
    }

    void MsgBox(const Text& prompt, MsgBoxStyle style, const Text& title);
    Text InputBox(const Text& prompt, const Text& title);
    void Randomize(Float64 seed);
    Float32 RandomNext();
    Float64 time_of_day();

    /// Prints on this form.
    void Print(std::initializer_list<PrintItem> items = {}, PrintEnd end = PrintEnd::NewLine);
    void Cls();

    /// The program-wide reference to the form's default instance; a running program has one
    /// window, so it designates the form the handlers run on.
    Form& DefaultInstance() { return m_form; }

private:
    Form& m_form;
    Services& m_services;
    ClickDispatcher& m_clicks;
};

}  // namespace rt
