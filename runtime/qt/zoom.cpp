// SPDX-License-Identifier: MIT
#include "rt/qt/zoom.h"

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

}  // namespace rt::qt
