// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QStringList>

#include "rt/description.h"

namespace rt::qt {

/// The installed families that stand for the Song-style face "宋体", in order of preference:
/// AR PL UMing CN (the face the project installs), SimSun, Noto Serif CJK SC.
QStringList song_families();

/// A described font as a Qt font: "宋体" as the first installed of the Song-style families, the
/// size in pixels at 96 dpi and the zoom in percent (15.75 points are 21 pixels at 100 %),
/// weight 400.
QFont qt_font(const Font& font, int zoom = 100);

}  // namespace rt::qt
