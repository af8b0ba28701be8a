// SPDX-License-Identifier: MIT
#include <QAccessible>
#include <QClipboard>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QMenu>
#include <QRegularExpression>
#include <QStyleHints>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "rt/qt/cursor_blink.h"
#include "rt/qt/fonts.h"
#include "probe_window.h"
#include "rt/testing/qt_program.h"

namespace rt {
namespace {

using testing::DialogScript;
using testing::QtProgram;

class QtHostTest : public ::testing::Test {
protected:
    std::unique_ptr<QtProgram> p = QtProgram::of<Probe>(test_window());
    QLabel* label = p->widget<QLabel>("Label1");
    QLineEdit* edit = p->widget<QLineEdit>("Text1");
};

TEST_F(QtHostTest, GeometryIsTwipsOverFifteen) {
    EXPECT_EQ(p->window().windowTitle(), QStringLiteral("测试窗口"));
    EXPECT_EQ(p->window().size(), QSize(400, 200));
    EXPECT_EQ(label->geometry(), QRect(10, 20, 100, 30));
    EXPECT_EQ(p->widget<QPushButton>("Command3")->geometry(), QRect(230, 100, 100, 40));
    EXPECT_EQ(p->window().print_surface()->geometry(), QRect(0, 0, 400, 200));
    p->window().resize(500, 300);
    EXPECT_EQ(p->window().print_surface()->geometry(), QRect(0, 0, 500, 300)) << "printing covers the client area";
    EXPECT_EQ(label->geometry(), QRect(10, 20, 100, 30)) << "controls keep their places";
}

TEST_F(QtHostTest, SongFaceResolvesToAnInstalledCjkFaceWithEqualHalfWidthAdvances) {
    const QFont font = qt::qt_font(song(15.75));
    EXPECT_TRUE(qt::song_families().contains(QFontInfo(font).family()))
        << "宋体 resolved to " << QFontInfo(font).family().toStdString() << ", no Song-style face";
    EXPECT_EQ(font.pixelSize(), 21);
    EXPECT_EQ(qt::qt_font(song(24)).pixelSize(), 32);
    EXPECT_EQ(qt::qt_font(default_font()).pixelSize(), 12);
    const QFontMetricsF metrics(font);
    const qreal blank = metrics.horizontalAdvance(QLatin1Char(' '));
    EXPECT_GT(blank, 0);
    for (QChar c : QStringLiteral("*0123456789-=ABCabc"))
        EXPECT_EQ(metrics.horizontalAdvance(c), blank) << "character " << QString(c).toStdString();
    EXPECT_EQ(metrics.horizontalAdvance(QStringLiteral("中")), 2 * blank) << "a Chinese character is two half-widths";
}

TEST_F(QtHostTest, TabOrderFollowsTheDescription) {
    QWidget* first = p->widget<QWidget>("Text1");
    EXPECT_EQ(first->nextInFocusChain(), p->widget<QWidget>("Command1"));
    EXPECT_EQ(p->widget<QWidget>("Command1")->nextInFocusChain(), p->widget<QWidget>("Command2"));
    EXPECT_EQ(label->focusPolicy(), Qt::NoFocus);
}

TEST_F(QtHostTest, RealClickReachesItsHandlerAndInputBoxAnswers) {
    DialogScript script({testing::type_and_accept(QStringLiteral("你好"))});
    QTest::mouseClick(p->widget<QPushButton>("Command1"), Qt::LeftButton);
    EXPECT_TRUE(script.done());
    EXPECT_EQ(label->text(), QStringLiteral("[你好]"));
    EXPECT_EQ(p->form().control<Label>("Label1").Caption(), "[你好]");
}

TEST_F(QtHostTest, InputBoxShowsItsTextsAndCancelGivesEmptyText) {
    QStringList texts;
    DialogScript script({testing::read_then_press(texts, QStringLiteral("取消"))});
    QTest::mouseClick(p->widget<QPushButton>("Command1"), Qt::LeftButton);
    EXPECT_EQ(label->text(), QStringLiteral("[]"));
    EXPECT_EQ(texts, (QStringList{"提问", "请输入", "确定", "取消"}));
}

TEST_F(QtHostTest, EscapeCancelsTheInputBox) {
    DialogScript script({[](QWidget* dialog) {
        dialog->findChild<QLineEdit*>()->setText(QStringLiteral("不要"));
        QTest::keyClick(dialog, Qt::Key_Escape);
    }});
    QTest::mouseClick(p->widget<QPushButton>("Command1"), Qt::LeftButton);
    EXPECT_EQ(label->text(), QStringLiteral("[]"));
}

TEST_F(QtHostTest, DisabledButtonDeliversNothing) {
    auto* disabled = p->widget<QPushButton>("Command2");
    EXPECT_FALSE(disabled->isEnabled());
    QTest::mouseClick(disabled, Qt::LeftButton);
    EXPECT_EQ(label->text(), QStringLiteral("标签"));
}

TEST_F(QtHostTest, RuntimeErrorIsReportedInAnErrorBoxAndTheWindowStays) {
    edit->setText(QStringLiteral("40000"));
    EXPECT_EQ(p->form().control<TextBox>("Text1").Text(), "40000") << "typing reaches the model";
    QStringList texts;
    DialogScript script({testing::read_then_press(texts, QStringLiteral("确定"))});
    QTest::mouseClick(p->widget<QPushButton>("Command4"), Qt::LeftButton);
    EXPECT_EQ(texts, (QStringList{"运行时错误", "溢出", "确定"}));
    EXPECT_EQ(label->text(), QStringLiteral("之前")) << "the step before the error stays done";
    EXPECT_TRUE(p->window().isVisible());
}

TEST_F(QtHostTest, MessageBoxShowsTheRedErrorIcon) {
    QImage icon;
    DialogScript script({[&icon](QWidget* dialog) {
        for (auto* l : dialog->findChildren<QLabel*>())
            if (!l->pixmap().isNull()) icon = l->pixmap().toImage();
        testing::press(QStringLiteral("确定"))(dialog);
    }});
    edit->setText(QStringLiteral("1e9"));
    QTest::mouseClick(p->widget<QPushButton>("Command4"), Qt::LeftButton);
    ASSERT_FALSE(icon.isNull());
    const QColor centre_left = icon.pixelColor(icon.width() / 5, icon.height() / 2);
    EXPECT_GT(centre_left.red(), 170);
    EXPECT_LT(centre_left.green(), 90);
}

TEST_F(QtHostTest, ProgramChangesShowAtOnce) {
    p->form().control<Label>("Label1").SetCaption("新");
    EXPECT_EQ(label->text(), QStringLiteral("新"));
    p->form().control<TextBox>("Text1").SetText("文字");
    EXPECT_EQ(edit->text(), QStringLiteral("文字"));
    p->form().control<CommandButton>("Command2").SetEnabled(true);
    EXPECT_TRUE(p->widget<QPushButton>("Command2")->isEnabled());
    QTest::mouseClick(p->widget<QPushButton>("Command3"), Qt::LeftButton);
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(255, 0, 0));
}

TEST_F(QtHostTest, LabelIsOpaqueInItsBackColour) {
    const QImage image = label->grab().toImage();
    EXPECT_EQ(image.pixelColor(image.width() - 3, image.height() - 3), QColor(0x80, 0xFF, 0xFF));
}

TEST_F(QtHostTest, ScreenReadersSeeCaptionsStatesAndThePrintedText) {
    EXPECT_EQ(testing::accessible_name(label), QStringLiteral("标签"));
    QAccessibleInterface* button = QAccessible::queryAccessibleInterface(p->widget<QPushButton>("Command2"));
    EXPECT_TRUE(button->state().disabled);
    EXPECT_EQ(button->text(QAccessible::Name), QStringLiteral("关"));

    qt::PrintSurface* surface = p->window().print_surface();
    QAccessibleInterface* printed = QAccessible::queryAccessibleInterface(surface);
    ASSERT_NE(printed, nullptr);
    EXPECT_EQ(printed->childCount(), 0);
    EXPECT_TRUE(printed->state().readOnly);
    EXPECT_EQ(printed->rect(), QRect(p->window().mapToGlobal(QPoint(0, 0)), p->window().size()));
    EXPECT_EQ(printed->text(QAccessible::Name), QString());
    QTest::mouseClick(p->widget<QPushButton>("Command3"), Qt::LeftButton);
    EXPECT_EQ(printed->text(QAccessible::Name), QStringLiteral(" 2  3 *\n"));
    QTest::mouseClick(p->widget<QPushButton>("Command3"), Qt::LeftButton);
    EXPECT_EQ(printed->text(QAccessible::Name), QStringLiteral(" 2  3 *\n 2  3 *\n"));
    p->form().Cls();
    EXPECT_EQ(printed->text(QAccessible::Name), QString());
}

// Readers hear a click's sentence as a change of the focused control's description, once per
// click, the same sentence again included. Qt sends accessibility events only while a reader
// listens: run offscreen, the test checks the description; run beside an accessibility bus
// (ClickAnnouncementReachesAReader), the events as well.
TEST_F(QtHostTest, ClickAnnouncesWhatItChangedOnTheFocusedControl) {
    const bool reader = qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON");
    if (reader) {
        // The accessibility bus is started on demand and connects on the event loop.
        const QDeadlineTimer limit(std::chrono::seconds(30));
        while (!QAccessible::isActive() && !limit.hasExpired()) QTest::qWait(10);
        ASSERT_TRUE(QAccessible::isActive()) << "no accessibility bus";
    }
    static std::vector<std::pair<QObject*, QString>> heard;
    heard.clear();
    const auto previous = QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
        if (event->type() == QAccessible::DescriptionChanged)
            heard.emplace_back(event->object(), event->accessibleInterface()->text(QAccessible::Description));
    });
    auto* button = p->widget<QPushButton>("Command4");
    button->setFocus();
    QTest::keyClicks(edit, "12");
    QTest::mouseClick(button, Qt::LeftButton);
    QTest::mouseClick(button, Qt::LeftButton);
    QAccessible::installUpdateHandler(previous);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(button)->text(QAccessible::Description), QStringLiteral("12"));
    const std::pair<QObject*, QString> said{button, QStringLiteral("12")};
    if (reader) EXPECT_EQ(heard, (std::vector{said, said}));
}

