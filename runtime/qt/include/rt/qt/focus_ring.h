// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QWidget>

namespace rt::qt {

/// The focus indicator every focusable control draws inside its own edges while it has focus,
/// whether focus came by key or by mouse: a dark blue ring that stands out against the grey
/// buttons, white text boxes and every label colour the programs use (contrast 4:1 or more).
inline const QColor kFocusRingColor{0x00, 0x30, 0xA0};
/// Its width in device-independent pixels.
inline constexpr int kFocusRingWidth = 3;

/// Draws the ring over the widget when it has focus; call at the end of its paintEvent.
void draw_focus_ring(QWidget& widget);

/// Gives the buttons and text boxes inside a dialog the same ring in place of the style's own
/// focus frame, so that focus shows in the message and input boxes as in the windows. Call
/// once the dialog has its buttons and entry.
void use_focus_ring_inside(QWidget& dialog);

}  // namespace rt::qt
