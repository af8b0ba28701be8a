// SPDX-License-Identifier: MIT
#include "rt/form.h"

#include "rt/errors.h"

namespace rt {

namespace {

/// The first `most` characters of a text.
Text cut(Text text, int most) {
    std::size_t pos = 0;
    for (int count = 0; count < most && pos < text.size(); ++count) pos += char_size(text, pos);
    text.resize(pos);
    return text;
}

}  // namespace

Control::Control(const ControlDescription& description, int tab_index, Form& form)
    : m_description(description),
      m_tab_index(tab_index),
      m_form(form),
      m_content(description.caption),
      m_enabled(description.options.enabled) {}

void Control::set_content(Text content) {
    m_content = std::move(content);
    m_form.notify(*this, Property::Content);
}

void Control::set_enabled(bool enabled) {
    m_enabled = enabled;
    m_form.notify(*this, Property::Enabled);
}

void Control::set_fore_color(Color color) {
    m_fore_color = Color(color.bgr & 0xFFFFFF);
    m_form.notify(*this, Property::ForeColor);
}

int TextBox::max_length() const {
    const int limit = description().options.max_length;
    return limit == 0 ? kTextBoxLimit : limit;
}

void TextBox::SetText(rt::Text text) { set_content(cut(std::move(text), max_length())); }

void TextBox::typed(rt::Text text) { replace_content(cut(std::move(text), max_length())); }

Form::Form(const FormDescription& description) : m_description(description) {
    validate(m_description);
    int tab_index = 0;
    for (const ControlDescription& c : m_description.controls) {
        switch (c.kind) {
            case ControlKind::Label: m_controls.push_back(std::make_unique<Label>(c, tab_index, *this)); break;
            case ControlKind::TextBox: m_controls.push_back(std::make_unique<TextBox>(c, tab_index, *this)); break;
            case ControlKind::CommandButton:
                m_controls.push_back(std::make_unique<CommandButton>(c, tab_index, *this));
                break;
        }
        ++tab_index;
    }
    for (auto& control : m_controls)
        if (auto* box = dynamic_cast<TextBox*>(control.get())) box->typed(box->Text());
}

Control& Form::find(std::string_view name) const {
    for (const auto& control : m_controls)
        if (control->name() == name) return *control;
    throw DescriptionError(name_error(name, "is no control of the form"));
}

void Form::Print(std::initializer_list<PrintItem> items, PrintEnd end) {
    m_printed.print(items, end);
    if (m_view != nullptr) m_view->printed_changed(PrintChange::Printed);
}

void Form::Cls() {
    m_printed.clear();
    m_changes.printed_cleared();
    if (m_view != nullptr) m_view->printed_changed(PrintChange::Cleared);
}

void Form::notify(const Control& control, Property property) {
    if (property == Property::Content) m_changes.content_written(static_cast<std::size_t>(control.tab_index()));
    if (m_view != nullptr) m_view->control_changed(control, property);
}

std::string Form::name_error(std::string_view name, std::string_view problem) const {
    return m_description.name + "." + std::string(name) + " " + std::string(problem);
}

}  // namespace rt
