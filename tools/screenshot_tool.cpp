// SPDX-License-Identifier: MIT
// Draws each program's window after its typical use, and the launcher, into DIR/NAME.png, and
// the dice game with its code beside it into DIR/orvane-code.png. Random values are scripted,
// so the pictures come out the same every time.
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "all_programs.h"
#include "rt/qt/application_setup.h"
#include "rt/qt/code_window.h"
#include "launcher_window.h"
#include "rt/testing/qt_program.h"
#include "rt/testing/steps.h"

namespace {

using rt::testing::DialogScript;
using rt::testing::QtProgram;
using rt::testing::Step;

/// Performs a program's typical use on its real window. An input method's composition needs a
/// browser, so it is skipped here.
void perform(QtProgram& p, const std::vector<Step>& steps) {
    std::vector<std::function<void(QWidget*)>> answers;
    for (const Step& step : steps) {
        switch (step.kind) {
            case Step::Kind::Type: p.widget<QLineEdit>(step.target)->setText(QString::fromStdString(step.text)); break;
            case Step::Kind::Compose: break;
            case Step::Kind::Answer: answers.push_back(rt::testing::type_and_accept(QString::fromStdString(step.text))); break;
            case Step::Kind::Cancel: answers.push_back(rt::testing::press(QStringLiteral("取消"))); break;
            case Step::Kind::Random: p.host().random_values(step.values); break;
            case Step::Kind::Click: {
                DialogScript script(std::exchange(answers, {}));
                p.widget<QPushButton>(step.target)->click();
                break;
            }
        }
    }
}

bool save(const QPixmap& picture, const QDir& dir, const char* name) {
    const QString path = dir.filePath(QStringLiteral("%1.png").arg(QLatin1String(name)));
    const bool saved = picture.save(path);
    std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(path));
    return saved;
}

/// A window as it is drawn once pending events are handled.
QPixmap drawn(QWidget& window) {
    QApplication::processEvents();
    return window.grab();
}

/// The program window and its code window side by side, on the page's grey, as a user sees
/// them after 代码 and a click.
QPixmap with_code_beside(QtProgram& p) {
    const QPixmap window = drawn(p.window());
    const QPixmap code = p.window().code_window()->grab();
    constexpr int kGap = 16;
    QPixmap both(window.width() + kGap + code.width(), std::max(window.height(), code.height()));
    both.fill(QColor(0xD8, 0xDD, 0xE3));
    QPainter painter(&both);
    painter.drawPixmap(0, 0, window);
    painter.drawPixmap(window.width() + kGap, 0, code);
    return both;
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
    for (const programs::ProgramModule& program : programs::all()) {
        QtProgram p(program.description(), program.make_module);
        perform(p, rt::testing::parse_steps(program.typical_use));
        ok &= save(drawn(p.window()), dir, std::string(program.name).c_str());
    }
    // The code view beside the dice game: opened first, so the round's last click, 掷色子, is
    // the handler marked.
    const programs::ProgramModule& dice = programs::find("orvane");
    QtProgram with_code(dice.description(), dice.make_module);
    with_code.window().set_code(&dice.code_view());
    with_code.window().show();
    with_code.window().show_code();
    perform(with_code, rt::testing::parse_steps(dice.typical_use));
    ok &= save(with_code_beside(with_code), dir, "orvane-code");

    launcher::LauncherWindow launcher(QStringLiteral("/nonexistent"));
    launcher.show();
    ok &= save(drawn(launcher), dir, "teaching-programs");
    return ok ? 0 : 1;
}
