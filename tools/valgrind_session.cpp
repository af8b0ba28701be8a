// SPDX-License-Identifier: MIT
// A scripted session on real windows, run under valgrind's memcheck by ctest: whole rounds of
// the dice game through its real dialogs (choices, refused and accepted bets, a bet too large
// for 16 bits that ends in the runtime's error report, locking, rolling, settling), then a few
// sizes in the digit matrix, which prints on its window and refuses bad sizes. Valgrind fails
// the test on any invalid read or write, use of an uninitialised value, or definite leak.
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "dice_game/form1.h"
#include "dice_game/window.h"
#include "digit_matrix/form1.h"
#include "digit_matrix/window.h"
#include "rt/testing/qt_program.h"

namespace {

using rt::testing::DialogScript;
using rt::testing::press;
using rt::testing::QtProgram;
using rt::testing::type_and_accept;

const QString kOk = QStringLiteral("确定");

void click(QtProgram& p, const char* button) { QTest::mouseClick(p.widget<QPushButton>(button), Qt::LeftButton); }

/// Clicks a button whose handler opens dialogs, answering them in order.
void click_through(QtProgram& p, const char* button, std::vector<std::function<void(QWidget*)>> answers) {
    DialogScript script(std::move(answers));
    click(p, button);
    EXPECT_TRUE(script.done()) << button << " did not open every dialog expected";
}

QString caption(QtProgram& p, const char* name) { return QString::fromStdString(p.form().find(name).content()); }

TEST(ValgrindSession, DiceRoundsThroughRealDialogs) {
    auto p = QtProgram::of<dice_game::Form1>(dice_game::description());
    // Three throws: 1-2-3 (small), 4-5-6 (big), 6-6-6 (the house takes all).
    p->host().random_values({0.05f, 0.2f, 0.4f, 0.55f, 0.7f, 0.9f, 0.95f, 0.95f, 0.95f});
    const char* const choices[] = {"小", "大", "小"};
    for (const char* choice : choices) {
        click_through(*p, "Command2", {type_and_accept(QString::fromUtf8("大小")), press(kOk)});
        click_through(*p, "Command2", {type_and_accept(QString::fromUtf8(choice))});
        click_through(*p, "Command3", {type_and_accept(QStringLiteral("30")), press(kOk)});
        click_through(*p, "Command3", {type_and_accept(QStringLiteral("1e309")), press(kOk)});
        click_through(*p, "Command3", {type_and_accept(QStringLiteral("10"))});
        click(*p, "Command4");
        click(*p, "Command1");
        click(*p, "Command5");
    }
    // Won 10, won 10, lost 10 on the triple.
    EXPECT_EQ(caption(*p, "Label2"), QStringLiteral("60"));
    EXPECT_EQ(caption(*p, "Label15"), QStringLiteral("3"));
    click_through(*p, "Command4", {press(kOk)});  // no bet yet
}

TEST(ValgrindSession, DigitMatrixPrintsAndRefuses) {
    auto p = QtProgram::of<digit_matrix::Form1>(digit_matrix::description());
    for (const char* size : {"3", "9", "5"}) {
        p->widget<QLineEdit>("Text1")->setText(QString::fromUtf8(size));
        click(*p, "Command1");
    }
    for (const char* refused : {"10", "", "大"}) {
        p->widget<QLineEdit>("Text1")->setText(QString::fromUtf8(refused));
        click_through(*p, "Command1", {press(kOk)});
    }
    EXPECT_EQ(p->form().printed().ended_lines().size(), 5u) << "the matrix of size 5 stays";
}

}  // namespace