TEST_F(QtHostTest, PrintedTextIsPaintedUnderTheControlsAndStays) {
    qt::PrintSurface* surface = p->window().print_surface();
    auto ink = [surface] {
        const QImage image = surface->grab(QRect(0, 0, 150, 20)).toImage();
        const QColor background = image.pixelColor(149, 19);
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) count += image.pixelColor(x, y) != background;
        return count;
    };
    EXPECT_EQ(ink(), 0);
    QTest::mouseClick(p->widget<QPushButton>("Command3"), Qt::LeftButton);
    EXPECT_GT(ink(), 20);
    p->window().hide();
    p->window().show();
    EXPECT_GT(ink(), 20) << "printed text survives hiding and showing";
}

TEST_F(QtHostTest, CopyPutsThePrintedTextOnTheClipboard) {
    qt::PrintSurface* surface = p->window().print_surface();
    const std::unique_ptr<QMenu> empty(surface->create_context_menu());
    ASSERT_EQ(empty->actions().size(), 1);
    EXPECT_EQ(empty->actions()[0]->text(), QStringLiteral("复制"));
    EXPECT_FALSE(empty->actions()[0]->isEnabled()) << "nothing printed, nothing to copy";
    QTest::mouseClick(p->widget<QPushButton>("Command3"), Qt::LeftButton);
    QTest::mouseClick(p->widget<QPushButton>("Command3"), Qt::LeftButton);
    const std::unique_ptr<QMenu> menu(surface->create_context_menu());
    menu->actions()[0]->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral(" 2  3 *\n 2  3 *\n"));
}

