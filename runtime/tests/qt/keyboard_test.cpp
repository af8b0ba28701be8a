// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <gtest/gtest.h>

#include "rt/qt/focus_ring.h"
#include "probe_window.h"
#include "rt/testing/qt_program.h"

namespace rt {
namespace {

using testing::DialogScript;
using testing::QtProgram;
using testing::press_key;

// Three buttons that switch themselves off: Command1 leaves Command2 off, Command3 turns
// Command1 back on only after switching itself off.
FormDescription relay_window() {
    // clang-format off
    return {.caption = "接力", .width = 6000, .height = 1500, .controls = {
        button("Command1", "一",  150, 300, 1500, 600, runtime_font),
        button("Command2", "二", 1800, 300, 1500, 600, runtime_font, {.enabled = false}),
        button("Command3", "三", 3450, 300, 1500, 600, runtime_font),
    }};
    // clang-format on
}

class Relay final : public FormModule {
public:
    explicit Relay(ModuleContext& context) : FormModule(context) {
        on_click(Command1, &Relay::Command1_Click);
        on_click(Command2, &Relay::Command2_Click);
        on_click(Command3, &Relay::Command3_Click);
    }

private:
    void Command1_Click() { Command1.SetEnabled(false); }
    void Command2_Click() {}
    void Command3_Click() {
        Command3.SetEnabled(false);
        Command1.SetEnabled(true);
    }

