#pragma once

#include <QObject>
#include <QWidget>

namespace rt::qt {

/// For tests and benchmarks only: with RT_FIRST_FRAME_REPORT set, the first paint of the window
/// writes one line to standard output,
///     first-frame <CLOCK_MONOTONIC nanoseconds> <width>x<height> <title>
/// and with the value "quit" the program then ends. Unset, nothing is watched.
void report_first_frame(QWidget& window);

}  // namespace rt::qt
