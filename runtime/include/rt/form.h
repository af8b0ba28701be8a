// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "rt/change_record.h"
#include "rt/description.h"
#include "rt/printing.h"
#include "rt/text.h"

namespace rt {

class Control;
class Form;

/// The properties whose changes a host shows.
enum class Property { Content, Enabled, ForeColor };

/// How the printed text changed: a Print added to it, or Cls erased it.
enum class PrintChange { Printed, Cleared };

/// A host's view of a form: told of every change the program makes, as it is made.
class FormView {
public:
    virtual ~FormView() = default;
    virtual void control_changed(const Control& control, Property property) = 0;
    virtual void printed_changed(PrintChange change) = 0;
};

/// The most characters a text box holds when its description sets no limit.
inline constexpr int kTextBoxLimit = 32767;

/// A control of the form model: what its description gave it, and its current state.
class Control {
public:
    Control(const ControlDescription& description, int tab_index, Form& form);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    ControlKind kind() const { return m_description.kind; }
    const std::string& name() const { return m_description.name; }
    const ControlDescription& description() const { return m_description; }
    int tab_index() const { return m_tab_index; }
    /// The control's font: its own, or the runtime's default font.
    Font font() const { return m_description.font.value_or(default_font()); }

    /// The caption of a label or button, the text of a text box.
    const Text& content() const { return m_content; }
    bool enabled() const { return m_enabled; }
    Color fore_color() const { return m_fore_color; }

protected:
    /// Changes made by the program: the view is told.
    void set_content(Text content);
    void set_enabled(bool enabled);
    void set_fore_color(Color color);
    /// A change the view made itself (the user's typing): nobody is told.
    void replace_content(Text content) { m_content = std::move(content); }

private:
    ControlDescription m_description;
    int m_tab_index;
    Form& m_form;
    Text m_content;
    bool m_enabled;
    Color m_fore_color{0x000000};
};

class Label final : public Control {
public:
    using Control::Control;
    const Text& Caption() const { return content(); }
    void SetCaption(Text caption) { set_content(std::move(caption)); }
    Color ForeColor() const { return fore_color(); }
    void SetForeColor(Color color) { set_fore_color(color); }
};

class TextBox final : public Control {
public:
    using Control::Control;
    const rt::Text& Text() const { return content(); }
    /// Replaces the text, cut to the box's limit.
    void SetText(rt::Text text);
    /// The most characters the box holds.
    int max_length() const;
    /// The user's own edit, reported by the host: the host already shows it.
    void typed(rt::Text text);
};

class CommandButton final : public Control {
public:
    using Control::Control;
    const Text& Caption() const { return content(); }
    void SetCaption(Text caption) { set_content(std::move(caption)); }
    bool Enabled() const { return enabled(); }
    void SetEnabled(bool enabled) { set_enabled(enabled); }
};

/// The form model: the form's description, its controls in tab order and its printed text.
/// Built from a description at start-up, shown by one host view.
class Form {
public:
    /// Validates the description (DescriptionError) and creates its controls.
    explicit Form(const FormDescription& description);
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const FormDescription& description() const { return m_description; }
    const Text& Caption() const { return m_description.caption; }
    Font font() const { return m_description.font.value_or(default_font()); }
    const std::vector<std::unique_ptr<Control>>& controls() const { return m_controls; }

    /// The control of that name and kind; DescriptionError when there is none.
    template <class C>
    C& control(std::string_view name) {
        auto* found = dynamic_cast<C*>(&find(name));
        if (found == nullptr) throw DescriptionError(name_error(name, "is not a control of that kind"));
        return *found;
    }
    Control& find(std::string_view name) const;

    /// Prints the items at the print position.
    void Print(std::initializer_list<PrintItem> items = {}, PrintEnd end = PrintEnd::NewLine);
    /// Erases everything printed; the next Print starts at the top-left.
    void Cls();
    const PrintedText& printed() const { return m_printed; }

    void set_view(FormView* view) { m_view = view; }

    /// Starts recording what the program changes (at the start of a click).
    void start_change_record() { m_changes.restart(m_printed, m_controls.size()); }
    /// What the program changed since the record started.
    const ChangeRecord& changes() const { return m_changes; }

private:
    friend class Control;
    void notify(const Control& control, Property property);
    std::string name_error(std::string_view name, std::string_view problem) const;

    FormDescription m_description;
    std::vector<std::unique_ptr<Control>> m_controls;
    PrintedText m_printed;
    FormView* m_view = nullptr;
    ChangeRecord m_changes;
};

}  // namespace rt
