// SPDX-License-Identifier: MIT
#pragma once

#include <QPointer>
#include <QWidget>
#include <map>
#include <vector>

#include "rt/code_view.h"
#include "rt/qt/print_surface.h"
#include "rt/program.h"
#include "rt/qt/zoom.h"

namespace rt::qt {

class CodeWindow;
class ZoomLimitHint;

/// A form shown as a real window: one widget per control at its place, the printing area under
/// them, every change the program makes mirrored at once, and every click forwarded.
///
/// Keys: Enter or Space presses the focused button; Ctrl+C copies the printed text when no
/// text box has focus; Shift+F10 or the Menu key opens the context menu; F2 opens the code;
/// Ctrl+plus, Ctrl+minus, Ctrl+0 and Ctrl+wheel zoom the whole window.
class FormWindow final : public QWidget, public FormView {
public:
    explicit FormWindow(Program& program);
    ~FormWindow() override;

    /// The widget that shows the named control (tests look at it).
    QWidget* widget_for(std::string_view name) const;
    PrintSurface* print_surface() const { return m_surface; }

    /// The program's own code, which 代码 (in the context menu, and F2) shows; none by default.
    void set_code(const CodeView* code) { m_code = code; }
    /// Opens the code window beside this one, building it the first time.
    void show_code();
    /// The window's context menu: the printing area's, and 代码 when the window has code.
    QMenu* create_context_menu();
    /// The code window; nullptr until the code is first shown.
    CodeWindow* code_window() const { return m_code_window; }

    /// "已是最大" after a zoom key that could not grow the window; nullptr until first needed.
    ZoomLimitHint* zoom_limit_hint() const { return m_zoom_limit_hint; }

    /// The zoom in percent; 100 is the described size.
    int zoom() const { return m_zoom; }
    /// Lays the window out again at the zoom, one of kZoomSteps, and keeps it on its screen.
    void set_zoom(int zoom);

    void control_changed(const Control& control, Property property) override;
    void printed_changed(PrintChange) override { m_surface->printed_changed(); }

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    CodeWindow* shown_code_window() const;
    QWidget* create_widget(Control& control);
    void describe_for_screen_readers();
    void add_shortcuts();
    void click(CommandButton& button);
    void announce(const Text& sentence);
    void focus_next_enabled_after(QWidget* control);
    void zoom_in();
    bool wheel_zooms(const QWheelEvent& event);
    bool fits_screen(int zoom) const;
    void keep_on_screen();

    Program& m_program;
    PrintSurface* m_surface;
    std::map<const Control*, QWidget*> m_widgets;
    std::vector<QWidget*> m_tab_order;  // the widgets that take focus, in the description's order
    int m_zoom = kDescribedZoom;
    int m_wheel_angle = 0;  // wheel turns not yet a whole notch
    const CodeView* m_code = nullptr;
    CodeWindow* m_code_window = nullptr;
    QPointer<QWidget> m_announced_on;  // the widget whose description holds the last sentence
    ZoomLimitHint* m_zoom_limit_hint = nullptr;
};

}  // namespace rt::qt
