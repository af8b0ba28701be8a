// SPDX-License-Identifier: MIT
#include "rt/qt/zoom.h"

#include <QShortcut>
#include <algorithm>

namespace rt::qt {

int next_zoom_step(int zoom) {
    const auto next = std::upper_bound(kZoomSteps.begin(), kZoomSteps.end(), zoom);
    return next == kZoomSteps.end() ? zoom : *next;
}

int previous_zoom_step(int zoom) {
    const auto at = std::lower_bound(kZoomSteps.begin(), kZoomSteps.end(), zoom);
    return at == kZoomSteps.begin() ? zoom : *(at - 1);
}

void add_zoom_keys(QWidget& window, const std::function<void()>& zoom_in, const std::function<void()>& zoom_out,
                   const std::function<void()>& reset) {
    new QShortcut(QKeySequence::ZoomIn, &window, zoom_in);
    new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Equal), &window, zoom_in);
    new QShortcut(QKeySequence::ZoomOut, &window, zoom_out);
    new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_0), &window, reset);
}

}  // namespace rt::qt
