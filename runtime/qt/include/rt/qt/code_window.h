// SPDX-License-Identifier: MIT
#pragma once

#include <QTabWidget>
#include <QWidget>
#include <string_view>
#include <vector>

#include "rt/code_view.h"
#include "rt/qt/code_text_view.h"

namespace rt::qt {

/// A program's own code in a window of its own, one tab per file, titled "代码 — " and the
/// program window's title. It belongs to the program window and closes with it; it is built,
/// text laid out and all, only when first opened.
///
/// Keys: Ctrl+plus, Ctrl+minus, Ctrl+0 and Ctrl+wheel zoom the code; Ctrl+C copies the
/// selected text.
class CodeWindow final : public QWidget {
public:
    CodeWindow(const CodeView& code, QWidget& program_window);

    /// Shows the window beside the program window where the screen has room, else over it.
    void show_beside_program();

    /// Marks the handler the button runs and brings it into view on its tab; screen readers
    /// are told "运行了 " and the handler's name.
    void mark_handler(std::string_view button);
    /// Marks the control's row in the window description, leaving the current tab as it is.
    void mark_control(std::string_view control);
    void clear_marks();

    QTabWidget* tabs() const { return m_tabs; }
    CodeTextView* view(std::size_t file) const { return m_views.at(file); }
    int zoom() const { return m_zoom; }
    void set_zoom(int zoom);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void name_for_screen_readers();

    const CodeView& m_code;
    QWidget& m_program_window;
    QTabWidget* m_tabs;
    std::vector<CodeTextView*> m_views;
    int m_zoom;
    int m_wheel_angle = 0;
};

}  // namespace rt::qt
