// SPDX-License-Identifier: MIT
#include "rt/qt/focus_ring.h"

#include <QPainter>

namespace rt::qt {

void draw_focus_ring(QWidget& widget) {
    if (!widget.hasFocus()) return;
    QPainter painter(&widget);
    const qreal half = kFocusRingWidth / 2.0;
    painter.setPen(QPen(kFocusRingColor, kFocusRingWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(widget.rect()).adjusted(half, half, -half, -half));
}

}  // namespace rt::qt
