// SPDX-License-Identifier: MIT
#include <QFontMetrics>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "rt/qt/fonts.h"
#include "form1.h"
#include "rt/testing/qt_program.h"
#include "window.h"

namespace prime_list {
namespace {

using rt::testing::QtProgram;

TEST(PrimeListQtTest, WindowGeometryInPixels) {
    auto p = QtProgram::of<Form1>(description());
    EXPECT_EQ(p->window().windowTitle(), QStringLiteral("Form1"));
    EXPECT_EQ(p->form().font(), rt::song(15.75)) << "the form's font, in which it prints";
    EXPECT_EQ(p->window().size(), QSize(753, 374));
    EXPECT_EQ(p->widget<QPushButton>("Command1")->geometry(), QRect(232, 296, 321, 65));
    EXPECT_EQ(p->widget<QPushButton>("Command1")->text(), QStringLiteral("找到100个素数"));
    EXPECT_EQ(p->widget<QPushButton>("Command1")->font().pixelSize(), 32);
}

TEST(PrimeListQtTest, ClickPrintsTenLinesThatFitAboveTheButton) {
    auto p = QtProgram::of<Form1>(description());
    QTest::mouseClick(p->widget<QPushButton>("Command1"), Qt::LeftButton);
    const std::vector<rt::Text>& lines = p->form().printed().ended_lines();
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(rt::testing::accessible_name(p->window().print_surface()),
              QString::fromStdString(p->form().printed().text()));

    const QFontMetrics metrics(rt::qt::qt_font(description().font.value()));
    EXPECT_LT(10 * metrics.height(), p->widget<QPushButton>("Command1")->y());
    EXPECT_LT(metrics.horizontalAdvance(QString::fromStdString(lines.back())), p->window().width());
}

}  // namespace
}  // namespace prime_list
