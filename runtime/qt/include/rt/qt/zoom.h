// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>
#include <array>
#include <functional>

namespace rt::qt {

/// The zoom steps of a form window, in percent of its described size.
inline constexpr std::array<int, 13> kZoomSteps{50, 67, 75, 80, 90, 100, 110, 125, 150, 175, 200, 250, 300};
/// The described size, and the zoom every window starts at.
inline constexpr int kDescribedZoom = 100;

/// Pixels at 96 dpi for a length in twips at the zoom, to nearest: 15 twips to the pixel at
/// 100 %.
constexpr int pixels(int twips, int zoom = kDescribedZoom) { return (twips * zoom + 750) / 1500; }

/// The step after (or before) the given zoom; the zoom itself at the last (or first) step.
int next_zoom_step(int zoom);
int previous_zoom_step(int zoom);

/// Gives the window the zoom keys every window has: Ctrl+plus (and Ctrl+= for the unshifted
/// plus key) zooms in, Ctrl+minus out, Ctrl+0 back to the described size.
void add_zoom_keys(QWidget& window, const std::function<void()>& zoom_in, const std::function<void()>& zoom_out,
                   const std::function<void()>& reset);

}  // namespace rt::qt
