// SPDX-License-Identifier: MIT
#include "rt/qt/form_window.h"

#include <QAccessible>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QResizeEvent>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>
#include <QWheelEvent>
#include <algorithm>

#include "rt/qt/code_window.h"
#include "rt/qt/controls.h"
#include "rt/qt/fonts.h"
#include "rt/qt/zoom_limit_hint.h"

namespace rt::qt {

namespace {

QColor qt_color(Color color) { return QColor(color.red(), color.green(), color.blue()); }

QString qt_text(const Text& text) { return QString::fromStdString(text); }

Qt::Alignment qt_alignment(Alignment alignment) {
    switch (alignment) {
        case Alignment::Left: return Qt::AlignLeft;
        case Alignment::Center: return Qt::AlignHCenter;
        case Alignment::Right: return Qt::AlignRight;
    }
    return Qt::AlignLeft;
}

void set_palette_color(QWidget* widget, QPalette::ColorRole role, Color color) {
    QPalette palette = widget->palette();
    palette.setColor(role, qt_color(color));
    widget->setPalette(palette);
}

// One notch of a mouse wheel, in eighths of a degree.
constexpr int kWheelNotch = 120;

// A menu opened from the keyboard starts on its first item that can be chosen, so that a
// screen reader speaks it at once and Enter chooses it; a menu opened by the mouse starts on
// none, as menus do.
void open_menu(QMenu* menu, const QContextMenuEvent& event) {
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event.globalPos());
    if (event.reason() != QContextMenuEvent::Keyboard) return;
    for (QAction* action : menu->actions())
        if (action->isEnabled() && !action->isSeparator() && action->isVisible()) {
            menu->setActiveAction(action);
            return;
        }
}

}  // namespace

FormWindow::FormWindow(Program& program) : m_program(program), m_surface(new PrintSurface(program.form(), this)) {
    const Form& form = program.form();
    setWindowTitle(qt_text(form.Caption()));
    m_surface->installEventFilter(this);
    for (const auto& control : form.controls()) {
        QWidget* widget = create_widget(*control);
        widget->setEnabled(control->enabled());
        m_widgets.emplace(control.get(), widget);
        widget->installEventFilter(this);
        if (widget->focusPolicy() == Qt::NoFocus) continue;
        if (!m_tab_order.empty()) setTabOrder(m_tab_order.back(), widget);
        m_tab_order.push_back(widget);
    }
    set_zoom(kDescribedZoom);
    describe_for_screen_readers();
    add_shortcuts();
    // Focus shows from the first frame, on the first control that takes it.
    const auto first = std::find_if(m_tab_order.begin(), m_tab_order.end(), [](QWidget* w) { return w->isEnabled(); });
    if (first != m_tab_order.end()) (*first)->setFocus(Qt::TabFocusReason);
    program.form().set_view(this);
}

FormWindow::~FormWindow() { m_program.form().set_view(nullptr); }

QWidget* FormWindow::create_widget(Control& control) {
    switch (control.kind()) {
        case ControlKind::Label: {
            auto* label = new QLabel(qt_text(control.content()), this);
            label->setTextFormat(Qt::PlainText);
            label->setWordWrap(true);
            label->setAlignment(qt_alignment(control.description().options.alignment) | Qt::AlignTop);
            // Labels are opaque, in their own colour or the form's, over anything printed.
            label->setAutoFillBackground(true);
            if (const auto back = control.description().options.back_color)
                set_palette_color(label, QPalette::Window, *back);
            return label;
        }
        case ControlKind::TextBox: {
            auto& box = static_cast<TextBox&>(control);
            auto* edit = new LineEdit(qt_text(box.Text()), this);
            edit->setMaxLength(box.max_length());
            connect(edit, &QLineEdit::textChanged, this,
                    [&box](const QString& text) { box.typed(text.toStdString()); });
            return edit;
        }
        case ControlKind::CommandButton: {
            auto& source = static_cast<CommandButton&>(control);
            auto* button = new PushButton(qt_text(source.Caption()), this);
            button->setAutoDefault(false);
            connect(button, &QPushButton::clicked, this, [this, &source] { click(source); });
            return button;
        }
    }
    return nullptr;
}

// Screen readers read a control with the label the description names for it ("当前筹码 50"),
// and a text box without one by its own short name.
void FormWindow::describe_for_screen_readers() {
    for (const auto& [control, widget] : m_widgets) {
        const ControlOptions& options = control->description().options;
        if (!options.labelled_by.empty()) static_cast<QLabel*>(widget_for(options.labelled_by))->setBuddy(widget);
        if (!options.accessible_name.empty()) widget->setAccessibleName(qt_text(options.accessible_name));
    }
}

