#include "form_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QSignalBlocker>

#include "fonts.h"

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

}  // namespace

FormWindow::FormWindow(Program& program) : m_program(program), m_surface(new PrintSurface(program.form(), this)) {
    const Form& form = program.form();
    setWindowTitle(qt_text(form.Caption()));
    resize(pixels(form.description().width), pixels(form.description().height));
    m_surface->setGeometry(rect());

    QWidget* previous = nullptr;
    for (const auto& control : form.controls()) {
        QWidget* widget = create_widget(*control);
        const ControlDescription& d = control->description();
        widget->setGeometry(pixels(d.left), pixels(d.top), pixels(d.width), pixels(d.height));
        widget->setFont(qt_font(control->font()));
        widget->setEnabled(control->enabled());
        m_widgets.emplace(control.get(), widget);
        if (widget->focusPolicy() == Qt::NoFocus) continue;
        if (previous != nullptr) setTabOrder(previous, widget);
        previous = widget;
    }
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
            auto* edit = new QLineEdit(qt_text(box.Text()), this);
            edit->setMaxLength(box.max_length());
            connect(edit, &QLineEdit::textChanged, this,
                    [&box](const QString& text) { box.typed(text.toStdString()); });
            return edit;
        }
        case ControlKind::CommandButton: {
            auto& source = static_cast<CommandButton&>(control);
            auto* button = new QPushButton(qt_text(source.Caption()), this);
            button->setAutoDefault(false);
            connect(button, &QPushButton::clicked, this, [this, &source] { m_program.click(source); });
            return button;
        }
    }
    return nullptr;
}

QWidget* FormWindow::widget_for(std::string_view name) const {
    for (const auto& [control, widget] : m_widgets)
        if (control->name() == name) return widget;
    return nullptr;
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

}  // namespace rt::qt
