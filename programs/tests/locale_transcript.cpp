// SPDX-License-Identifier: MIT
// Prints what real windows of the arithmetic drill and the dice game show after a fixed series
// of clicks, typed texts and dialog answers, and a table of number/text conversions, all inside
// a QApplication (which applies the user's locale to the process). ctest runs it under several
// locales and compares each transcript with the C.UTF-8 one byte for byte.
#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTextStream>
#include <QTimer>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>

#include "rt/qt/application_setup.h"
#include "arithmetic_practice/form1.h"
#include "arithmetic_practice/window.h"
#include "dice_game/form1.h"
#include "dice_game/window.h"
#include "hex_conversion/form1.h"
#include "hex_conversion/window.h"
#include "rt/testing/qt_program.h"
#include "rt/conversions.h"
#include "rt/errors.h"

namespace {

using rt::testing::DialogScript;
using rt::testing::QtProgram;

QTextStream out(stdout);

/// Everything the window shows: its title, size and direction, then each widget's place,
/// direction, font, colours, state and text, and what screen readers are told.
void dump(QtProgram& p, const QString& step) {
    QWidget& w = p.window();
    out << "== " << step << ": " << w.windowTitle() << ' ' << w.width() << 'x' << w.height()
        << (w.layoutDirection() == Qt::RightToLeft ? " rtl" : " ltr") << '\n';
    for (QWidget* child : w.findChildren<QWidget*>()) {
        const QRect g = child->geometry();
        out << "  " << child->metaObject()->className() << ' ' << child->objectName() << " @" << g.x() << ',' << g.y()
            << ' ' << g.width() << 'x' << g.height() << (child->isRightToLeft() ? " rtl" : "")
            << (child->isEnabled() ? "" : " disabled") << " font=" << child->font().family() << '/'
            << child->font().pixelSize() << " fg=" << child->palette().color(QPalette::WindowText).name()
            << " bg=" << child->palette().color(QPalette::Window).name();
        if (auto* label = qobject_cast<QLabel*>(child)) out << " text=[" << label->text() << ']';
        if (auto* edit = qobject_cast<QLineEdit*>(child)) out << " text=[" << edit->text() << ']';
        if (auto* button = qobject_cast<QAbstractButton*>(child)) out << " text=[" << button->text() << ']';
        out << " name=[" << rt::testing::accessible_name(child) << "]\n";
    }
}

DialogScript* current_script = nullptr;

/// A dialog that the running script does not expect would wait forever: it goes into the
/// transcript and is cancelled, so that a difference shows as a difference, not as a hang.
void cancel_unexpected_dialogs(QObject& owner) {
    auto* timer = new QTimer(&owner);
    QObject::connect(timer, &QTimer::timeout, [] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || !dialog->isVisible() || (current_script && !current_script->done())) return;
        out << "!! unexpected dialog: " << rt::testing::dialog_texts(dialog).join(QLatin1Char('|')) << '\n';
        dialog->reject();
    });
    timer->start(50);
}

void type(QtProgram& p, const char* box, const char* text) { p.widget<QLineEdit>(box)->setText(QString::fromUtf8(text)); }

/// Clicks a button, answering each dialog it opens with a text (typed into an input box, then
/// 确定) or, for an empty answer, reading a message box and pressing 确定.
void click(QtProgram& p, const char* button, std::vector<const char*> answers = {}) {
    QStringList shown;
    std::vector<std::function<void(QWidget*)>> actions;
    for (const char* answer : answers)
        actions.push_back(*answer ? rt::testing::type_and_accept(QString::fromUtf8(answer))
                                  : rt::testing::read_then_press(shown, QStringLiteral("确定")));
    {
        DialogScript script(actions);
        current_script = &script;
        p.widget<QAbstractButton>(button)->click();
        current_script = nullptr;
        if (!script.done()) out << "!! not every dialog opened\n";
    }
    if (!shown.isEmpty()) out << "  dialog: " << shown.join(QLatin1Char('|')) << '\n';
    dump(p, QString::fromUtf8(button));
}

