// SPDX-License-Identifier: MIT
#pragma once

// What the sessions run under valgrind's memcheck share (each program's folder may hold one:
// tests/valgrind_*_test.cpp): clicks through real dialogs on a real window.

#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

#include "rt/testing/qt_program.h"

namespace valgrind_session {

using rt::testing::DialogScript;
using rt::testing::press;
using rt::testing::QtProgram;
using rt::testing::type_and_accept;

inline const QString kOk = QStringLiteral("确定");

inline void click(QtProgram& p, const char* button) { QTest::mouseClick(p.widget<QPushButton>(button), Qt::LeftButton); }

/// Clicks a button whose handler opens dialogs, answering them in order.
inline void click_through(QtProgram& p, const char* button, std::vector<std::function<void(QWidget*)>> answers) {
    DialogScript script(std::move(answers));
    click(p, button);
    EXPECT_TRUE(script.done()) << button << " did not open every dialog expected";
}

inline QString caption(QtProgram& p, const char* name) { return QString::fromStdString(p.form().find(name).content()); }

}  // namespace valgrind_session
