// SPDX-License-Identifier: MIT
#include "rt/click_dispatcher.h"

#include <new>
#include <optional>

namespace rt {

namespace {

/// Clears the busy flag however the handler ends.
class BusyGuard {
public:
    explicit BusyGuard(bool& busy) : m_busy(busy) { m_busy = true; }
    ~BusyGuard() { m_busy = false; }
    BusyGuard(const BusyGuard&) = delete;
    BusyGuard& operator=(const BusyGuard&) = delete;

private:
    bool& m_busy;
};

constexpr const char* kReportTitle = "运行时错误";

}  // namespace

void ClickDispatcher::bind(const CommandButton& button, std::function<void()> handler) {
    if (!m_handlers.emplace(button.name(), std::move(handler)).second)
        throw DescriptionError(button.name() + " has two Click handlers");
}

void ClickDispatcher::check_every_button_bound(const Form& form) const {
    for (const auto& control : form.controls())
        if (control->kind() == ControlKind::CommandButton && !m_handlers.contains(control->name()))
            throw DescriptionError(form.description().name + "." + control->name() + " has no Click handler");
}

void ClickDispatcher::click(const CommandButton& button) {
    if (m_busy || !button.Enabled()) return;
    const auto handler = m_handlers.find(button.name());
    if (handler == m_handlers.end()) return;
    std::optional<ErrorKind> error;
    {
        BusyGuard guard(m_busy);
        try {
            handler->second();
        } catch (const RuntimeError& e) {
            error = e.kind();
        } catch (const std::bad_alloc&) {
            error = ErrorKind::OutOfMemory;
        }
    }
    // The report is a modal box of its own, shown after the handler has ended.
    if (error) {
        BusyGuard guard(m_busy);
        m_dialogs.MsgBox(error_prompt(*error), MsgBoxStyle::Critical, kReportTitle);
    }
}

}  // namespace rt