void drill_arithmetic() {
    auto p = QtProgram::of<arithmetic_practice::Form1>(arithmetic_practice::description());
    dump(*p, QStringLiteral("tilbry"));
    // Int(r * 401 + 100): 0.32 gives 228 and 0.3654 gives 246.
    p->host().random_values({0.32f, 0.3654f});
    click(*p, "Command1");
    for (const char* operation : {"Command2", "Command3", "Command4", "Command5"}) click(*p, operation);
    for (const auto& [a, b] : {std::pair{"1.5", "0.25"}, {"１２．５", "-3e2"}, {"2,5", "1 000"}, {"  7e-1", "３"}}) {
        type(*p, "Text1", a);
        type(*p, "Text2", b);
        for (const char* operation : {"Command2", "Command3", "Command4", "Command5"}) click(*p, operation);
    }
    type(*p, "Text1", "1e308");
    type(*p, "Text2", "1e308");
    click(*p, "Command4", {""});  // overflow
    type(*p, "Text1", "");
    type(*p, "Text2", "");
    click(*p, "Command5", {""});  // zero over zero
}

void play_dice() {
    auto p = QtProgram::of<dice_game::Form1>(dice_game::description());
    dump(*p, QStringLiteral("orvane"));
    // Two rounds won with 20 chips (1-2-3 is small), then a bet of 20 still accepted.
    for (int round = 0; round < 2; ++round) {
        click(*p, "Command2", {"小"});
        click(*p, "Command3", {"20"});
        click(*p, "Command4");
        p->host().random_values({0.05f, 0.2f, 0.4f});
        click(*p, "Command1");
        click(*p, "Command5");
    }
    click(*p, "Command3", {"20"});
    click(*p, "Command3", {"2,5e1", ""});
}

void convert_to_hex() {
    auto p = QtProgram::of<hex_conversion::Form1>(hex_conversion::description());
    for (const char* number : {"255", "-2147483648", "3054", "１２３４５", "2.5e3"}) {
        type(*p, "Text1", number);
        click(*p, "Command1");
    }
}

/// The runtime's conversions on a spread of values, each value also as its exact bits.
void conversions() {
    std::mt19937_64 random(12);
    std::vector<double> values = {0, -0.0, 0.1, 2.5, 1.0 / 3, 1e15, 123456789012345.6, 1e-5, 5e-324, 1.7976931348623157e308};
    for (int i = 0; i < 300; ++i) {
        std::uint64_t bits = random();
        double v;
        std::memcpy(&v, &bits, sizeof v);
        if (std::isfinite(v)) values.push_back(v);
        values.push_back(std::ldexp(static_cast<double>(random() % 100000), static_cast<int>(random() % 40) - 20));
    }
    for (double v : values) {
        char bits[64];
        *std::to_chars(bits, bits + sizeof bits, v, std::chars_format::hex).ptr = '\0';
        out << bits << ": ";
        try {
            const rt::Text r8 = rt::StrR8(v);
            const double back = rt::Val(r8).value();
            *std::to_chars(bits, bits + sizeof bits, back, std::chars_format::hex).ptr = '\0';
            out << QString::fromStdString(r8) << " -> " << bits;
            out << " | " << QString::fromStdString(rt::Format(v, "0.###"));
            out << " | " << QString::fromStdString(rt::StrR4(rt::Float32(rt::Float64(v))));
        } catch (const rt::RuntimeError& e) {
            out << " error " << static_cast<int>(e.kind());
        }
        out << '\n';
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    rt::qt::set_up_application(application);
    // On the standard error, so that the transcripts stay comparable: the locale in force and
    // its decimal point, which show that the locale was really applied.
    std::fprintf(stderr, "locale %s, decimal point \"%s\"\n", std::setlocale(LC_ALL, nullptr),
                 std::localeconv()->decimal_point);
    cancel_unexpected_dialogs(application);
    drill_arithmetic();
    play_dice();
    convert_to_hex();
    conversions();
    out.flush();
    return 0;
}
