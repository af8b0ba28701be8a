// SPDX-License-Identifier: MIT
#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QListWidget>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "rt/qt/application_setup.h"
#include "rt/qt/zoom_limit_hint.h"
#include "launcher_window.h"
#include "rt/testing/qt_program.h"

namespace launcher {
namespace {

/// How long a wait below may last. Each ends as soon as what it waits for has happened (a
/// program started, a window painted: milliseconds), so only something that never happens lets
/// one run out, however busy the machine.
constexpr int kWaitLimitMs = 30'000;

/// A stand-in program: a shell script with the given body.
void write_program(const QTemporaryDir& dir, const QString& name, const QString& body) {
    QFile script(dir.filePath(name));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(QStringLiteral("#!/bin/sh\n%1\n").arg(body).toUtf8());
    script.close();
    script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
}

/// A stand-in program that leaves a mark when it runs.
void write_marking_program(const QTemporaryDir& dir, const QString& name) {
    write_program(dir, name, QStringLiteral("touch '%1'").arg(dir.filePath(name + ".ran")));
}

bool ran(const QTemporaryDir& dir, const QString& name) {
    return QTest::qWaitFor([&] { return QFile::exists(dir.filePath(name + ".ran")); }, kWaitLimitMs);
}

/// A stand-in program that adds a line to its mark each time it runs.
void write_counting_program(const QTemporaryDir& dir, const QString& name) {
    write_program(dir, name, QStringLiteral("echo ran >> '%1'").arg(dir.filePath(name + ".runs")));
}

/// How often the counting program has run, once at least `expected` runs are seen.
int runs(const QTemporaryDir& dir, const QString& name, int expected) {
    auto count = [&] {
        QFile file(dir.filePath(name + ".runs"));
        return file.open(QIODevice::ReadOnly) ? static_cast<int>(file.readAll().count('\n')) : 0;
    };
    // The caller compares the count, so a wait that runs out needs no report of its own.
    static_cast<void>(QTest::qWaitFor([&] { return count() >= expected; }, kWaitLimitMs));
    return count();
}

TEST(LauncherTest, ListsTheTenProgramsWithTitleAndLine) {
    LauncherWindow window(QStringLiteral("/nonexistent"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("教学小程序"));
    const QStringList titles{"掷骰子猜大小", "小学生算数练习", "数字重排求差", "星号图形", "数字矩阵",
                             "十进制转十六进制", "数列求和", "大数加法", "前100个素数", "0-9随机排列"};
    ASSERT_EQ(window.list()->count(), titles.size());
    for (int row = 0; row < titles.size(); ++row) {
        const QStringList lines = window.list()->item(row)->text().split(QLatin1Char('\n'));
        ASSERT_EQ(lines.size(), 2) << row;
        EXPECT_EQ(lines[0], titles[row]);
        EXPECT_FALSE(lines[1].isEmpty());
        EXPECT_FALSE(window.list()->item(row)->icon().isNull()) << titles[row].toStdString();
    }
}

TEST(LauncherTest, EnterStartsTheChosenProgramAndTheLauncherStays) {
    QTemporaryDir dir;
    write_marking_program(dir, QStringLiteral("orvane"));
    LauncherWindow window(dir.path());
    window.show();
    window.list()->setFocus();
    window.list()->setCurrentRow(0);
    QTest::keyClick(window.list(), Qt::Key_Return);
    EXPECT_TRUE(ran(dir, QStringLiteral("orvane")));
    EXPECT_TRUE(window.isVisible());
}

TEST(LauncherTest, EnterOnTheStartButtonStartsTheCurrentProgram) {
    QTemporaryDir dir;
    write_marking_program(dir, QStringLiteral("farrowd"));
    LauncherWindow window(dir.path());
    ASSERT_TRUE(rt::testing::activate(window));
    window.list()->setCurrentRow(9);
    window.start_button()->setFocus();
    rt::testing::press_key(Qt::Key_Return);
    EXPECT_TRUE(ran(dir, QStringLiteral("farrowd")));
}

TEST(LauncherTest, AProgramStartsOnceInTwoSecondsWhateverAsksForIt) {
    using std::chrono::milliseconds;
    QTemporaryDir dir;
    write_counting_program(dir, QStringLiteral("orvane"));
    write_counting_program(dir, QStringLiteral("farrowd"));
    std::chrono::steady_clock::time_point now;
    LauncherWindow window(dir.path(), [&now] { return now; });
    ASSERT_TRUE(rt::testing::activate(window));
    auto click_start = [&] { QTest::mouseClick(window.start_button(), Qt::LeftButton); };
    auto press_enter = [&] {
        window.list()->setFocus();
        QTest::keyClick(window.list(), Qt::Key_Return);
    };
    auto double_click = [&] {
        QWidget* items = window.list()->viewport();
        const QPoint at = window.list()->visualItemRect(window.list()->currentItem()).center();
        // As the window system sends it: the second press comes as the double click.
        QTest::mouseClick(items, Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseDClick(items, Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseRelease(items, Qt::LeftButton, Qt::NoModifier, at);
    };
    auto hold_enter = [&] {  // pressed, repeating, then let go
        window.list()->setFocus();
        QTest::simulateEvent(window.list(), true, Qt::Key_Return, Qt::NoModifier, QString(), false);
        now += milliseconds(3000);
        QTest::simulateEvent(window.list(), true, Qt::Key_Return, Qt::NoModifier, QString(), true);
        QTest::simulateEvent(window.list(), false, Qt::Key_Return, Qt::NoModifier, QString(), false);
    };
    const struct {
        int at_ms;  // since the first request
        int row;    // 0 orvane, 9 farrowd
        std::function<void()> request;
        int orvane_runs, farrowd_runs;  // once this request is done
    } requests[] = {
        {0, 0, click_start, 1, 0},
        {500, 0, click_start, 1, 0},
        {900, 0, press_enter, 1, 0},
        {1500, 0, double_click, 1, 0},
        {1600, 9, press_enter, 1, 1},  // another program has its own two seconds
        {1999, 0, click_start, 1, 1},
        {2000, 0, press_enter, 2, 1},
        {5000, 0, hold_enter, 3, 1},  // its repeat three seconds later starts nothing
        {8000, 9, double_click, 3, 2},
    };
    const auto first = now;
    for (const auto& r : requests) {
        SCOPED_TRACE(r.at_ms);
        now = first + milliseconds(r.at_ms);
        window.list()->setCurrentRow(r.row);
        r.request();
        EXPECT_EQ(runs(dir, QStringLiteral("orvane"), r.orvane_runs), r.orvane_runs);
        EXPECT_EQ(runs(dir, QStringLiteral("farrowd"), r.farrowd_runs), r.farrowd_runs);
    }
}

TEST(LauncherTest, ScreenReadersSeeANamedFrameWithANamedList) {
    LauncherWindow window(QStringLiteral("/nonexistent"));
    window.show();
    QAccessibleInterface* frame = QAccessible::queryAccessibleInterface(&window);
    EXPECT_EQ(frame->role(), QAccessible::Window);
    EXPECT_EQ(frame->text(QAccessible::Name), QStringLiteral("教学小程序"));
    EXPECT_EQ(rt::testing::accessible_name(window.list()), QStringLiteral("程序列表"));
}

// Qt tells screen readers of a change of the list's description, and of the current item while
// the list has focus; without a screen reader (as here) it sends no events to catch, so what
// they would read is checked.
TEST(LauncherTest, ScreenReadersReadTheChosenProgramWithTheList) {
    LauncherWindow window(QStringLiteral("/nonexistent"));
    window.show();
    for (int row : {0, 3}) {
        SCOPED_TRACE(row);
        window.list()->setCurrentRow(row);
        const QStringList title_and_line = window.list()->item(row)->text().split(QLatin1Char('\n'));
        EXPECT_EQ(window.list()->accessibleDescription(), title_and_line.join(QStringLiteral("，")))
            << "the list says which program it would start";
        QAccessibleInterface* item = QAccessible::queryAccessibleInterface(window.list())->child(row);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->text(QAccessible::Name), title_and_line[0]) << "the title, without the line";
        EXPECT_EQ(item->text(QAccessible::Description), title_and_line[1]);
    }
}

TEST(LauncherTest, ZoomKeysZoomTheTextAndIconsToTheLastStep) {
    LauncherWindow window(QStringLiteral("/nonexistent"));
    ASSERT_TRUE(rt::testing::activate(window));
    const int list_text = window.list()->font().pixelSize();
    rt::testing::press_key(Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(window.zoom(), 110) << "one step";
    EXPECT_GT(window.list()->font().pixelSize(), list_text);
    EXPECT_EQ(window.list()->iconSize(), QSize(44, 44));
    for (int i = 0; i < 12; ++i) rt::testing::press_key(Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(window.zoom(), 300) << "the list scrolls, so the screen does not stop it";
    EXPECT_TRUE(window.screen()->availableGeometry().contains(window.frameGeometry()));
    ASSERT_NE(window.zoom_limit_hint(), nullptr);
    EXPECT_TRUE(window.zoom_limit_hint()->isVisible());
    EXPECT_EQ(window.zoom_limit_hint()->text(), QStringLiteral("已是最大"));
    rt::testing::press_key(Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(window.zoom(), 100);
    EXPECT_EQ(window.list()->font().pixelSize(), list_text);
    EXPECT_FALSE(window.zoom_limit_hint()->isVisible());
}

TEST(LauncherTest, StartButtonStartsTheCurrentProgram) {
    QTemporaryDir dir;
    write_marking_program(dir, QStringLiteral("brasky"));
    LauncherWindow window(dir.path());
    window.show();
    window.list()->setCurrentRow(3);
    QTest::mouseClick(window.start_button(), Qt::LeftButton);
    EXPECT_TRUE(ran(dir, QStringLiteral("brasky")));
}

TEST(LauncherTest, AProgramThatCannotStartIsReported) {
    QTemporaryDir dir;
    LauncherWindow window(dir.path());
    window.show();
    QStringList texts;
    rt::testing::DialogScript script({rt::testing::read_then_press(texts, QStringLiteral("确定"))});
    EXPECT_FALSE(window.start(QStringLiteral("luvesk")));
    EXPECT_TRUE(script.done());
    ASSERT_GE(texts.size(), 2);
    EXPECT_EQ(texts[0], QStringLiteral("错误"));
    EXPECT_TRUE(texts[1].startsWith(QStringLiteral("无法启动“前100个素数”：找不到程序文件"))) << texts[1].toStdString();
}

TEST(LauncherTest, ProgramIconsComeInTheSizesWindowManagersAskFor) {
    const QIcon icon = rt::qt::program_icon(QStringLiteral("luvesk"));
    ASSERT_FALSE(icon.isNull());
    EXPECT_TRUE(icon.availableSizes().contains(QSize(16, 16)));
    EXPECT_TRUE(icon.availableSizes().contains(QSize(128, 128)));
    EXPECT_TRUE(rt::qt::program_icon(QStringLiteral("no-such-program")).isNull());
}

TEST(LauncherTest, TheWindowGetsItsIconOnceItIsPainted) {
    const QString own_name = QApplication::applicationName();
    QApplication::setApplicationName(QStringLiteral("orvane"));
    QApplication::setWindowIcon(QIcon());
    LauncherWindow window(QStringLiteral("/nonexistent"));
    rt::qt::show_main_window(window);
    EXPECT_TRUE(QTest::qWaitFor([] { return !QApplication::windowIcon().isNull(); }, kWaitLimitMs));
    EXPECT_EQ(window.windowIcon().cacheKey(), QApplication::windowIcon().cacheKey());
    QApplication::setApplicationName(own_name);
}

}  // namespace
}  // namespace launcher
