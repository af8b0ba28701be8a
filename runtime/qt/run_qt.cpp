// SPDX-License-Identifier: MIT
#include <QApplication>
#include <cstdio>
#include <optional>

#include "rt/qt/application_setup.h"
#include "rt/qt/command_line.h"
#include "rt/qt/first_frame_report.h"
#include "rt/qt/form_window.h"
#include "rt/qt/qt_dialogs.h"
#include "rt/qt/qt_host.h"
#include "rt/random.h"

namespace rt {

int run_qt(const FormDescription& description, const ModuleFactory& make_module, const CodeView& code, int argc,
           char** argv) {
    if (const auto status = qt::handle_command_line(qt::this_program(), argc, argv)) return *status;
    QApplication application(argc, argv);
    qt::set_up_application(application);

    qt::QtDialogs dialogs;
    Generator random;
    SystemClock clock;
    Services services{dialogs, random, clock};
    std::optional<Program> program;
    try {
        program.emplace(description, services, make_module);
    } catch (const DescriptionError& e) {
        std::fprintf(stderr, "%s: %s\n", argc > 0 ? argv[0] : "program", e.what());
        return 2;
    }
    qt::FormWindow window(*program);
    window.set_code(&code);
    dialogs.set_parent(&window);
    qt::report_first_frame(window);
    qt::show_main_window(window);
    return QApplication::exec();
}

}  // namespace rt
