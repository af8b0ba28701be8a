// SPDX-License-Identifier: MIT
#include "rt/qt/focus_ring.h"

#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleOption>

namespace rt::qt {

namespace {

void draw_ring(QPainter& painter, const QRect& rect) {
    const qreal half = kFocusRingWidth / 2.0;
    painter.save();
    painter.setPen(QPen(kFocusRingColor, kFocusRingWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect).adjusted(half, half, -half, -half));
    painter.restore();
}

/// The application's style, with the ring drawn over a focused button or text box instead of
/// the style's faint focus frame.
class FocusRingStyle final : public QProxyStyle {
public:
    explicit FocusRingStyle(QObject* owner) { setParent(owner); }

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        if (element == PE_FrameFocusRect) return;
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        if (element == PE_PanelLineEdit && (option->state & State_HasFocus)) draw_ring(*painter, option->rect);
    }

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        QProxyStyle::drawControl(element, option, painter, widget);
        if (element == CE_PushButton && (option->state & State_HasFocus)) draw_ring(*painter, option->rect);
    }
};

QStyle* focus_ring_style() {
    // One for the application, made on first use and gone with it.
    auto* style = qApp->findChild<FocusRingStyle*>(QString(), Qt::FindDirectChildrenOnly);
    return style != nullptr ? style : new FocusRingStyle(qApp);
}

}  // namespace

void draw_focus_ring(QWidget& widget) {
    if (!widget.hasFocus()) return;
    QPainter painter(&widget);
    draw_ring(painter, widget.rect());
}

void use_focus_ring_inside(QWidget& dialog) {
    for (auto* button : dialog.findChildren<QPushButton*>()) button->setStyle(focus_ring_style());
    for (auto* entry : dialog.findChildren<QLineEdit*>()) entry->setStyle(focus_ring_style());
}

}  // namespace rt::qt
