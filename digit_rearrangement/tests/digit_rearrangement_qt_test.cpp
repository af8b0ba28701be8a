// SPDX-License-Identifier: MIT
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "form1.h"
#include "rt/testing/qt_program.h"
#include "window.h"

namespace digit_rearrangement {
namespace {

using rt::testing::QtProgram;

TEST(DigitRearrangementQtTest, WindowGeometryInPixels) {
    auto p = QtProgram::of<Form1>(description());
    EXPECT_EQ(p->window().windowTitle(), QStringLiteral("Form1"));
    EXPECT_EQ(p->window().size(), QSize(898, 329));
    EXPECT_EQ(p->widget<QLabel>("Label1")->geometry(), QRect(592, 200, 153, 33));
    EXPECT_EQ(p->widget<QLineEdit>("Text1")->geometry(), QRect(760, 192, 129, 41));
    EXPECT_EQ(p->widget<QPushButton>("Command1")->geometry(), QRect(600, 264, 289, 49));
    EXPECT_EQ(p->widget<QPushButton>("Command1")->font().pixelSize(), 21);  // 15.75 points
}

TEST(DigitRearrangementQtTest, RealClickPrintsTheLine) {
    auto p = QtProgram::of<Form1>(description());
    p->widget<QLineEdit>("Text1")->setText(QStringLiteral("2000000001"));
    QTest::mouseClick(p->widget<QPushButton>("Command1"), Qt::LeftButton);
    EXPECT_EQ(rt::testing::accessible_name(p->window().print_surface()),
              QStringLiteral(" 2000000001 能组成的最大数字与最小数字之差为 2100000000 - 12 = 2099999988 \n"));
}

}  // namespace
}  // namespace digit_rearrangement
