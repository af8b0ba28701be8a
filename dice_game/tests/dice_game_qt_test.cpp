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

}  // namespace
}  // namespace dice_game
