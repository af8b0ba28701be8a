// SPDX-License-Identifier: MIT
#include "rt/form_module.h"

namespace rt {

FormModule::FormModule(ModuleContext& context)
    : m_form(context.form), m_services(context.services), m_clicks(context.clicks) {}

void FormModule::MsgBox(const Text& prompt, MsgBoxStyle style, const Text& title) {
    m_services.dialogs.MsgBox(prompt, style, title);
}

Text FormModule::InputBox(const Text& prompt, const Text& title) { return m_services.dialogs.InputBox(prompt, title); }

void FormModule::Randomize(Float64 seed) { m_services.random.Randomize(seed); }
Float32 FormModule::RandomNext() { return m_services.random.RandomNext(); }
Float64 FormModule::time_of_day() { return m_services.clock.time_of_day(); }

void FormModule::Print(std::initializer_list<PrintItem> items, PrintEnd end) { m_form.Print(items, end); }
void FormModule::Cls() { m_form.Cls(); }

}  // namespace rt