void FormWindow::add_shortcuts() {
    auto add = [this](const QKeySequence& keys, auto action) { new QShortcut(keys, this, action); };
    add_zoom_keys(
        *this, [this] { zoom_in(); }, [this] { set_zoom(previous_zoom_step(m_zoom)); },
        [this] { set_zoom(kDescribedZoom); });
    // A text box takes Ctrl+C for itself before the shortcut sees it.
    add(QKeySequence::Copy, [this] { m_surface->copy(); });
    // F2: no browser or common desktop takes it, and a text box leaves it alone.
    add(QKeySequence(Qt::Key_F2), [this] { show_code(); });
    // The Menu key reaches the focused control as a context menu event from the platform;
    // Shift+F10 does the same here.
    add(QKeySequence(Qt::SHIFT | Qt::Key_F10), [this] {
        QWidget* target = focusWidget() != nullptr ? focusWidget() : this;
        const QPoint centre = target->rect().center();
        QContextMenuEvent event(QContextMenuEvent::Keyboard, centre, target->mapToGlobal(centre));
        QApplication::sendEvent(target, &event);
    });
}

void FormWindow::click(CommandButton& button) {
    const QPointer<QWidget> focused = focusWidget();
    // The handler starts now (a disabled button runs none); the mark stays while it runs.
    if (CodeWindow* code = shown_code_window(); code != nullptr && button.Enabled()) code->mark_handler(button.name());
    const Text sentence = m_program.click(button);
    if (focused != nullptr && !focused->isEnabled()) focus_next_enabled_after(focused);
    announce(sentence);
}

// Qt has no announcement event, and its bridge shows readers no live regions; readers do speak
// a change of the focused object's description. So the sentence becomes the description of the
// control with focus (or of the window), until focus leaves it.
void FormWindow::announce(const Text& sentence) {
    if (sentence.empty()) return;
    QWidget* target = focusWidget() != nullptr ? focusWidget() : this;
    if (m_announced_on != nullptr && m_announced_on != target) m_announced_on->setAccessibleDescription(QString());
    m_announced_on = target;
    const QString text = qt_text(sentence);
    // Setting a new description sends its event; the same sentence again is sent by hand.
    if (target->accessibleDescription() != text) {
        target->setAccessibleDescription(text);
    } else {
        QAccessibleEvent event(target, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&event);
    }
}

// A handler that switches off the control with focus leaves focus on the next control that
// is on once it has finished (wrapping around), so the keyboard can carry on; with none on,
// the window keeps focus.
void FormWindow::focus_next_enabled_after(QWidget* control) {
    const auto at = std::find(m_tab_order.begin(), m_tab_order.end(), control);
    if (at == m_tab_order.end()) return;
    const std::size_t start = static_cast<std::size_t>(at - m_tab_order.begin());
    for (std::size_t step = 1; step < m_tab_order.size(); ++step) {
        QWidget* next = m_tab_order[(start + step) % m_tab_order.size()];
        if (next->isEnabled()) {
            next->setFocus(Qt::TabFocusReason);
            return;
        }
    }
    setFocus(Qt::OtherFocusReason);
}

QWidget* FormWindow::widget_for(std::string_view name) const {
    for (const auto& [control, widget] : m_widgets)
        if (control->name() == name) return widget;
    return nullptr;
}

void FormWindow::set_zoom(int zoom) {
    m_zoom = zoom;
    const FormDescription& form = m_program.form().description();
    resize(pixels(form.width, zoom), pixels(form.height, zoom));
    for (const auto& [control, widget] : m_widgets) {
        const ControlDescription& d = control->description();
        widget->setGeometry(pixels(d.left, zoom), pixels(d.top, zoom), pixels(d.width, zoom), pixels(d.height, zoom));
        widget->setFont(qt_font(control->font(), zoom));
    }
    m_surface->setGeometry(rect());
    m_surface->set_zoom(zoom);
    if (m_zoom_limit_hint != nullptr) m_zoom_limit_hint->hide();  // it spoke of the zoom before
    keep_on_screen();
}

// Zooming in stops at the largest step whose window still fits the screen, and says so.
void FormWindow::zoom_in() {
    const int next = next_zoom_step(m_zoom);
    if (next != m_zoom && fits_screen(next)) {
        set_zoom(next);
        return;
    }
    if (m_zoom_limit_hint == nullptr) m_zoom_limit_hint = new ZoomLimitHint(*this);
    m_zoom_limit_hint->show_at_zoom(m_zoom);
}

