// SPDX-License-Identifier: MIT
#include "rt/qt/cursor_blink.h"

#include <QEvent>
#include <QStyleHints>
#include <QTimer>

namespace rt::qt {

namespace {

class CursorBlinkTimeout final : public QObject {
public:
    CursorBlinkTimeout(QApplication& application, int blinking_ms)
        : QObject(&application), m_flash_time(QGuiApplication::styleHints()->cursorFlashTime()) {
        m_stop.setSingleShot(true);
        m_stop.setInterval(blinking_ms);
        connect(&m_stop, &QTimer::timeout, this, [] { QGuiApplication::styleHints()->setCursorFlashTime(0); });
        m_stop.start();
        application.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
            case QEvent::KeyPress:
            case QEvent::MouseButtonPress:
            case QEvent::InputMethod:
            case QEvent::FocusIn:
                if (QGuiApplication::styleHints()->cursorFlashTime() == 0)
                    QGuiApplication::styleHints()->setCursorFlashTime(m_flash_time);
                m_stop.start();
                break;
            default: break;
        }
        return false;
    }

private:
    int m_flash_time;
    QTimer m_stop;
};

}  // namespace

void stop_cursor_blinking_when_idle(QApplication& application, int blinking_ms) {
    new CursorBlinkTimeout(application, blinking_ms);
}

}  // namespace rt::qt
