// SPDX-License-Identifier: MIT
#include "rt/qt/controls.h"

#include <QKeyEvent>

#include "rt/qt/focus_ring.h"

namespace rt::qt {

void PushButton::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (!event->isAutoRepeat()) click();
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void PushButton::paintEvent(QPaintEvent* event) {
    QPushButton::paintEvent(event);
    draw_focus_ring(*this);
}

void LineEdit::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    draw_focus_ring(*this);
}

}  // namespace rt::qt
