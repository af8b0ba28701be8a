// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

namespace rt::qt {

/// For tests and benchmarks only, read once at start-up. With RT_FIRST_FRAME_REPORT set, the
/// first paint of the window writes one line to standard output,
///     first-frame <CLOCK_MONOTONIC ns> <process CPU ns> <peak RSS KiB> <width>x<height> <title>
/// With the value "quit" the program then ends; with "watch" every later paint of any widget
/// writes a line "paint <class>", so that a benchmark sees repaints while nothing happens.
/// Unset, nothing is watched.
void report_first_frame(QWidget& window);

}  // namespace rt::qt