bool FormWindow::fits_screen(int zoom) const {
    const QScreen* screen = this->screen();
    if (screen == nullptr) return true;
    const FormDescription& form = m_program.form().description();
    const QSize frame = frameGeometry().size() - size();
    const QSize needed = QSize(pixels(form.width, zoom), pixels(form.height, zoom)) + frame;
    const QSize available = screen->availableGeometry().size();
    return needed.width() <= available.width() && needed.height() <= available.height();
}

void FormWindow::keep_on_screen() {
    const QScreen* screen = this->screen();
    if (!isVisible() || screen == nullptr) return;
    const QRect available = screen->availableGeometry();
    const QRect frame(frameGeometry().topLeft(), size() + (frameGeometry().size() - geometry().size()));
    const int x = std::clamp(frame.left(), available.left(), std::max(available.left(), available.right() + 1 - frame.width()));
    const int y = std::clamp(frame.top(), available.top(), std::max(available.top(), available.bottom() + 1 - frame.height()));
    if (QPoint(x, y) != frame.topLeft()) move(x, y);
}

void FormWindow::control_changed(const Control& control, Property property) {
    QWidget* widget = m_widgets.at(&control);
    switch (property) {
        case Property::Content:
            if (auto* label = qobject_cast<QLabel*>(widget)) label->setText(qt_text(control.content()));
            if (auto* button = qobject_cast<QPushButton*>(widget)) button->setText(qt_text(control.content()));
            if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
                const QSignalBlocker quiet(edit);
                edit->setText(qt_text(control.content()));
            }
            break;
        case Property::Enabled: widget->setEnabled(control.enabled()); break;
        case Property::ForeColor: set_palette_color(widget, QPalette::WindowText, control.fore_color()); break;
    }
}

void FormWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_surface->setGeometry(rect());
}

// Ctrl+wheel zooms wherever on the window the pointer is, before any control sees the wheel.
bool FormWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Wheel && wheel_zooms(static_cast<QWheelEvent&>(*event))) return true;
    // A sentence stays only while its control has focus: coming back later, it would be stale.
    if (event->type() == QEvent::FocusOut && watched == m_announced_on) {
        m_announced_on->setAccessibleDescription(QString());
        m_announced_on = nullptr;
    }
    // A text box's own menu, opened from the keyboard, starts on its first item as the window's does.
    if (auto* edit = qobject_cast<QLineEdit*>(watched); edit != nullptr && event->type() == QEvent::ContextMenu) {
        const auto& request = static_cast<const QContextMenuEvent&>(*event);
        if (request.reason() == QContextMenuEvent::Keyboard) {
            open_menu(edit->createStandardContextMenu(), request);
            return true;
        }
    }
    if (event->type() == QEvent::FocusIn) {
        if (CodeWindow* code = shown_code_window())
            for (const auto& [control, widget] : m_widgets)
                if (widget == watched) code->mark_control(control->name());
    }
    return QWidget::eventFilter(watched, event);
}

bool FormWindow::wheel_zooms(const QWheelEvent& event) {
    if (!(event.modifiers() & Qt::ControlModifier)) return false;
    m_wheel_angle += event.angleDelta().y();
    for (; m_wheel_angle >= kWheelNotch; m_wheel_angle -= kWheelNotch) zoom_in();
    for (; m_wheel_angle <= -kWheelNotch; m_wheel_angle += kWheelNotch) set_zoom(previous_zoom_step(m_zoom));
    return true;
}

// Right clicks on controls that have no menu of their own, and the keyboard's menu keys on
// buttons, open the printing area's menu.
void FormWindow::contextMenuEvent(QContextMenuEvent* event) { open_menu(create_context_menu(), *event); }

QMenu* FormWindow::create_context_menu() {
    QMenu* menu = m_surface->create_context_menu();
    if (m_code != nullptr) connect(menu->addAction(QStringLiteral("代码")), &QAction::triggered, this, &FormWindow::show_code);
    return menu;
}

void FormWindow::show_code() {
    if (m_code == nullptr) return;
    const bool first = m_code_window == nullptr;
    if (first) m_code_window = new CodeWindow(*m_code, *this);
    if (first || !m_code_window->isVisible()) {
        m_code_window->show_beside_program();
        if (QWidget* focused = focusWidget())
            for (const auto& [control, widget] : m_widgets)
                if (widget == focused) m_code_window->mark_control(control->name());
    } else {
        m_code_window->raise();
        m_code_window->activateWindow();
    }
}

CodeWindow* FormWindow::shown_code_window() const {
    return m_code_window != nullptr && m_code_window->isVisible() ? m_code_window : nullptr;
}

// The code closes with its program.
void FormWindow::closeEvent(QCloseEvent* event) {
    if (m_code_window != nullptr) m_code_window->close();
    QWidget::closeEvent(event);
}

}  // namespace rt::qt
