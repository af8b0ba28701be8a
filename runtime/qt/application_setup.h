#pragma once

#include <QApplication>

namespace rt::qt {

/// Sets up the application as every program's window needs it: screen readers see the printing
/// area, and dialogs and controls without a font of their own use the runtime's default font.
void set_up_application(QApplication& application);

}  // namespace rt::qt
