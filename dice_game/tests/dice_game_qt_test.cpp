#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "form1.h"
#include "qt_program.h"
#include "window.h"

namespace dice_game {
namespace {

using rt::testing::DialogScript;
using rt::testing::QtProgram;
using rt::testing::type_and_accept;

QString caption(QtProgram& p, const char* name) { return p.widget<QLabel>(name)->text(); }
void click(QtProgram& p, const char* name) { QTest::mouseClick(p.widget<QPushButton>(name), Qt::LeftButton); }

TEST(DiceGameQtTest, WindowGeometryInPixels) {
    auto p = QtProgram::of<Form1>(window());
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
    auto p = QtProgram::of<Form1>(window());
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
    auto p = QtProgram::of<Form1>(window());
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

}  // namespace
}  // namespace dice_game
