#include "accessibility.h"

#include <QAccessibleWidget>

#include "print_surface.h"

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

QAccessibleInterface* make_accessible(const QString& class_name, QObject* object) {
    if (auto* surface = dynamic_cast<PrintSurface*>(object)) return new PrintSurfaceAccessible(surface);
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
