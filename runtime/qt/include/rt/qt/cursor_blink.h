// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>

namespace rt::qt {

/// Text cursors blink only for five seconds (or `blinking_ms`) after the last key press or
/// click, as accessibility guidelines ask of blinking content; then they stay lit, and an idle
/// window has no timer running and repaints nothing. The next input starts the blinking again.
void stop_cursor_blinking_when_idle(QApplication& application, int blinking_ms = 5000);

}  // namespace rt::qt
