#pragma once

#include <QFont>

#include "rt/description.h"

namespace rt::qt {

/// The installed family that stands for the Song-style face "宋体": the first of SimSun,
/// AR PL UMing CN and Noto Serif CJK SC that is installed; empty when none is.
QString song_family();

/// A described font as a Qt font: "宋体" resolved to the installed Song-style family, the size
/// in pixels at 96 dpi (15.75 points are 21 pixels), weight 400.
QFont qt_font(const Font& font);

}  // namespace rt::qt
