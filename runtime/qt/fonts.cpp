// SPDX-License-Identifier: MIT
#include "rt/qt/fonts.h"

#include <algorithm>

namespace rt::qt {

QStringList song_families() {
    return {QStringLiteral("AR PL UMing CN"), QStringLiteral("SimSun"), QStringLiteral("Noto Serif CJK SC")};
}

QFont qt_font(const Font& font, int zoom) {
    QFont result;
    // Qt takes the first of the families that is installed when it first draws with the font.
    // Asking the font database beforehand would cost as much as the rest of the start-up.
    if (font.face == "宋体")
        result.setFamilies(song_families());
    else
        result.setFamily(QString::fromStdString(font.face));
    // Pixel sizes keep text in proportion to the twip geometry whatever the screen's DPI.
    result.setPixelSize(std::max(1, qRound(font.points * 96.0 / 72.0 * zoom / 100.0)));
    result.setWeight(static_cast<QFont::Weight>(font.weight));
    return result;
}

}  // namespace rt::qt
