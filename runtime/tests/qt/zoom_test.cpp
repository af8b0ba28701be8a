// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

#include "probe_window.h"
#include "rt/qt/zoom_limit_hint.h"
#include "rt/testing/qt_program.h"

namespace rt {
namespace {

using testing::DialogScript;
using testing::QtProgram;
using testing::press_key;

class ZoomTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(testing::activate(p->window())); }

    /// Rows of the printing area that hold ink.
    int printed_rows() {
        const QImage image = p->window().print_surface()->grab().toImage();
        const QColor background = image.pixelColor(image.width() - 1, image.height() - 1);
        int rows = 0;
        for (int y = 0; y < image.height(); ++y) {
            bool ink = false;
            for (int x = 0; x < image.width() && !ink; ++x) ink = image.pixelColor(x, y) != background;
            rows += ink;
        }
        return rows;
    }

    std::unique_ptr<QtProgram> p = QtProgram::of<Probe>(test_window());
};

TEST_F(ZoomTest, KeysStepThroughTheZoomsAndCtrlZeroGoesBack) {
    press_key(Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(p->window().zoom(), 110);
    press_key(Qt::Key_Equal, Qt::ControlModifier);
    EXPECT_EQ(p->window().zoom(), 125);
    press_key(Qt::Key_Minus, Qt::ControlModifier);
    press_key(Qt::Key_Minus, Qt::ControlModifier);
    press_key(Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(p->window().zoom(), 90);
    press_key(Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(p->window().zoom(), 100);
    for (int i = 0; i < 10; ++i) press_key(Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(p->window().zoom(), 50) << "the smallest step";
}

TEST_F(ZoomTest, CtrlWheelZoomsOneStepPerNotch) {
    QWidget* label = p->widget<QLabel>("Label1");
    const QPoint at = label->rect().center();
    QWheelEvent up(at, label->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::ControlModifier,
                   Qt::NoScrollPhase, false);
    QApplication::sendEvent(label, &up);
    EXPECT_EQ(p->window().zoom(), 110);
    QWheelEvent down(at, label->mapToGlobal(at), QPoint(), QPoint(0, -240), Qt::NoButton, Qt::ControlModifier,
                     Qt::NoScrollPhase, false);
    QApplication::sendEvent(label, &down);
    EXPECT_EQ(p->window().zoom(), 90);
    QWheelEvent plain(at, label->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(label, &plain);
    EXPECT_EQ(p->window().zoom(), 90) << "the wheel alone does not zoom";
}

TEST_F(ZoomTest, EverythingGrowsSharpTogetherWithThePrintedText) {
    QTest::mouseClick(p->widget<QPushButton>("Command3"), Qt::LeftButton);
    const int rows = printed_rows();
    ASSERT_GT(rows, 5);
    p->window().set_zoom(200);
    EXPECT_EQ(p->window().size(), QSize(800, 400));
    EXPECT_EQ(p->widget<QLabel>("Label1")->geometry(), QRect(20, 40, 200, 60));
    EXPECT_EQ(p->widget<QLabel>("Label1")->font().pixelSize(), 42);
    EXPECT_EQ(p->widget<QPushButton>("Command2")->font().pixelSize(), 24) << "the runtime's font too";
    EXPECT_NEAR(printed_rows(), 2 * rows, 3) << "printed in the zoomed font";
    const QPixmap picture = p->window().grab();
    EXPECT_EQ(picture.size(), QSize(800, 400) * qApp->devicePixelRatio()) << "drawn at full resolution";
}

TEST_F(ZoomTest, DialogsAndMenusOpenAtTheWindowsZoom) {
    p->window().set_zoom(200);
    const std::unique_ptr<QMenu> menu(p->window().print_surface()->create_context_menu());
    EXPECT_EQ(menu->font().pixelSize(), 24);
    int entry_font = 0;
    DialogScript script({[&entry_font](QWidget* dialog) {
        entry_font = dialog->findChild<QLineEdit*>()->font().pixelSize();
        testing::press(QStringLiteral("取消"))(dialog);
    }});
    QTest::mouseClick(p->widget<QPushButton>("Command1"), Qt::LeftButton);
    EXPECT_EQ(entry_font, 24);
}

TEST_F(ZoomTest, ZoomingInStopsAtTheLargestStepThatFitsAndKeepsTheWindowOnItsScreen) {
    const QRect available = p->window().screen()->availableGeometry();
    p->window().move(available.right() - 450, available.bottom() - 250);
    for (int i = 0; i < 12; ++i) press_key(Qt::Key_Plus, Qt::ControlModifier);
    // 400 x 200 at 100 %, and the frame: the largest step whose window still fits.
    const QSize frame = p->window().frameGeometry().size() - p->window().size();
    int largest = 100;
    for (int step : qt::kZoomSteps)
        if (qt::pixels(6000, step) + frame.width() <= available.width() &&
            qt::pixels(3000, step) + frame.height() <= available.height())
            largest = step;
    ASSERT_LT(largest, 300) << "the screen is too large for this test";
    EXPECT_EQ(p->window().zoom(), largest);
    EXPECT_TRUE(available.contains(p->window().frameGeometry())) << "moved to stay on the screen";
    // The key that did nothing says why, for a moment, without taking the keyboard.
    const qt::ZoomLimitHint* hint = p->window().zoom_limit_hint();
    ASSERT_NE(hint, nullptr);
    EXPECT_TRUE(hint->isVisible());
    EXPECT_EQ(testing::accessible_name(const_cast<qt::ZoomLimitHint*>(hint)), QStringLiteral("已是最大"));
    EXPECT_TRUE(p->window().isActiveWindow());
    EXPECT_TRUE(QTest::qWaitFor([hint] { return !hint->isVisible(); }, 30'000)) << "gone again";
}

TEST(DialogTitleTest, MessageBoxesAreWideEnoughForTheirTitles) {
    auto p = QtProgram::of<Probe>(test_window());
    int width = 0;
    QString title;
    DialogScript script({[&](QWidget* dialog) {
        width = dialog->minimumWidth();
        title = dialog->windowTitle();
        testing::press(QStringLiteral("确定"))(dialog);
    }});
    p->widget<QLineEdit>("Text1")->setText(QStringLiteral("40000"));
    QTest::mouseClick(p->widget<QPushButton>("Command4"), Qt::LeftButton);  // "溢出"
    ASSERT_EQ(title, QStringLiteral("运行时错误"));
    // The title, and at least a title bar's icon and close button beside it.
    const QFontMetrics title_font(QApplication::font("QMdiSubWindowTitleBar"));
    EXPECT_GE(width, title_font.horizontalAdvance(title) + 4 * title_font.height());
}

}  // namespace
}  // namespace rt
