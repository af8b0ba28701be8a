// SPDX-License-Identifier: MIT
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "form1.h"
#include "rt/testing/qt_program.h"
#include "window.h"

namespace big_number_addition {
namespace {

using rt::testing::DialogScript;
using rt::testing::QtProgram;
using rt::testing::read_then_press;

TEST(BigNumberAdditionQtTest, WindowGeometryInPixels) {
    auto p = QtProgram::of<Form1>(description());
    EXPECT_EQ(p->window().windowTitle(), QStringLiteral("Form1"));
    EXPECT_EQ(p->window().size(), QSize(970, 325));
    EXPECT_EQ(p->widget<QLineEdit>("Text1")->geometry(), QRect(40, 16, 873, 49));
    EXPECT_EQ(p->widget<QLineEdit>("Text2")->geometry(), QRect(40, 80, 873, 49));
    EXPECT_EQ(p->widget<QPushButton>("Command1")->geometry(), QRect(224, 160, 521, 57));
    EXPECT_EQ(p->widget<QLabel>("Label1")->geometry(), QRect(40, 240, 881, 57));
    EXPECT_EQ(p->widget<QLabel>("Label1")->palette().color(QPalette::Window), QColor(0xFF, 0x80, 0xFF));
    // A pasted number is never cut to fit: the handler refuses one of more than 50 digits.
    EXPECT_EQ(p->widget<QLineEdit>("Text1")->maxLength(), 32767);
    EXPECT_EQ(p->widget<QLineEdit>("Text2")->maxLength(), 32767);
    EXPECT_EQ(p->widget<QPushButton>("Command1")->font().pixelSize(), 32) << "24 points at 96 dpi";
}

TEST(BigNumberAdditionQtTest, TypedNumbersAndRealClicksShowTheSumOrTheErrorBox) {
    auto p = QtProgram::of<Form1>(description());
    QTest::keyClicks(p->widget<QLineEdit>("Text1"), QStringLiteral("999"));
    QTest::keyClicks(p->widget<QLineEdit>("Text2"), QStringLiteral("1"));
    QTest::mouseClick(p->widget<QPushButton>("Command1"), Qt::LeftButton);
    EXPECT_EQ(p->widget<QLabel>("Label1")->text(), QStringLiteral("1000"));

    QTest::keyClicks(p->widget<QLineEdit>("Text2"), QStringLiteral(".5"));
    QStringList texts;
    {
        DialogScript script({read_then_press(texts, QStringLiteral("确定"))});
        QTest::mouseClick(p->widget<QPushButton>("Command1"), Qt::LeftButton);
        EXPECT_TRUE(script.done());
    }
    EXPECT_EQ(texts, (QStringList{QStringLiteral("错误"), QStringLiteral("请输入不超过50位的非负整数"), QStringLiteral("确定")}));
    EXPECT_EQ(p->widget<QLabel>("Label1")->text(), QStringLiteral("1000")) << "the sum stays";
}

}  // namespace
}  // namespace big_number_addition
