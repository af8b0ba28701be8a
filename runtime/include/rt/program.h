// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <memory>
#include <string_view>

#include "rt/click_dispatcher.h"
#include "rt/description.h"
#include "rt/form.h"
#include "rt/form_module.h"
#include "rt/services.h"

namespace rt {

using ModuleFactory = std::function<std::unique_ptr<FormModule>(ModuleContext&)>;

template <class Module>
ModuleFactory module_factory() {
    return [](ModuleContext& context) { return std::make_unique<Module>(context); };
}

/// A running program: its form built from the description, its form module with every button
/// bound, and the dispatcher that delivers clicks. Hosts create one and forward clicks to it.
class Program {
public:
    /// DescriptionError when the description is wrong, a control name is misspelt in the
    /// module, or a button has no handler.
    Program(const FormDescription& description, Services& services, const ModuleFactory& make_module);

    Form& form() { return m_form; }
    const Form& form() const { return m_form; }
    /// Runs the button's click to its end (dialogs closed) and returns what it changed, said as
    /// one sentence (rt/announcement.h); empty when nothing readable changed or the click was
    /// refused.
    Text click(const CommandButton& button);
    /// Clicks the named button; DescriptionError when there is no such button.
    Text click(std::string_view button_name);
    /// The click alone, for a host whose click runs on a stack it unwinds while a dialog waits
    /// (the web's): the sentence is built afterwards by what_changed(), off that stack, which
    /// keeps the code that can be unwound small. False when the click was refused.
    bool run_click(const CommandButton& button);
    /// What the last click that ran changed, as click() says it.
    Text what_changed() const;

private:
    Form m_form;
    ClickDispatcher m_clicks;
    ModuleContext m_context;
    std::unique_ptr<FormModule> m_module;
};

}  // namespace rt
