// Draws each program's window after a typical click, and the launcher, into DIR/NAME.png.
// Random values are scripted, so the pictures come out the same every time.
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <cstdio>

#include "application_setup.h"
#include "arithmetic_practice/form1.h"
#include "arithmetic_practice/window.h"
#include "big_number_addition/form1.h"
#include "big_number_addition/window.h"
#include "dice_game/form1.h"
#include "dice_game/window.h"
#include "digit_matrix/form1.h"
#include "digit_matrix/window.h"
#include "digit_rearrangement/form1.h"
#include "digit_rearrangement/window.h"
#include "hex_conversion/form1.h"
#include "hex_conversion/window.h"
#include "launcher_window.h"
#include "qt_program.h"
#include "series_sum/form1.h"
#include "series_sum/window.h"

namespace {

using rt::testing::DialogScript;
using rt::testing::QtProgram;
using rt::testing::type_and_accept;

void type(QtProgram& p, const char* text_box, const QString& text) { p.widget<QLineEdit>(text_box)->setText(text); }
void click(QtProgram& p, const char* button) { p.widget<QPushButton>(button)->click(); }
void answer_and_click(QtProgram& p, const char* button, const QString& answer) {
    DialogScript script({type_and_accept(answer)});
    click(p, button);
}

bool save(QWidget& window, const QDir& dir, const char* name) {
    const QString path = dir.filePath(QStringLiteral("%1.png").arg(QLatin1String(name)));
    const bool saved = window.grab().save(path);
    std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(path));
    return saved;
}

template <class Module>
bool shoot(const QDir& dir, const char* name, const rt::FormDescription& window, void (*act)(QtProgram&)) {
    auto program = QtProgram::of<Module>(window);
    act(*program);
    QApplication::processEvents();
    return save(program->window(), dir, name);
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

    ok &= shoot<dice_game::Form1>(dir, "orvane", dice_game::window(), [](QtProgram& p) {
        // In the middle of a round: chosen, bet, locked and rolled 2-3-6, not yet settled.
        answer_and_click(p, "Command2", QStringLiteral("大"));
        answer_and_click(p, "Command3", QStringLiteral("15"));
        click(p, "Command4");
        p.host().random_values({0.2f, 0.4f, 0.9f});
        click(p, "Command1");
    });
    ok &= shoot<arithmetic_practice::Form1>(dir, "tilbry", arithmetic_practice::window(), [](QtProgram& p) {
        p.host().random_values({0.342f, 0.857f});
        click(p, "Command1");
        click(p, "Command5");
    });
    ok &= shoot<digit_rearrangement::Form1>(dir, "quennet", digit_rearrangement::window(), [](QtProgram& p) {
        for (const char* number : {"2018", "2000000001", "5"}) {
            type(p, "Text1", QString::fromUtf8(number));
            click(p, "Command1");
        }
    });
    ok &= shoot<digit_matrix::Form1>(dir, "mondrel", digit_matrix::window(), [](QtProgram& p) {
        type(p, "Text1", QStringLiteral("5"));
        click(p, "Command1");
    });
    ok &= shoot<hex_conversion::Form1>(dir, "sarnic", hex_conversion::window(), [](QtProgram& p) {
        type(p, "Text1", QStringLiteral("2024"));
        click(p, "Command1");
    });
    ok &= shoot<series_sum::Form1>(dir, "pellow", series_sum::window(), [](QtProgram& p) {
        for (const char* terms : {"3", "10"}) {
            type(p, "Text1", QString::fromUtf8(terms));
            click(p, "Command1");
        }
    });
    ok &= shoot<big_number_addition::Form1>(dir, "grentam", big_number_addition::window(), [](QtProgram& p) {
        type(p, "Text1", QStringLiteral("12345678901234567890123456789"));
        type(p, "Text2", QStringLiteral("98765432109876543210987654321"));
        click(p, "Command1");
    });

    launcher::LauncherWindow launcher(QStringLiteral("/nonexistent"));
    launcher.show();
    QApplication::processEvents();
    ok &= save(launcher, dir, "teaching-programs");
    return ok ? 0 : 1;
}
