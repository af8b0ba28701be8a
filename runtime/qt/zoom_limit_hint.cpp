// SPDX-License-Identifier: MIT
#include "rt/qt/zoom_limit_hint.h"

#include <QAccessible>

#include "rt/qt/fonts.h"

namespace rt::qt {

namespace {

const QString kAtLargest = QStringLiteral("已是最大");
// A third larger than the dialogs' text, to be read from the back of a classroom.
const Font kHintFont = song(12);

}  // namespace

ZoomLimitHint::ZoomLimitHint(QWidget& window) : QLabel(kAtLargest, &window) {
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignCenter);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    // White on near-black reads over any of the windows' colours.
    setStyleSheet(QStringLiteral("background: #202020; color: white; border-radius: 4px;"));
    hide();
    m_hide.setSingleShot(true);
    connect(&m_hide, &QTimer::timeout, this, &QWidget::hide);
}

void ZoomLimitHint::show_at_zoom(int zoom) {
    setFont(qt_font(kHintFont, zoom));
    const QSize text_size = fontMetrics().size(0, text());
    const int padding = fontMetrics().height() / 2;
    const QSize size = text_size + QSize(4 * padding, 2 * padding);
    // At the top, centred, inside the window: seen wherever the window is on the screen.
    setGeometry((parentWidget()->width() - size.width()) / 2, padding, size.width(), size.height());
    raise();
    show();
    m_hide.start(kShownFor);
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

}  // namespace rt::qt
