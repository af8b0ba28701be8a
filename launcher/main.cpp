// SPDX-License-Identifier: MIT
#include <QApplication>

#include "rt/qt/application_setup.h"
#include "rt/qt/command_line.h"
#include "rt/qt/first_frame_report.h"
#include "launcher_window.h"

int main(int argc, char** argv) {
    if (const auto status = rt::qt::handle_command_line(rt::qt::this_program(), argc, argv)) return *status;
    QApplication application(argc, argv);
    rt::qt::set_up_application(application);
    launcher::LauncherWindow window(QCoreApplication::applicationDirPath());
    rt::qt::report_first_frame(window);
    rt::qt::show_main_window(window);
    return QApplication::exec();
}
