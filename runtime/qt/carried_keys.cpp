// SPDX-License-Identifier: MIT
#include "rt/qt/carried_keys.h"

#include <QKeyEvent>
#include <QSet>

namespace rt::qt {

namespace {

bool presses_buttons(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space; }

class CarriedKeyFilter final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::WindowActivate: m_pressed_here.clear(); break;
            case QEvent::KeyPress:
            case QEvent::KeyRelease: {
                const auto& key = static_cast<const QKeyEvent&>(*event);
                if (!watched->isWidgetType() || !presses_buttons(key.key())) break;
                if (event->type() == QEvent::KeyPress && !key.isAutoRepeat()) m_pressed_here.insert(key.key());
                return !m_pressed_here.contains(key.key());
            }
            default: break;
        }
        return false;
    }

private:
    QSet<int> m_pressed_here;  // the keys pressed since the active window became active
};

}  // namespace

void drop_keys_carried_into_windows(QApplication& application) {
    application.installEventFilter(new CarriedKeyFilter(&application));
}

}  // namespace rt::qt
