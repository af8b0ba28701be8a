// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <map>
#include <string>

#include "rt/form.h"
#include "rt/services.h"

namespace rt {

/// Delivers clicks to the handlers bound to the buttons: one click at a time, nothing from a
/// disabled button. A runtime error ends the running handler; the steps it had done stay done,
/// the error is reported in a "运行时错误" box and the program goes on.
class ClickDispatcher {
public:
    explicit ClickDispatcher(Dialogs& report_to) : m_dialogs(report_to) {}

    /// Binds a button's Click; DescriptionError when the button already has a handler.
    void bind(const CommandButton& button, std::function<void()> handler);
    /// DescriptionError naming the first button of the form without a handler.
    void check_every_button_bound(const Form& form) const;

    /// Runs the button's handler to completion, unless the button is disabled or another
    /// handler is still running (waiting in a modal dialog).
    void click(const CommandButton& button);
    /// Whether a handler is running (or waiting in a dialog): clicks are refused meanwhile.
    bool busy() const { return m_busy; }

private:
    Dialogs& m_dialogs;
    std::map<std::string, std::function<void()>, std::less<>> m_handlers;
    bool m_busy = false;
};

}  // namespace rt