    CommandButton& Command1 = button("Command1");
    CommandButton& Command2 = button("Command2");
    CommandButton& Command3 = button("Command3");
};

QWidget* focused() { return QApplication::focusWidget(); }

TEST(EnterKeyTest, EnterAndSpacePressTheFocusedButtonOnceHoweverLongTheyAreHeld) {
    const struct {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    } keys[] = {
        {"Return", Qt::Key_Return, Qt::NoModifier},
        {"keypad Enter", Qt::Key_Enter, Qt::KeypadModifier},
        {"Space", Qt::Key_Space, Qt::NoModifier},
    };
    for (const auto& k : keys) {
        SCOPED_TRACE(k.name);
        auto p = QtProgram::of<Probe>(test_window());
        ASSERT_TRUE(testing::activate(p->window()));
        auto* prints = p->widget<QPushButton>("Command3");
        prints->setFocus();
        // A held key repeats its press before the release.
        QTest::simulateEvent(prints, true, k.key, k.modifiers, QString(), false);
        QTest::simulateEvent(prints, true, k.key, k.modifiers, QString(), true);
        QTest::simulateEvent(prints, false, k.key, k.modifiers, QString(), false);
        EXPECT_EQ(p->form().printed().text(), " 2  3 *\n") << "pressed once";
    }
}

TEST(EnterKeyTest, EnterHeldFromTheButtonThatOpenedADialogDoesNotAnswerIt) {
    auto p = QtProgram::of<Probe>(test_window());
    ASSERT_TRUE(testing::activate(p->window()));
    auto* asks = p->widget<QPushButton>("Command1");  // its InputBox's answer goes to Label1
    asks->setFocus();
    bool answered_by_the_carried_key = true;
    DialogScript script({[&](QWidget* dialog) {
        ASSERT_TRUE(QTest::qWaitFor([dialog] { return QApplication::activeWindow() == dialog; }));
        auto* entry = dialog->findChild<QLineEdit*>();
        entry->setText(QStringLiteral("x"));
        // The key that pressed Command1 is still down: it repeats here, then is let go.
        QTest::simulateEvent(entry, true, Qt::Key_Return, Qt::NoModifier, QString(), true);
        QTest::simulateEvent(entry, false, Qt::Key_Return, Qt::NoModifier, QString(), false);
        answered_by_the_carried_key = !dialog->isVisible();
        // Pressed afresh, Enter is 确定.
        QTest::keyClick(entry, Qt::Key_Return);
    }});
    QTest::simulateEvent(asks, true, Qt::Key_Return, Qt::NoModifier, QString(), false);
    EXPECT_TRUE(script.done());
    EXPECT_FALSE(answered_by_the_carried_key);
    EXPECT_EQ(p->widget<QLabel>("Label1")->text(), QStringLiteral("[x]"));
}

TEST(FocusAfterHandlerTest, FocusMovesToTheNextEnabledControlOnceTheHandlerHasFinished) {
    auto p = QtProgram::of<Relay>(relay_window());
    ASSERT_TRUE(testing::activate(p->window()));
    auto* one = p->widget<QPushButton>("Command1");
    auto* three = p->widget<QPushButton>("Command3");
    ASSERT_EQ(focused(), one);

    press_key(Qt::Key_Return);
    EXPECT_EQ(focused(), three) << "Command2 is off, so focus skips it";
    press_key(Qt::Key_Space);
    EXPECT_EQ(focused(), one) << "after the last control focus wraps around, to the button switched on last";
    press_key(Qt::Key_Return);
    EXPECT_FALSE(one->isEnabled());
    EXPECT_EQ(focused(), &p->window()) << "with every control off the window keeps focus";
    EXPECT_TRUE(p->window().isActiveWindow());
}

TEST(FocusIndicatorTest, FocusedButtonAndTextBoxShowAWideRingFromTheFirstFrameWithoutMoving) {
    auto p = QtProgram::of<Probe>(test_window());
    ASSERT_TRUE(testing::activate(p->window()));
    auto* edit = p->widget<QLineEdit>("Text1");
    auto* button = p->widget<QPushButton>("Command1");
    ASSERT_EQ(focused(), edit) << "the first control has focus from the start";
    const QRect button_place = button->geometry();

    for (QWidget* widget : {static_cast<QWidget*>(edit), static_cast<QWidget*>(button)}) {
        SCOPED_TRACE(widget->metaObject()->className());
        const QImage without = [&] {
            p->widget<QPushButton>("Command4")->setFocus();
            return widget->grab().toImage();
        }();
        widget->setFocus();
        const QImage with = widget->grab().toImage();
        const int middle = with.height() / 2;
        for (int x = 0; x < 2; ++x) {
            // Two device-independent pixels in from the left edge, and the same at the top.
            EXPECT_EQ(with.pixelColor(x, middle), qt::kFocusRingColor) << "x " << x;
            EXPECT_EQ(with.pixelColor(with.width() / 2, x), qt::kFocusRingColor) << "y " << x;
        }
        // The ring stands out against what it is drawn on, and against the label colours.
        for (const QColor& ground : {without.pixelColor(2, middle), without.pixelColor(with.width() / 2, middle),
                                     QColor(0x80, 0xFF, 0xFF), QColor(0xFF, 0xFF, 0x00), QColor(0xFF, 0x80, 0x00)}) {
            auto luminance = [](const QColor& c) {
                auto linear = [](qreal v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
                return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
            };
            const qreal a = luminance(qt::kFocusRingColor), b = luminance(ground);
            EXPECT_GE((std::max(a, b) + 0.05) / (std::min(a, b) + 0.05), 3.0) << ground.name().toStdString();
        }
    }
    EXPECT_EQ(button->geometry(), button_place) << "focus moves nothing";
}

TEST(FocusIndicatorTest, MessageAndInputBoxesShowTheSameRing) {
    auto p = QtProgram::of<Probe>(test_window());
    ASSERT_TRUE(testing::activate(p->window()));
    QStringList ringed;  // the dialog controls that had focus and showed the ring
    auto note_ring = [&ringed](QWidget* widget) {
        ASSERT_TRUE(QTest::qWaitFor([widget] { return widget->hasFocus(); }));
        const QImage image = widget->grab().toImage();
        if (image.pixelColor(1, image.height() / 2) == qt::kFocusRingColor &&
            image.pixelColor(image.width() / 2, 1) == qt::kFocusRingColor)
            ringed << (qobject_cast<QPushButton*>(widget) != nullptr ? qobject_cast<QPushButton*>(widget)->text()
                                                                      : QStringLiteral("entry"));
    };
    auto button = [](QWidget* dialog, const QString& caption) {
        for (auto* b : dialog->findChildren<QPushButton*>())
            if (b->text() == caption) return b;
        return static_cast<QPushButton*>(nullptr);
    };
    DialogScript script({[&](QWidget* input) {
                             note_ring(input->findChild<QLineEdit*>());
                             button(input, QStringLiteral("取消"))->setFocus();
                             note_ring(button(input, QStringLiteral("取消")));
                             testing::press(QStringLiteral("取消"))(input);
                         },
                         [&](QWidget* message) {
                             note_ring(button(message, QStringLiteral("确定")));
                             testing::press(QStringLiteral("确定"))(message);
                         }});
    QTest::mouseClick(p->widget<QPushButton>("Command1"), Qt::LeftButton);  // InputBox
    p->widget<QLineEdit>("Text1")->setText(QStringLiteral("40000"));
    QTest::mouseClick(p->widget<QPushButton>("Command4"), Qt::LeftButton);  // MsgBox: 溢出
    EXPECT_TRUE(script.done());
    EXPECT_EQ(ringed, (QStringList{"entry", "取消", "确定"}));
}

TEST(CopyKeysTest, CtrlCCopiesThePrintedTextUnlessATextBoxHasFocus) {
    auto p = QtProgram::of<Probe>(test_window());
    ASSERT_TRUE(testing::activate(p->window()));
    QTest::mouseClick(p->widget<QPushButton>("Command3"), Qt::LeftButton);  // prints " 2  3 *"
    QGuiApplication::clipboard()->setText(QStringLiteral("之前"));

    auto* edit = p->widget<QLineEdit>("Text1");
    edit->setText(QStringLiteral("框里"));
    edit->setFocus();
    edit->selectAll();
    press_key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("框里")) << "the text box keeps its own Ctrl+C";

    p->widget<QPushButton>("Command1")->setFocus();
    press_key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral(" 2  3 *\n"));
}

TEST(CopyKeysTest, MenuKeysOpenTheContextMenuOfWhatHasFocus) {
    auto p = QtProgram::of<Probe>(test_window());
    ASSERT_TRUE(testing::activate(p->window()));
    QTest::mouseClick(p->widget<QPushButton>("Command3"), Qt::LeftButton);  // prints, so 复制 is on
    // The open menu's items, the one selected marked with ">".
    auto open_menu_texts = [] {
        QStringList texts;
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (menu == nullptr) return texts;
        for (QAction* action : menu->actions())
            if (!action->isSeparator())
                texts << (action == menu->activeAction() ? QStringLiteral(">") : QString()) +
                             action->text().section(QLatin1Char('\t'), 0, 0);
        menu->close();
        return texts;
    };
    p->widget<QPushButton>("Command1")->setFocus();
    press_key(Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_EQ(open_menu_texts(), QStringList{">复制"}) << "opened on its first item";

    // The platform turns the Menu key into a keyboard context menu event for the focused control.
    QContextMenuEvent menu_key(QContextMenuEvent::Keyboard, QPoint(5, 5), focused()->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(focused(), &menu_key);
    EXPECT_EQ(open_menu_texts(), QStringList{">复制"});

    QContextMenuEvent right_click(QContextMenuEvent::Mouse, QPoint(5, 5), focused()->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(focused(), &right_click);
    EXPECT_EQ(open_menu_texts(), QStringList{"复制"}) << "the mouse opens it on no item";

    auto* edit = p->widget<QLineEdit>("Text1");
    edit->setText(QStringLiteral("框里"));
    edit->setFocus();
    press_key(Qt::Key_F10, Qt::ShiftModifier);
    const QStringList edit_menu = open_menu_texts();
    EXPECT_TRUE(edit_menu.contains(QStringLiteral("全选")) || edit_menu.contains(QStringLiteral(">全选")))
        << "a text box opens its own menu";
    EXPECT_EQ(edit_menu.filter(QRegularExpression(QStringLiteral("^>"))).size(), 1) << "on an item that can be chosen";
}

}  // namespace
}  // namespace rt
