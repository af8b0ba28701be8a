// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "rt/program.h"
#include "rt/random.h"

namespace rt::web {

/// What the page does for a running program: draw its window, mirror its changes, show its
/// dialogs and wait for them, and tell the time of day. Implemented in JavaScript.
class Page {
public:
    virtual ~Page() = default;
    virtual void show_window(const std::string& form_json) = 0;
    virtual void control_changed(const std::string& name, const std::string& state_json) = 0;
    /// Cls (cleared) or text appended to what is printed.
    virtual void printed(bool cleared, const Text& appended) = 0;
    virtual void message_box(const Text& prompt, int style, const Text& title) = 0;
    virtual Text input_box(const Text& prompt, const Text& title) = 0;
    virtual double time_of_day() = 0;
    /// Says what a click changed through the page's live region.
    virtual void announce(const Text& sentence) = 0;
};

/// One program running in the page: its model, and the host services that forward to the page.
/// Printed text goes to the page as what was added, never re-sent whole.
class WebSession final : public Dialogs, public Clock, public FormView {
public:
    WebSession(const FormDescription& description, const ModuleFactory& make_module, Page& page);
    ~WebSession() override;
    WebSession(const WebSession&) = delete;
    WebSession& operator=(const WebSession&) = delete;

    /// Runs a click of the named button. It may wait in a dialog: the page calls back when it
    /// has finished, and then announce_click() says what it changed.
    void click(std::string_view button_name);
    void announce_click();
    void typed(std::string_view text_box_name, Text text);

    void MsgBox(const Text& prompt, MsgBoxStyle style, const Text& title) override;
    Text InputBox(const Text& prompt, const Text& title) override;
    Float64 time_of_day() override { return m_page.time_of_day(); }
    void control_changed(const Control& control, Property property) override;
    void printed_changed(PrintChange change) override;

private:
    Page& m_page;
    Generator m_random;
    Services m_services{*this, m_random, *this};
    Program m_program;
    bool m_clicked = false;  // a click ran and its sentence is not yet said
    // What the page already has of the printed text: its first m_lines_sent ended lines, and
    // m_current_sent bytes of the line after them.
    std::size_t m_lines_sent = 0;
    std::size_t m_current_sent = 0;
};

}  // namespace rt::web
