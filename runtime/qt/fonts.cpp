#include "fonts.h"

#include <QFontDatabase>

namespace rt::qt {

QString song_family() {
    static const QString family = [] {
        for (const char* candidate : {"SimSun", "AR PL UMing CN", "Noto Serif CJK SC"})
            if (QFontDatabase::hasFamily(QString::fromUtf8(candidate))) return QString::fromUtf8(candidate);
        return QString();
    }();
    return family;
}

QFont qt_font(const Font& font) {
    const QString face = QString::fromStdString(font.face);
    QFont result(face == QStringLiteral("宋体") ? song_family() : face);
    // Pixel sizes keep text in proportion to the twip geometry whatever the screen's DPI.
    result.setPixelSize(qRound(font.points * 96.0 / 72.0));
    result.setWeight(static_cast<QFont::Weight>(font.weight));
    return result;
}

}  // namespace rt::qt
