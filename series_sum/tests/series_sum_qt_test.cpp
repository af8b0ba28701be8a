// SPDX-License-Identifier: MIT
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "form1.h"
#include "rt/testing/qt_program.h"
#include "window.h"

namespace series_sum {
namespace {

using rt::testing::QtProgram;

TEST(SeriesSumQtTest, WindowGeometryInPixels) {
    auto p = QtProgram::of<Form1>(description());
    EXPECT_EQ(p->window().windowTitle(), QStringLiteral("Form1"));
    EXPECT_EQ(p->window().size(), QSize(1010, 316));
    EXPECT_EQ(p->widget<QPushButton>("Command1")->geometry(), QRect(608, 208, 185, 57));
    EXPECT_EQ(p->widget<QLabel>("Label1")->geometry(), QRect(400, 104, 377, 49));
    EXPECT_EQ(p->widget<QLabel>("Label2")->geometry(), QRect(888, 104, 105, 49));
    EXPECT_EQ(p->widget<QLineEdit>("Text1")->geometry(), QRect(792, 104, 73, 56));
    EXPECT_EQ(p->widget<QLabel>("Label1")->text(), QStringLiteral("计算 1+12+123+...  一共"));
    EXPECT_EQ(p->widget<QLineEdit>("Text1")->font().pixelSize(), 48) << "36 points at 96 dpi";
    EXPECT_EQ(p->widget<QLabel>("Label2")->font().pixelSize(), 32) << "24 points at 96 dpi";
}

TEST(SeriesSumQtTest, TypedCountAndRealClickPrintTheLine) {
    auto p = QtProgram::of<Form1>(description());
    QTest::keyClicks(p->widget<QLineEdit>("Text1"), QStringLiteral("3"));
    QTest::mouseClick(p->widget<QPushButton>("Command1"), Qt::LeftButton);
    EXPECT_EQ(p->window().print_surface()->printed_text(), QStringLiteral(" 3 项的和是  136 \n"));
}

}  // namespace
}  // namespace series_sum
