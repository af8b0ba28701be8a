// SPDX-License-Identifier: MIT
#include "rt/qt/accessibility.h"

#include <QAccessibleWidget>
#include <QLabel>

#include "rt/qt/form_window.h"
#include "rt/qt/print_surface.h"

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

// A label of a form: named by its caption even when that is empty (Qt would name an empty label
// after the label that describes it, and the value would read as its own description).
class FormLabelAccessible final : public QAccessibleWidget {
public:
    explicit FormLabelAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) return static_cast<const QLabel*>(widget())->text();
        return QAccessibleWidget::text(kind);
    }
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(QAccessible::Relation match) const override {
        auto found = QAccessibleWidget::relations(match);
        QWidget* described = static_cast<const QLabel*>(widget())->buddy();
        if ((match & QAccessible::Labelled) && described != nullptr)
            found.append({QAccessible::queryAccessibleInterface(described), QAccessible::Labelled});
        return found;
    }
};

QAccessibleInterface* make_accessible(const QString& class_name, QObject* object) {
    if (auto* surface = dynamic_cast<PrintSurface*>(object)) return new PrintSurfaceAccessible(surface);
    auto* label = qobject_cast<QLabel*>(object);
    if (label != nullptr && dynamic_cast<FormWindow*>(label->parentWidget()) != nullptr)
        return new FormLabelAccessible(label);
    // A plain widget that is a window is one of our main windows (dialogs and menus have
    // classes of their own); Qt would report it as a bare client area.
    auto* widget = qobject_cast<QWidget*>(object);
    if (class_name == QLatin1String("QWidget") && widget != nullptr && widget->isWindow())
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

}  // namespace

void install_accessibility() { QAccessible::installFactory(make_accessible); }

}  // namespace rt::qt
