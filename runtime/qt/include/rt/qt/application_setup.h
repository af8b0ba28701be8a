// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>
#include <QIcon>
#include <QWidget>

namespace rt::qt {

/// Sets up the application as every program's window needs it: Qt's own texts (the text boxes'
/// context menu, standard buttons) in Chinese whatever the system locale, when the translations
/// are installed; screen readers see the printing area and the main window; dialogs and controls
/// without a font of their own use the runtime's default font; text cursors stop blinking when
/// nobody types; Enter or Space held down from another window presses nothing in the window
/// that has just become active.
void set_up_application(QApplication& application);

/// The icon of the named program (or launcher): the resources ":/icons/NAME-SIZE.png". Null
/// when the executable carries none.
QIcon program_icon(const QString& name);

/// Shows the main window. Its icon, the executable's own, follows once the first frame is
/// painted: the user sees the window no later for it.
void show_main_window(QWidget& window);

}  // namespace rt::qt
