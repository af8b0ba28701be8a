// SPDX-License-Identifier: MIT
#include "rt/qt/command_line.h"

#include <QCommandLineParser>
#include <QStringList>
#include <array>
#include <cstdio>

namespace rt::qt {

namespace {

// Qt's own options (QGuiApplication, QApplication and the X11 platform read them when the
// application is created): accepted here and left in argv for Qt.
constexpr std::array qt_options_with_value{
    "platform",    "platformpluginpath", "platformtheme", "plugin",  "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "geometry",      "title",   "icon",
    "style",       "stylesheet",         "session",       "display", "name",
    "visual",      "qmljsdebugger"};
constexpr std::array qt_flags{"reverse", "widgetcount", "testability", "sync", "nograb", "dograb", "cmap"};

QString help_text(const ProgramIdentity& program) {
    return QStringLiteral(
               "用法：%1 [选项]\n"
               "%2：%3\n"
               "\n"
               "选项：\n"
               "  -h, --help     显示本帮助后退出\n"
               "  -v, --version  显示版本号后退出\n"
               "\n"
               "也接受 Qt 的通用选项，如 -platform offscreen、-style fusion。\n"
               "详见 man teaching-programs。\n")
        .arg(QString::fromUtf8(program.name), QString::fromUtf8(program.title), QString::fromUtf8(program.summary));
}

/// The argument that named the unknown option, dashes included ("--colour" for "colour").
QString as_typed(const QString& name, const QStringList& arguments) {
    for (const QString& argument : arguments) {
        QString bare = argument.section(QLatin1Char('='), 0, 0);
        while (bare.startsWith(QLatin1Char('-'))) bare.remove(0, 1);
        if (bare == name && argument.startsWith(QLatin1Char('-'))) return argument;
    }
    return name;
}

void write(std::FILE* stream, const QString& text) { std::fputs(text.toLocal8Bit().constData(), stream); }

int refuse(const ProgramIdentity& program, const QString& error) {
    write(stderr, QStringLiteral("%1：%2\n\n").arg(QString::fromUtf8(program.name), error));
    write(stderr, help_text(program));
    return 2;
}

}  // namespace

std::optional<int> handle_command_line(const ProgramIdentity& program, int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
    // Qt's options are single-dash words ("-platform"); ours are read the same way.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOption(help);
    parser.addOption(version);
    for (const char* name : qt_options_with_value)
        parser.addOption(QCommandLineOption(QString::fromLatin1(name), QString(), QStringLiteral("value")));
    for (const char* name : qt_flags) parser.addOption(QCommandLineOption(QString::fromLatin1(name)));

    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (unknown.isEmpty())  // the last option wants a value and none follows
            return refuse(program, QStringLiteral("选项“%1”缺少取值").arg(arguments.last()));
        return refuse(program, QStringLiteral("未知选项“%1”").arg(as_typed(unknown.first(), arguments)));
    }
    if (!parser.positionalArguments().isEmpty())
        return refuse(program, QStringLiteral("不接受参数“%1”").arg(parser.positionalArguments().first()));
    if (parser.isSet(help)) {
        write(stdout, help_text(program));
        return 0;
    }
    if (parser.isSet(version)) {
        write(stdout, QStringLiteral("%1（%2）%3\n")
                          .arg(QString::fromUtf8(program.name), QString::fromUtf8(program.title),
                               QString::fromUtf8(program.version)));
        return 0;
    }
    return std::nullopt;
}

}  // namespace rt::qt
