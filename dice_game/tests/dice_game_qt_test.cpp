// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "form1.h"
#include "rt/testing/qt_program.h"
#include "window.h"

namespace dice_game {
namespace {

using rt::testing::DialogScript;
using rt::testing::QtProgram;
using rt::testing::type_and_accept;

QString caption(QtProgram& p, const char* name) { return p.widget<QLabel>(name)->text(); }
void click(QtProgram& p, const char* name) { QTest::mouseClick(p.widget<QPushButton>(name), Qt::LeftButton); }

TEST(DiceGameQtTest, WindowGeometryInPixels) {
    auto p = QtProgram::of<Form1>(description());
    EXPECT_EQ(p->window().windowTitle(), QStringLiteral("小赌怡情，大赌伤身"));
    EXPECT_EQ(p->window().size(), QSize(756, 275));
    EXPECT_EQ(p->widget<QLabel>("Label2")->geometry(), QRect(120, 16, 33, 25));
    EXPECT_EQ(p->widget<QLabel>("Label13")->geometry(), QRect(208, 112, 393, 49));
    EXPECT_EQ(p->widget<QPushButton>("Command5")->geometry(), QRect(584, 184, 97, 41));
    EXPECT_FALSE(p->widget<QPushButton>("Command1")->isEnabled());
    EXPECT_FALSE(p->widget<QPushButton>("Command5")->isEnabled());
    EXPECT_EQ(p->widget<QLabel>("Label14")->font().pixelSize(), 27);
}

TEST(DiceGameQtTest, BettingAndLockingThroughRealDialogs) {
    auto p = QtProgram::of<Form1>(description());
    {
        DialogScript script({type_and_accept(QStringLiteral("大"))});
        click(*p, "Command2");
    }
    {
        DialogScript script({type_and_accept(QStringLiteral("30")), rt::testing::press(QStringLiteral("确定"))});
        click(*p, "Command3");
        EXPECT_TRUE(script.done()) << "a refused bet shows the error box";
    }
    {
        DialogScript script({type_and_accept(QStringLiteral("15"))});
        click(*p, "Command3");
    }
    click(*p, "Command4");
    EXPECT_EQ(caption(*p, "Label12"), QStringLiteral("大"));
    EXPECT_EQ(caption(*p, "Label4"), QStringLiteral("15"));
    EXPECT_TRUE(p->widget<QPushButton>("Command1")->isEnabled());
    EXPECT_FALSE(p->widget<QPushButton>("Command2")->isEnabled());
}

TEST(DiceGameQtTest, WholeRoundThroughTheRealWindow) {
    auto p = QtProgram::of<Form1>(description());
    {
        DialogScript script({type_and_accept(QStringLiteral("小"))});
        click(*p, "Command2");
        EXPECT_TRUE(script.done());
    }
    {
        DialogScript script({type_and_accept(QStringLiteral("20"))});
        click(*p, "Command3");
        EXPECT_TRUE(script.done());
    }
    click(*p, "Command4");
    // Int(v * 6) + 1 gives 1, 2 and 3.
    p->host().random_values({0.05f, 0.2f, 0.4f});
    click(*p, "Command1");
    EXPECT_EQ(caption(*p, "Label6"), QStringLiteral("1"));
    EXPECT_EQ(caption(*p, "Label8"), QStringLiteral("2"));
    EXPECT_EQ(caption(*p, "Label10"), QStringLiteral("3"));
    EXPECT_EQ(caption(*p, "Label13"), QStringLiteral("6点小，您赢"));
    EXPECT_EQ(p->widget<QLabel>("Label13")->palette().color(QPalette::WindowText), QColor(0, 255, 0));
    EXPECT_FALSE(p->widget<QPushButton>("Command1")->isEnabled());
    EXPECT_TRUE(p->widget<QPushButton>("Command5")->isEnabled());

    click(*p, "Command5");
    EXPECT_EQ(caption(*p, "Label2"), QStringLiteral("70"));
    EXPECT_EQ(caption(*p, "Label15"), QStringLiteral("1"));
    for (const char* empty : {"Label4", "Label12", "Label6", "Label8", "Label10", "Label13"})
        EXPECT_EQ(caption(*p, empty), QString()) << empty;
    for (const char* name : {"Command2", "Command3", "Command4"})
        EXPECT_TRUE(p->widget<QPushButton>(name)->isEnabled()) << name;
    EXPECT_FALSE(p->widget<QPushButton>("Command5")->isEnabled());
}

// A pupil without a mouse: Space, Enter, Tab and typed answers only. Once the bet is locked,
// focus follows the game from button to button.
TEST(DiceGameQtTest, WholeRoundByKeyboardAlone) {
    using rt::testing::press_key;
    using rt::testing::type_and_press_enter;
    auto p = QtProgram::of<Form1>(description());
    ASSERT_TRUE(rt::testing::activate(p->window()));
    auto has_focus = [&p](const char* name) { return QApplication::focusWidget() == p->widget<QPushButton>(name); };
    ASSERT_TRUE(has_focus("Command2")) << "选大小, the first enabled button, has focus from the start";
    {
        DialogScript script({type_and_press_enter(QStringLiteral("大"))});
        press_key(Qt::Key_Return);
        EXPECT_TRUE(script.done());
    }
    press_key(Qt::Key_Tab);
    ASSERT_TRUE(has_focus("Command3"));
    {
        DialogScript script({type_and_press_enter(QStringLiteral("10"))});
        press_key(Qt::Key_Space);
        EXPECT_TRUE(script.done());
    }
    press_key(Qt::Key_Tab);
    ASSERT_TRUE(has_focus("Command4"));
    press_key(Qt::Key_Return);
    EXPECT_EQ(caption(*p, "Label12"), QStringLiteral("大"));
    EXPECT_EQ(caption(*p, "Label4"), QStringLiteral("10"));
    ASSERT_TRUE(has_focus("Command1")) << "买定离手 hands focus to 掷色子";

    // Int(v * 6) + 1 gives 6, 5 and 4.
    p->host().random_values({0.99f, 0.7f, 0.6f});
    press_key(Qt::Key_Space);
    EXPECT_EQ(caption(*p, "Label13"), QStringLiteral("15点大，您赢"));
    ASSERT_TRUE(has_focus("Command5")) << "掷色子 hands focus to 结算";
    press_key(Qt::Key_Return);
    EXPECT_EQ(caption(*p, "Label2"), QStringLiteral("60"));
    EXPECT_EQ(caption(*p, "Label15"), QStringLiteral("1"));
    EXPECT_TRUE(has_focus("Command2")) << "结算 hands focus back to the betting buttons";
}

}  // namespace
}  // namespace dice_game
