// SPDX-License-Identifier: MIT
// A few sizes in the digit matrix, under valgrind's memcheck: it prints on its window and
// refuses bad sizes. Valgrind fails the test on any invalid read or write, use of an
// uninitialised value, or definite leak.
#include <QLineEdit>

#include "digit_matrix/form1.h"
#include "digit_matrix/window.h"
#include "valgrind_session.h"

namespace valgrind_session {
namespace {

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
}  // namespace valgrind_session
