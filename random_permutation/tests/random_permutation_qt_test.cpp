// SPDX-License-Identifier: MIT
#include <QFontMetrics>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>

#include "rt/qt/fonts.h"
#include "form1.h"
#include "rt/testing/qt_program.h"
#include "window.h"

namespace random_permutation {
namespace {

using rt::testing::QtProgram;

TEST(RandomPermutationQtTest, WindowGeometryInPixels) {
    auto p = QtProgram::of<Form1>(description());
    EXPECT_EQ(p->window().windowTitle(), QStringLiteral("Form1"));
    EXPECT_EQ(p->form().font(), rt::song(24)) << "the form's font, in which it prints";
    EXPECT_EQ(p->window().size(), QSize(587, 328));
    EXPECT_EQ(p->widget<QPushButton>("Command1")->geometry(), QRect(24, 232, 537, 73));
    EXPECT_EQ(p->widget<QPushButton>("Command1")->text(), QStringLiteral("随机生成0-9的数组，不含重复元素"));
    EXPECT_EQ(p->widget<QPushButton>("Command1")->font().pixelSize(), 27);
}

TEST(RandomPermutationQtTest, ClickPrintsOneArrangementOfTheTenDigits) {
    auto p = QtProgram::of<Form1>(description());
    QTest::mouseClick(p->widget<QPushButton>("Command1"), Qt::LeftButton);
    ASSERT_EQ(p->form().printed().ended_lines().size(), 1u);
    const rt::Text line = p->form().printed().ended_lines().front();
    rt::Text digits;
    for (std::size_t k = 1; k < line.size(); k += 3) digits += line[k];
    std::sort(digits.begin(), digits.end());
    EXPECT_EQ(digits, "0123456789") << line;
    EXPECT_EQ(rt::testing::accessible_name(p->window().print_surface()), QString::fromStdString(line + "\n"));

    const QFontMetrics metrics(rt::qt::qt_font(description().font.value()));
    EXPECT_LT(metrics.horizontalAdvance(QString::fromStdString(line)), p->window().width());
}

}  // namespace
}  // namespace random_permutation
