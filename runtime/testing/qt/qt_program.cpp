// SPDX-License-Identifier: MIT
#include "rt/testing/qt_program.h"

#include <QAccessible>
#include <QApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace rt::testing {

namespace {

/// How long a wait for the window system may last. Each wait ends as soon as the window is
/// active or the entry has focus, a turn or two of the event loop; only one that never gets
/// there lets it run out, however busy the machine.
constexpr int kWaitLimitMs = 30'000;

}  // namespace

QtProgram::QtProgram(const FormDescription& description, const ModuleFactory& make_module)
    : m_program(description, m_services, make_module), m_window(m_program) {
    m_dialogs.set_parent(&m_window);
    m_window.show();
}

DialogScript::DialogScript(std::vector<std::function<void(QWidget*)>> actions) : m_actions(std::move(actions)) {
    QTimer::singleShot(0, &m_timers, [this] { poll(); });
}

void DialogScript::poll() {
    if (done()) return;
    QWidget* dialog = QApplication::activeModalWidget();
    if (dialog != nullptr && dialog != m_last && dialog->isVisible()) {
        m_last = dialog;
        m_actions[m_next++](dialog);
    }
    if (!done()) QTimer::singleShot(5, &m_timers, [this] { poll(); });
}

std::function<void(QWidget*)> type_and_accept(const QString& text) {
    return [text](QWidget* dialog) {
        auto* entry = dialog->findChild<QLineEdit*>();
        ASSERT_NE(entry, nullptr) << "the dialog has no entry";
        entry->setText(text);
        press(QStringLiteral("确定"))(dialog);
    };
}

std::function<void(QWidget*)> press(const QString& caption) {
    return [caption](QWidget* dialog) {
        for (auto* button : dialog->findChildren<QPushButton*>()) {
            if (button->text() == caption && button->isVisible()) {
                button->click();
                return;
            }
        }
        ADD_FAILURE() << "no button " << caption.toStdString() << " in the dialog";
        dialog->close();
    };
}

std::function<void(QWidget*)> read_then_press(QStringList& texts, const QString& caption) {
    return [&texts, caption](QWidget* dialog) {
        texts = dialog_texts(dialog);
        press(caption)(dialog);
    };
}

QStringList dialog_texts(QWidget* dialog) {
    QStringList texts{dialog->windowTitle()};
    for (auto* label : dialog->findChildren<QLabel*>())
        if (label->isVisible() && !label->text().isEmpty()) texts << label->text();
    for (auto* button : dialog->findChildren<QPushButton*>())
        if (button->isVisible()) texts << button->text();
    return texts;
}

bool activate(QWidget& window) {
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window, kWaitLimitMs);
}

void press_key(int key, Qt::KeyboardModifiers modifiers) {
    // A window that was just asked to take the keyboard gets it on the next turn of the loop.
    // When none ever does, the assertion below reports it.
    static_cast<void>(QTest::qWaitFor([] { return QApplication::activeWindow() != nullptr; }, kWaitLimitMs));
    QWidget* target = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : QApplication::activeWindow();
    ASSERT_NE(target, nullptr) << "no window has the keyboard";
    QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
}

std::function<void(QWidget*)> type_and_press_enter(const QString& text) {
    return [text](QWidget* dialog) {
        auto* entry = dialog->findChild<QLineEdit*>();
        ASSERT_NE(entry, nullptr) << "the dialog has no entry";
        if (!QTest::qWaitFor([entry] { return entry->hasFocus(); }, kWaitLimitMs)) {
            ADD_FAILURE() << "the entry has no focus";
            dialog->close();
            return;
        }
        for (const QChar c : text) {
            if (c.unicode() < 0x80) {
                QTest::keyClick(entry, c.toLatin1());
            } else {  // a character from the input method
                QInputMethodEvent commit;
                commit.setCommitString(c);
                QApplication::sendEvent(entry, &commit);
            }
        }
        QTest::keyClick(entry, Qt::Key_Return);
    };
}

QString accessible_name(QWidget* widget) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    return iface != nullptr ? iface->text(QAccessible::Name) : QString();
}

}  // namespace rt::testing
