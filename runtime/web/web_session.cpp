// SPDX-License-Identifier: MIT
#include "rt/web/web_session.h"

#include "rt/web/description_json.h"

namespace rt::web {

WebSession::WebSession(const FormDescription& description, const ModuleFactory& make_module, Page& page)
    : m_page(page), m_program(description, m_services, make_module) {
    m_program.form().set_view(this);
    m_page.show_window(form_json(m_program.form()));
}

WebSession::~WebSession() { m_program.form().set_view(nullptr); }

void WebSession::click(std::string_view button_name) {
    // Names come from the page's own elements; one it does not know is ignored, as a click
    // on nothing would be.
    for (const auto& control : m_program.form().controls())
        if (control->kind() == ControlKind::CommandButton && control->name() == button_name)
            m_clicked = m_program.run_click(static_cast<CommandButton&>(*control));
}

void WebSession::announce_click() {
    if (!m_clicked) return;
    m_clicked = false;
    if (const Text sentence = m_program.what_changed(); !sentence.empty()) m_page.announce(sentence);
}

void WebSession::typed(std::string_view text_box_name, Text text) {
    for (const auto& control : m_program.form().controls()) {
        if (control->kind() != ControlKind::TextBox || control->name() != text_box_name) continue;
        auto& box = static_cast<TextBox&>(*control);
        const std::size_t size = text.size();
        box.typed(std::move(text));
        // A script or an assistive tool can put more into the box than typing can; the box
        // keeps what the program keeps.
        if (box.Text().size() != size) control_changed(box, Property::Content);
    }
}

void WebSession::MsgBox(const Text& prompt, MsgBoxStyle style, const Text& title) {
    m_page.message_box(prompt, static_cast<int>(style), title);
}

Text WebSession::InputBox(const Text& prompt, const Text& title) { return m_page.input_box(prompt, title); }

void WebSession::control_changed(const Control& control, Property) {
    m_page.control_changed(control.name(), control_state_json(control));
}

void WebSession::printed_changed(PrintChange change) {
    if (change == PrintChange::Cleared) {
        m_lines_sent = 0;
        m_current_sent = 0;
        m_page.printed(true, Text());
        return;
    }
    // Between two Cls lines are only added, and only the line in progress grows: what the
    // page lacks is the rest of the line it has in part, the lines ended since, and the new
    // line's start. The cost follows what was added, not what was printed before.
    const PrintedText& printed = m_program.form().printed();
    const std::vector<Text>& ended = printed.ended_lines();
    Text added;
    for (; m_lines_sent < ended.size(); ++m_lines_sent, m_current_sent = 0) {
        added.append(ended[m_lines_sent], m_current_sent);
        added += '\n';
    }
    added.append(printed.current_line(), m_current_sent);
    m_current_sent = printed.current_line().size();
    m_page.printed(false, added);
}

}  // namespace rt::web
