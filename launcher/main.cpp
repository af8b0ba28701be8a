#include <QApplication>

#include "application_setup.h"
#include "first_frame_report.h"
#include "launcher_window.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    rt::qt::set_up_application(application);
    launcher::LauncherWindow window(QCoreApplication::applicationDirPath());
    rt::qt::report_first_frame(window);
    rt::qt::show_main_window(window);
    return QApplication::exec();
}
