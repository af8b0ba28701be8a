// SPDX-License-Identifier: MIT
#include "rt/qt/code_window.h"

#include <QAccessible>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "rt/qt/zoom.h"

namespace rt::qt {

namespace {

QString qt_text(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// The window's size at 100 %: some 90 columns of code, and the program window's height or more.
constexpr int kWidth = 760;
constexpr int kMinimumHeight = 480;
// One notch of a mouse wheel, in eighths of a degree.
constexpr int kWheelNotch = 120;

}  // namespace

CodeWindow::CodeWindow(const CodeView& code, QWidget& program_window)
    : QWidget(&program_window, Qt::Window), m_code(code), m_program_window(program_window), m_tabs(new QTabWidget(this)),
      m_zoom(kDescribedZoom) {
    setWindowTitle(QStringLiteral("代码 — ") + program_window.windowTitle());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tabs);
    for (const SourceFile& file : code.files) {
        auto* view = new CodeTextView(file, m_tabs);
        view->viewport()->installEventFilter(this);
        m_views.push_back(view);
        m_tabs->addTab(view, qt_text(file.name));
    }
    connect(m_tabs, &QTabWidget::currentChanged, this, [this] { name_for_screen_readers(); });
    name_for_screen_readers();

    auto add = [this](const QKeySequence& keys, auto action) { new QShortcut(keys, this, action); };
    add(QKeySequence::ZoomIn, [this] { set_zoom(next_zoom_step(m_zoom)); });
    add(QKeySequence(Qt::CTRL | Qt::Key_Equal), [this] { set_zoom(next_zoom_step(m_zoom)); });
    add(QKeySequence::ZoomOut, [this] { set_zoom(previous_zoom_step(m_zoom)); });
    add(QKeySequence(Qt::CTRL | Qt::Key_0), [this] { set_zoom(kDescribedZoom); });
    resize(kWidth, std::max(kMinimumHeight, program_window.frameGeometry().height()));
}

// The window is named by the file on show ("代码：form1.cpp"), as its tab's text is.
void CodeWindow::name_for_screen_readers() {
    const int tab = m_tabs->currentIndex();
    if (tab >= 0) setAccessibleName(QStringLiteral("代码：") + m_tabs->tabText(tab));
}

void CodeWindow::show_beside_program() {
    const QRect program = m_program_window.frameGeometry();
    const QScreen* screen = m_program_window.screen();
    const QRect available = screen != nullptr ? screen->availableGeometry() : QRect();
    const QSize frame = frameGeometry().size() - geometry().size() + size();
    QPoint at = program.topLeft();  // over the program window when neither side has room
    if (program.right() + 1 + frame.width() <= available.right() + 1)
        at = QPoint(program.right() + 1, program.top());
    else if (program.left() - frame.width() >= available.left())
        at = QPoint(program.left() - frame.width(), program.top());
    if (!available.isEmpty()) at.setY(std::clamp(at.y(), available.top(), std::max(available.top(), available.bottom() + 1 - frame.height())));
    move(at);
    show();
    raise();
    activateWindow();
}

void CodeWindow::mark_handler(std::string_view button) {
    const HandlerCode* handler = handler_of(m_code, button);
    CodeTextView* view = m_views.at(kHandlersFile);
    view->set_mark(CodeTextView::Mark::Ran, handler != nullptr ? std::optional(handler->lines) : std::nullopt);
    if (handler == nullptr) return;
    m_tabs->setCurrentWidget(view);
    // Told once per click: a description the same as the last is announced again by its event.
    const QString ran = QStringLiteral("运行了 ") + qt_text(handler->handler);
    if (accessibleDescription() != ran) {
        setAccessibleDescription(ran);
    } else {
        QAccessibleEvent event(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&event);
    }
}

void CodeWindow::mark_control(std::string_view control) {
    const int row = row_of(m_code, control);
    m_views.at(kWindowFile)->set_mark(CodeTextView::Mark::Focus, row > 0 ? std::optional(LineRange{row, row}) : std::nullopt);
}

void CodeWindow::clear_marks() {
    for (CodeTextView* view : m_views) {
        view->set_mark(CodeTextView::Mark::Ran, std::nullopt);
        view->set_mark(CodeTextView::Mark::Focus, std::nullopt);
    }
}

void CodeWindow::set_zoom(int zoom) {
    m_zoom = zoom;
    for (CodeTextView* view : m_views) view->set_zoom(zoom);
}

// Ctrl+wheel zooms the code, as it zooms the program window.
bool CodeWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Wheel) return QWidget::eventFilter(watched, event);
    const auto& wheel = static_cast<QWheelEvent&>(*event);
    if (!(wheel.modifiers() & Qt::ControlModifier)) return false;
    m_wheel_angle += wheel.angleDelta().y();
    for (; m_wheel_angle >= kWheelNotch; m_wheel_angle -= kWheelNotch) set_zoom(next_zoom_step(m_zoom));
    for (; m_wheel_angle <= -kWheelNotch; m_wheel_angle += kWheelNotch) set_zoom(previous_zoom_step(m_zoom));
    return true;
}

// A closed view marks nothing; opened again it starts from the next click.
void CodeWindow::hideEvent(QHideEvent* event) {
    clear_marks();
    QWidget::hideEvent(event);
}

}  // namespace rt::qt
