// SPDX-License-Identifier: MIT
#include "rt/program.h"

#include "rt/announcement.h"

namespace rt {

Program::Program(const FormDescription& description, Services& services, const ModuleFactory& make_module)
    : m_form(description),
      m_clicks(services.dialogs),
      m_context{m_form, services, m_clicks},
      m_module(make_module(m_context)) {
    m_clicks.check_every_button_bound(m_form);
}

Text Program::click(const CommandButton& button) { return run_click(button) ? what_changed() : Text{}; }

bool Program::run_click(const CommandButton& button) {
    // A click refused while another waits in a dialog leaves that click's record alone.
    if (m_clicks.busy()) return false;
    m_form.start_change_record();
    m_clicks.click(button);
    return true;
}

Text Program::what_changed() const { return announcement(m_form); }

Text Program::click(std::string_view button_name) { return click(m_form.control<CommandButton>(button_name)); }

}  // namespace rt
