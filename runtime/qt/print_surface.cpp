#include "print_surface.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>

#include "fonts.h"

namespace rt::qt {

namespace {

class PrintSurfaceAccessible final : public QAccessibleWidget {
public:
    explicit PrintSurfaceAccessible(PrintSurface* surface) : QAccessibleWidget(surface, QAccessible::StaticText) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) return static_cast<const PrintSurface*>(widget())->printed_text();
        return QAccessibleWidget::text(kind);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        return state;
    }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
};

QAccessibleInterface* make_accessible(const QString&, QObject* object) {
    if (auto* surface = dynamic_cast<PrintSurface*>(object)) return new PrintSurfaceAccessible(surface);
    return nullptr;
}

}  // namespace

PrintSurface::PrintSurface(const Form& form, QWidget* parent)
    : QWidget(parent), m_form(form), m_font(qt_font(form.font())) {
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    setFocusPolicy(Qt::NoFocus);
}

void PrintSurface::install_accessibility() { QAccessible::installFactory(make_accessible); }

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

QMenu* PrintSurface::create_context_menu() {
    auto* menu = new QMenu(this);
    QAction* copy = menu->addAction(QStringLiteral("复制"));
    copy->setEnabled(!m_form.printed().text().empty());
    connect(copy, &QAction::triggered, this, [this] { QGuiApplication::clipboard()->setText(printed_text()); });
    return menu;
}

void PrintSurface::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = create_context_menu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
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
