// SPDX-License-Identifier: MIT
#include <QFontMetricsF>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "rt/qt/fonts.h"
#include "form1.h"
#include "rt/testing/qt_program.h"
#include "window.h"

namespace star_patterns {
namespace {

using rt::testing::QtProgram;

TEST(StarPatternsQtTest, WindowGeometryInPixels) {
    auto p = QtProgram::of<Form1>(description());
    EXPECT_EQ(p->window().windowTitle(), QStringLiteral("Form1"));
    EXPECT_EQ(p->form().font(), rt::song(15.75)) << "the form's font, in which it prints";
    EXPECT_EQ(p->window().size(), QSize(475, 532));
    const struct {
        const char* name;
        QRect geometry;
        const char* caption;
    } buttons[] = {
        {"Command1", QRect(56, 400, 169, 49), "正三角形"},
        {"Command2", QRect(240, 400, 169, 49), "倒三角形"},
        {"Command3", QRect(56, 464, 169, 49), "实心菱形"},
        {"Command4", QRect(240, 464, 169, 49), "空心菱形"},
    };
    for (const auto& b : buttons) {
        SCOPED_TRACE(b.name);
        EXPECT_EQ(p->widget<QPushButton>(b.name)->geometry(), b.geometry);
        EXPECT_EQ(p->widget<QPushButton>(b.name)->text(), QString::fromUtf8(b.caption));
        EXPECT_EQ(p->widget<QPushButton>(b.name)->font().pixelSize(), 32);
    }
}

TEST(StarPatternsQtTest, ClickedDiamondIsCentredInTheFormFont) {
    auto p = QtProgram::of<Form1>(description());
    QTest::mouseClick(p->widget<QPushButton>("Command3"), Qt::LeftButton);
    const std::vector<rt::Text>& lines = p->form().printed().ended_lines();
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(rt::testing::accessible_name(p->window().print_surface()),
              QString::fromStdString(p->form().printed().text()));

    // Drawn in the form's font, the middle of every line's stars stands at the same place, and
    // the figure fits above the buttons.
    const QFontMetricsF metrics(rt::qt::qt_font(description().font.value()));
    const auto middle = [&](const rt::Text& line) {
        const std::size_t first = line.find('*');
        const QString lead = QString::fromStdString(line.substr(0, first));
        const QString run = QString::fromStdString(line.substr(first));
        return metrics.horizontalAdvance(lead) + metrics.horizontalAdvance(run) / 2;
    };
    for (const rt::Text& line : lines) EXPECT_DOUBLE_EQ(middle(line), middle(lines[5])) << line;
    EXPECT_LT(11 * metrics.height(), p->widget<QPushButton>("Command1")->y());
}

}  // namespace
}  // namespace star_patterns