TEST_F(QtHostTest, TextBoxContextMenuSpeaksChinese) {
    const std::unique_ptr<QMenu> menu(edit->createStandardContextMenu());
    QStringList texts;
    for (QAction* action : menu->actions()) {
        if (action->isSeparator()) continue;
        // "撤销(&U)\tCtrl+Z" reads 撤销.
        texts << action->text().section(QLatin1Char('\t'), 0, 0).remove(QRegularExpression(QStringLiteral("\\(&.\\)")));
    }
    EXPECT_EQ(texts, (QStringList{"撤销", "重做", "剪切", "复制", "粘贴", "删除", "全选"}));
}

TEST_F(QtHostTest, TextCursorStopsBlinkingWhenNobodyTypesAndBlinksAgainOnInput) {
    auto* hints = QGuiApplication::styleHints();
    const int flash_time = hints->cursorFlashTime() > 0 ? hints->cursorFlashTime() : 1000;
    hints->setCursorFlashTime(flash_time);
    qt::stop_cursor_blinking_when_idle(*qApp, 50);
    edit->setFocus();
    // The waits end when the 50 ms timer has fired; only a timer that never fires runs them out.
    constexpr int kWaitLimitMs = 30'000;
    EXPECT_TRUE(QTest::qWaitFor([&] { return hints->cursorFlashTime() == 0; }, kWaitLimitMs)) << "still blinking";
    QTest::keyClick(edit, Qt::Key_A);
    EXPECT_EQ(hints->cursorFlashTime(), flash_time) << "typing starts the blinking again";
    EXPECT_TRUE(QTest::qWaitFor([&] { return hints->cursorFlashTime() == 0; }, kWaitLimitMs));
}

}  // namespace
}  // namespace rt
