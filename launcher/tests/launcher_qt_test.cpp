// SPDX-License-Identifier: MIT
#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QListWidget>
#include <QStyleHints>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "rt/qt/application_setup.h"
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

TEST(LauncherTest, OneRequestStartsOneCopyAndALaterOneAnother) {
    const struct {
        const char* name;
        std::function<void(LauncherWindow&)> make;
    } requests[] = {
        {"a double click on 启动",
         [](LauncherWindow& window) {
             // A minute's double-click interval: the second click falls within it however slow
             // the machine is.
             QGuiApplication::styleHints()->setMouseDoubleClickInterval(60'000);
             QTest::mouseClick(window.start_button(), Qt::LeftButton);
             QTest::mouseClick(window.start_button(), Qt::LeftButton);
         }},
        {"Enter held down on the list, repeating after a while",
         [](LauncherWindow& window) {
             window.list()->setFocus();
             QTest::simulateEvent(window.list(), true, Qt::Key_Return, Qt::NoModifier, QString(), false);
             // Past the double-click interval (a wait lasts at least this long), so that only
             // the repeat itself can keep the repeated press from starting a second copy.
             QTest::qWait(QApplication::doubleClickInterval() + 50);
             QTest::simulateEvent(window.list(), true, Qt::Key_Return, Qt::NoModifier, QString(), true);
             QTest::simulateEvent(window.list(), false, Qt::Key_Return, Qt::NoModifier, QString(), false);
         }},
    };
    const int usual_interval = QApplication::doubleClickInterval();
    for (const auto& request : requests) {
        SCOPED_TRACE(request.name);
        QTemporaryDir dir;
        write_counting_program(dir, QStringLiteral("orvane"));
        LauncherWindow window(dir.path());
        ASSERT_TRUE(rt::testing::activate(window));
        request.make(window);
        EXPECT_EQ(runs(dir, QStringLiteral("orvane"), 1), 1);
        // A wait lasts at least its time, so the next click comes after the interval.
        QGuiApplication::styleHints()->setMouseDoubleClickInterval(usual_interval);
        QTest::qWait(usual_interval + 50);
        QTest::mouseClick(window.start_button(), Qt::LeftButton);
        EXPECT_EQ(runs(dir, QStringLiteral("orvane"), 2), 2) << "a later request starts it again";
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
