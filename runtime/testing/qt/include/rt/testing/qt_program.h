// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <gtest/gtest.h>
#include <QWidget>
#include <functional>
#include <string_view>

#include "rt/qt/form_window.h"
#include "rt/qt/qt_dialogs.h"
#include "rt/program.h"
#include "rt/testing/scripted_host.h"

namespace rt::testing {

/// A program in a real window (on Qt's offscreen platform in tests), with real dialogs. Random
/// values and the clock come from a scripted host, so a test can fix the dice.
class QtProgram {
public:
    QtProgram(const FormDescription& description, const ModuleFactory& make_module);
    template <class Module>
    static std::unique_ptr<QtProgram> of(const FormDescription& description) {
        return std::make_unique<QtProgram>(description, module_factory<Module>());
    }

    qt::FormWindow& window() { return m_window; }
    Form& form() { return m_program.form(); }
    ScriptedHost& host() { return m_host; }
    /// The widget of the named control; fails the test when there is none.
    template <class W>
    W* widget(std::string_view name) {
        auto* found = qobject_cast<W*>(m_window.widget_for(name));
        EXPECT_NE(found, nullptr) << "no widget of that kind for " << name;
        return found;
    }

private:
    ScriptedHost m_host;
    qt::QtDialogs m_dialogs;
    Services m_services{m_dialogs, m_host, m_host};
    Program m_program;
    qt::FormWindow m_window;
};

/// Answers the modal dialogs that the code run next opens, one action per dialog in order.
/// Each action gets the dialog; it must close it.
class DialogScript {
public:
    explicit DialogScript(std::vector<std::function<void(QWidget*)>> actions);
    /// True when every action has run.
    bool done() const { return m_next == m_actions.size(); }

private:
    void poll();

    std::vector<std::function<void(QWidget*)>> m_actions;
    std::size_t m_next = 0;
    QWidget* m_last = nullptr;
    QObject m_timers;  // the polling stops when the script is destroyed
};

/// Dialog actions: type a text and press 确定; press a button by its caption.
std::function<void(QWidget*)> type_and_accept(const QString& text);
std::function<void(QWidget*)> press(const QString& caption);
/// Reads the dialog before pressing its button.
std::function<void(QWidget*)> read_then_press(QStringList& texts, const QString& caption);

/// Every text a dialog shows: its title, then its labels' texts, then its buttons' captions.
QStringList dialog_texts(QWidget* dialog);

/// The accessible name screen readers get for a widget.
QString accessible_name(QWidget* widget);

/// Makes the window the active one, as a click on it would; false when it does not become so.
bool activate(QWidget& window);
/// Presses and releases a key on whatever has focus, as the keyboard does: shortcuts first.
void press_key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
/// Dialog action: types the text into the dialog's entry (Chinese characters as an input
/// method commits them) and presses Enter.
std::function<void(QWidget*)> type_and_press_enter(const QString& text);

}  // namespace rt::testing
