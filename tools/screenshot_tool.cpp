// SPDX-License-Identifier: MIT
// Draws each program's window after a typical click, and the launcher, into DIR/NAME.png.
// Random values are scripted, so the pictures come out the same every time.
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <cstdio>
#include <functional>

#include "all_programs.h"
#include "application_setup.h"
#include "launcher_window.h"
#include "qt_program.h"

namespace {

using rt::testing::DialogScript;
using rt::testing::QtProgram;

void type(QtProgram& p, const char* text_box, const char* text) {
    p.widget<QLineEdit>(text_box)->setText(QString::fromUtf8(text));
}
void click(QtProgram& p, const char* button) { p.widget<QPushButton>(button)->click(); }
void answer_and_click(QtProgram& p, const char* button, const char* answer) {
    DialogScript script({rt::testing::type_and_accept(QString::fromUtf8(answer))});
    click(p, button);
}

/// What a user typically does before the picture is taken, per program.
struct Scene {
    const char* program;
    std::function<void(QtProgram&)> act;
};

const Scene kScenes[] = {
    {"orvane",
     [](QtProgram& p) {
         // In the middle of a round: chosen, bet, locked and rolled 2-3-6, not yet settled.
         answer_and_click(p, "Command2", "大");
         answer_and_click(p, "Command3", "15");
         click(p, "Command4");
         p.host().random_values({0.2f, 0.4f, 0.9f});
         click(p, "Command1");
     }},
    {"tilbry",
     [](QtProgram& p) {
         p.host().random_values({0.342f, 0.857f});
         click(p, "Command1");
         click(p, "Command5");
     }},
    {"quennet",
     [](QtProgram& p) {
         for (const char* number : {"2018", "2000000001", "5"}) {
             type(p, "Text1", number);
             click(p, "Command1");
         }
     }},
    {"brasky", [](QtProgram& p) { click(p, "Command4"); }},
    {"mondrel",
     [](QtProgram& p) {
         type(p, "Text1", "5");
         click(p, "Command1");
     }},
    {"sarnic",
     [](QtProgram& p) {
         type(p, "Text1", "2024");
         click(p, "Command1");
     }},
    {"pellow",
     [](QtProgram& p) {
         for (const char* terms : {"3", "10"}) {
             type(p, "Text1", terms);
             click(p, "Command1");
         }
     }},
    {"grentam",
     [](QtProgram& p) {
         type(p, "Text1", "12345678901234567890123456789");
         type(p, "Text2", "98765432109876543210987654321");
         click(p, "Command1");
     }},
    {"luvesk", [](QtProgram& p) { click(p, "Command1"); }},
    {"farrowd",
     [](QtProgram& p) {
         for (int i = 0; i < 3; ++i) click(p, "Command1");
     }},
};

bool save(QWidget& window, const QDir& dir, const char* name) {
    QApplication::processEvents();
    const QString path = dir.filePath(QStringLiteral("%1.png").arg(QLatin1String(name)));
    const bool saved = window.grab().save(path);
    std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(path));
    return saved;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    rt::qt::set_up_application(application);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DIR\n", argv[0]);
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    bool ok = true;
    for (const Scene& scene : kScenes) {
        const programs::ProgramModule& program = programs::find(scene.program);
        QtProgram p(program.window(), program.make_module);
        scene.act(p);
        ok &= save(p.window(), dir, scene.program);
    }
    launcher::LauncherWindow launcher(QStringLiteral("/nonexistent"));
    launcher.show();
    ok &= save(launcher, dir, "teaching-programs");
    return ok ? 0 : 1;
}
