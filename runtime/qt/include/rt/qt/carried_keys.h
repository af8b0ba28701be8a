// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>

namespace rt::qt {

/// Enter or Space held down when a window becomes active was pressed for another window: the
/// launcher that started this program, the button that opened this dialog. Its repeats and its
/// release must not press anything here, so they are dropped until the key is pressed afresh
/// in the window that is now active.
void drop_keys_carried_into_windows(QApplication& application);

}  // namespace rt::qt
