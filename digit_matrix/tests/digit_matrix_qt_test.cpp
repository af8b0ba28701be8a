// SPDX-License-Identifier: MIT
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "form1.h"
#include "rt/testing/qt_program.h"
#include "window.h"

namespace digit_matrix {
namespace {

using rt::testing::QtProgram;

TEST(DigitMatrixQtTest, WindowGeometryInPixels) {
    auto p = QtProgram::of<Form1>(description());
    EXPECT_EQ(p->window().windowTitle(), QStringLiteral("Form1"));
    EXPECT_EQ(p->window().size(), QSize(556, 397));
    EXPECT_EQ(p->widget<QPushButton>("Command1")->geometry(), QRect(8, 328, 105, 57));
    EXPECT_EQ(p->widget<QLabel>("Label1")->geometry(), QRect(120, 336, 105, 41));
    EXPECT_EQ(p->widget<QLineEdit>("Text1")->geometry(), QRect(240, 336, 97, 41));
    EXPECT_EQ(p->widget<QLabel>("Label2")->geometry(), QRect(344, 336, 169, 41));
    EXPECT_EQ(p->widget<QLabel>("Label2")->font().pixelSize(), 32);  // 24 points
}

TEST(DigitMatrixQtTest, RealClickPrintsTheMatrix) {
    auto p = QtProgram::of<Form1>(description());
    p->widget<QLineEdit>("Text1")->setText(QStringLiteral("3"));
    QTest::mouseClick(p->widget<QPushButton>("Command1"), Qt::LeftButton);
    EXPECT_EQ(rt::testing::accessible_name(p->window().print_surface()),
              QStringLiteral(" 1  2  3 \n 2  3  1 \n 3  1  2 \n"));
}

}  // namespace
}  // namespace digit_matrix
