// SPDX-License-Identifier: MIT
#include "rt/qt/print_surface.h"

#include <QAccessible>
#include <QClipboard>
#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>

#include "rt/qt/fonts.h"

namespace rt::qt {

PrintSurface::PrintSurface(const Form& form, QWidget* parent)
    : QWidget(parent), m_form(form), m_font(qt_font(form.font())) {
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    setFocusPolicy(Qt::NoFocus);
}

QString PrintSurface::printed_text() const { return QString::fromStdString(m_form.printed().text()); }

void PrintSurface::printed_changed() {
    update();
    if (m_name_change_pending) return;
    m_name_change_pending = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_name_change_pending = false;
            QAccessibleEvent event(this, QAccessible::NameChanged);
            QAccessible::updateAccessibility(&event);
        },
        Qt::QueuedConnection);
}

void PrintSurface::set_zoom(int zoom) {
    m_zoom = zoom;
    m_font = qt_font(m_form.font(), zoom);
    update();
}

void PrintSurface::copy() const {
    if (!m_form.printed().text().empty()) QGuiApplication::clipboard()->setText(printed_text());
}

QMenu* PrintSurface::create_context_menu() {
    auto* menu = new QMenu(this);
    menu->setFont(qt_font(default_font(), m_zoom));
    QAction* action = menu->addAction(QStringLiteral("复制"));
    action->setEnabled(!m_form.printed().text().empty());
    connect(action, &QAction::triggered, this, &PrintSurface::copy);
    return menu;
}

void PrintSurface::paintEvent(QPaintEvent* event) {
    // The window paints the background; with nothing printed there is nothing to add, and the
    // form's font need not even be loaded.
    const PrintedText& printed = m_form.printed();
    if (printed.ended_lines().empty() && printed.current_line().empty()) return;
    QPainter painter(this);
    painter.setFont(m_font);
    painter.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics metrics(m_font);
    const int line_height = metrics.height();
    const int bottom = event->rect().bottom();
    int top = 0;
    auto draw = [&](const Text& line) {
        if (top + line_height >= event->rect().top() && !line.empty())
            painter.drawText(0, top + metrics.ascent(), QString::fromStdString(line));
        top += line_height;
    };
    for (const Text& line : printed.ended_lines()) {
        if (top > bottom) return;
        draw(line);
    }
    if (top <= bottom) draw(printed.current_line());
}

}  // namespace rt::qt
