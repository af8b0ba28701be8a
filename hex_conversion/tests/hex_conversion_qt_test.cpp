// SPDX-License-Identifier: MIT
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "form1.h"
#include "rt/testing/qt_program.h"
#include "window.h"

namespace hex_conversion {
namespace {

using rt::testing::QtProgram;

TEST(HexConversionQtTest, WindowGeometryInPixels) {
    auto p = QtProgram::of<Form1>(description());
    EXPECT_EQ(p->window().windowTitle(), QStringLiteral("Form1"));
    EXPECT_EQ(p->window().size(), QSize(679, 262));
    EXPECT_EQ(p->widget<QLineEdit>("Text1")->geometry(), QRect(24, 56, 169, 49));
    EXPECT_EQ(p->widget<QPushButton>("Command1")->geometry(), QRect(80, 160, 489, 57));
    EXPECT_EQ(p->widget<QLabel>("Label1")->geometry(), QRect(488, 64, 145, 41));
    EXPECT_EQ(p->widget<QLabel>("Label2")->geometry(), QRect(208, 64, 249, 41));
    EXPECT_EQ(p->widget<QLineEdit>("Text1")->font().pixelSize(), 32);  // 24 points
}

TEST(HexConversionQtTest, RealClickShowsTheResultOnOrange) {
    auto p = QtProgram::of<Form1>(description());
    auto* result = p->widget<QLabel>("Label1");
    p->widget<QLineEdit>("Text1")->setText(QStringLiteral("2147483647"));
    QTest::mouseClick(p->widget<QPushButton>("Command1"), Qt::LeftButton);
    EXPECT_EQ(result->text(), QStringLiteral("7FFFFFFF"));
    const QImage image = result->grab().toImage();
    EXPECT_EQ(image.pixelColor(image.width() - 3, image.height() - 3), QColor(0xFF, 0x80, 0x00));
}

}  // namespace
}  // namespace hex_conversion
