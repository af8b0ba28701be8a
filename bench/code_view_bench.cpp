// SPDX-License-Identifier: MIT
// How long 代码 takes to open the first time, per program: the code window built (its three
// files laid out, coloured, their line numbers drawn) and painted once, on Qt's offscreen
// platform. Each run opens the view of a fresh program window, so nothing is built before.
//
//   code-view-bench [--rounds N] [PROGRAM...]
#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "all_programs.h"
#include "statistics.h"
#include "rt/qt/application_setup.h"
#include "rt/qt/code_window.h"
#include "rt/testing/qt_program.h"

namespace {

using bench::median;
using bench::minimum;

/// Milliseconds from 代码 until the code window has been drawn once.
double open_once(const programs::ProgramModule& program) {
    rt::testing::QtProgram p(program.description(), program.make_module);
    p.window().set_code(&program.code_view());
    p.window().show();
    QApplication::processEvents();
    const auto started = std::chrono::steady_clock::now();
    p.window().show_code();
    p.window().code_window()->grab();
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - started;
    return took.count();
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    rt::qt::set_up_application(application);
    int rounds = 21;
    std::vector<std::string> chosen;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--rounds" && i + 1 < argc) rounds = std::stoi(argv[++i]);
        else chosen.push_back(arg);
    }
    std::printf("Opening the code view, %d runs each; ms\n%-8s | %6s | %6s | %6s\n", rounds, "program", "min", "median",
                "max");
    for (const auto& program : programs::all()) {
        if (!chosen.empty() && std::find(chosen.begin(), chosen.end(), program.name) == chosen.end()) continue;
        open_once(program);  // not counted: the first run reads the fonts
        std::vector<double> runs;
        for (int run = 0; run < rounds; ++run) runs.push_back(open_once(program));
        std::printf("%-8s | %6.1f | %6.1f | %6.1f\n", std::string(program.name).c_str(),
                    minimum(runs), median(runs), *std::max_element(runs.begin(), runs.end()));
    }
    return 0;
}
