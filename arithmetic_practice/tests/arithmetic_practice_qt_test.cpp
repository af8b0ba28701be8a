// SPDX-License-Identifier: MIT
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "form1.h"
#include "rt/testing/qt_program.h"
#include "window.h"

namespace arithmetic_practice {
namespace {

using rt::testing::QtProgram;

TEST(ArithmeticPracticeQtTest, WindowGeometryInPixels) {
    auto p = QtProgram::of<Form1>(description());
    EXPECT_EQ(p->window().windowTitle(), QStringLiteral("小学生算数练习工具"));
    EXPECT_EQ(p->window().size(), QSize(577, 202));
    EXPECT_EQ(p->widget<QLineEdit>("Text1")->geometry(), QRect(64, 48, 81, 49));
    EXPECT_EQ(p->widget<QLabel>("Label1")->geometry(), QRect(168, 56, 25, 25));
    EXPECT_EQ(p->widget<QLineEdit>("Text3")->geometry(), QRect(376, 48, 113, 49));
    auto* equals = p->widget<QLabel>("Label2");
    EXPECT_EQ(equals->geometry(), QRect(312, 56, 49, 33));
    EXPECT_TRUE(equals->alignment() & Qt::AlignHCenter) << "the equals sign is centred";
    EXPECT_EQ(equals->font().pixelSize(), 32);
    EXPECT_EQ(p->widget<QLineEdit>("Text2")->font().pixelSize(), 32);
    auto* random = p->widget<QPushButton>("Command1");
    EXPECT_EQ(random->geometry(), QRect(24, 136, 145, 41));
    EXPECT_EQ(random->font().pixelSize(), 12) << "buttons keep the runtime's font";
    EXPECT_EQ(p->widget<QPushButton>("Command5")->geometry(), QRect(424, 136, 65, 41));
}

TEST(ArithmeticPracticeQtTest, TypedOperandsAndARealClick) {
    auto p = QtProgram::of<Form1>(description());
    QTest::keyClicks(p->widget<QLineEdit>("Text1"), QStringLiteral("228"));
    QTest::keyClicks(p->widget<QLineEdit>("Text2"), QStringLiteral("246"));
    QTest::mouseClick(p->widget<QPushButton>("Command4"), Qt::LeftButton);
    EXPECT_EQ(p->widget<QLabel>("Label1")->text(), QStringLiteral("*"));
    EXPECT_EQ(p->widget<QLineEdit>("Text3")->text(), QStringLiteral("56088"));

    p->host().random_values({0.0f, 0.99999994f});
    QTest::mouseClick(p->widget<QPushButton>("Command1"), Qt::LeftButton);
    EXPECT_EQ(p->widget<QLineEdit>("Text1")->text(), QStringLiteral("100"));
    EXPECT_EQ(p->widget<QLineEdit>("Text2")->text(), QStringLiteral("500"));
    EXPECT_EQ(p->widget<QLineEdit>("Text3")->text(), QStringLiteral("56088"));
}

}  // namespace
}  // namespace arithmetic_practice
