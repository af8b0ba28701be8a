// SPDX-License-Identifier: MIT
// Whole rounds of the dice game through its real dialogs, under valgrind's memcheck: choices,
// refused and accepted bets, a bet too large for 16 bits that ends in the runtime's error
// report, locking, rolling, settling. Valgrind fails the test on any invalid read or write, use
// of an uninitialised value, or definite leak.
#include <QLineEdit>

#include "dice_game/form1.h"
#include "dice_game/window.h"
#include "valgrind_session.h"

namespace valgrind_session {
namespace {

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

}  // namespace
}  // namespace valgrind_session
