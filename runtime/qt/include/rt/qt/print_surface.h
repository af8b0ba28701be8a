// SPDX-License-Identifier: MIT
#pragma once

#include <QMenu>
#include <QWidget>

#include "rt/form.h"

namespace rt::qt {

/// The form's printing area: covers the client area under the controls and paints the printed
/// lines from the top-left in the form's font. Screen readers see it as one read-only object
/// whose name is the printed text.
class PrintSurface final : public QWidget {
public:
    PrintSurface(const Form& form, QWidget* parent);

    /// The printed text as screen readers get it: each ended line followed by "\n".
    QString printed_text() const;
    /// Repaints and tells screen readers, once per turn of the event loop however many
    /// Prints a handler makes.
    void printed_changed();

    /// Prints at the zoom, in percent of the form's font size.
    void set_zoom(int zoom);

    /// Puts the printed text, as screen readers get it, on the clipboard; with nothing printed
    /// the clipboard keeps what it has.
    void copy() const;
    /// The context menu of the printing area, at the zoom: "复制" copies. Its window opens it, on a
    /// right click here too, and adds its own entries.
    QMenu* create_context_menu();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const Form& m_form;
    QFont m_font;
    int m_zoom = 100;
    bool m_name_change_pending = false;
};

}  // namespace rt::qt
