// SPDX-License-Identifier: MIT
#include "rt/program.h"

namespace rt {

Program::Program(const FormDescription& description, Services& services, const ModuleFactory& make_module)
    : m_form(description),
      m_clicks(services.dialogs),
      m_context{m_form, services, m_clicks},
      m_module(make_module(m_context)) {
    m_clicks.check_every_button_bound(m_form);
}

void Program::click(std::string_view button_name) { click(m_form.control<CommandButton>(button_name)); }

}  // namespace rt
