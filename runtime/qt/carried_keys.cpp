// SPDX-License-Identifier: MIT
#include "rt/qt/carried_keys.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QSet>
#include <QWidget>
#include <cstdlib>

#if RT_QT_WITH_XCB
#include <xcb/xcb.h>
#endif

namespace rt::qt {

namespace {

bool presses_buttons(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space; }

/// The keys held down at this moment, by the window system's key codes (a key event's native
/// scan code). Only X11 can say, and only it needs to: it sends the repeats of a key held down
/// in another program to the window that has just become active, the first one looking like a
/// fresh press. Wayland sends a window no key pressed before it had the keyboard.
QSet<quint32> keys_held_down() {
    QSet<quint32> held;
#if RT_QT_WITH_XCB
    const auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
    if (connection == nullptr) return held;  // another platform (the offscreen one has the interface)
    xcb_query_keymap_reply_t* keymap = xcb_query_keymap_reply(connection, xcb_query_keymap(connection), nullptr);
    if (keymap == nullptr) return held;
    for (quint32 code = 0; code < 8 * sizeof keymap->keys; ++code)
        if (keymap->keys[code / 8] & (1u << (code % 8))) held.insert(code);
    std::free(keymap);
#endif
    return held;
}

class CarriedKeyFilter final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!watched->isWidgetType()) return false;
        switch (event->type()) {
            case QEvent::WindowActivate:
                // Sent to the window and then to each of its widgets: once is enough.
                if (static_cast<QWidget*>(watched)->isWindow()) {
                    m_pressed_here.clear();
                    m_held_from_before = keys_held_down();
                }
                break;
            case QEvent::KeyPress:
            case QEvent::KeyRelease: {
                const auto& key = static_cast<const QKeyEvent&>(*event);
                if (!presses_buttons(key.key())) break;
                if (m_held_from_before.contains(key.nativeScanCode())) {
                    // X11 repeats a key as a release and a press, which Qt does not always tell
                    // from the real ones: the key is let go only when the server says so.
                    if (event->type() == QEvent::KeyRelease && !keys_held_down().contains(key.nativeScanCode()))
                        m_held_from_before.remove(key.nativeScanCode());
                    return true;
                }
                if (event->type() == QEvent::KeyPress && !key.isAutoRepeat()) m_pressed_here.insert(key.key());
                return !m_pressed_here.contains(key.key());
            }
            default: break;
        }
        return false;
    }

private:
    QSet<int> m_pressed_here;            // the keys pressed since the active window became active
    QSet<quint32> m_held_from_before;    // the keys already down then, until they are let go
};

}  // namespace

void drop_keys_carried_into_windows(QApplication& application) {
    application.installEventFilter(new CarriedKeyFilter(&application));
}

}  // namespace rt::qt
