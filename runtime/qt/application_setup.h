#pragma once

#include <QApplication>

namespace rt::qt {

/// Sets up the application as every program's window needs it: Qt's own texts (the text boxes'
/// context menu, standard buttons) in Chinese whatever the system locale, when the translations
/// are installed; screen readers see the printing area; dialogs and controls without a font of
/// their own use the runtime's default font; the window shows the program's icon, the resource
/// ":/icons/NAME.svg" where NAME is the executable's name.
void set_up_application(QApplication& application);

}  // namespace rt::qt
