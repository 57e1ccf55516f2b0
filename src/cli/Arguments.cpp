#include "cli/Arguments.h"

#include "cli/CommandLine.h"

#include <array>

namespace
{

// Qt's window options as QGuiApplication and QApplication document them.
// They are taken with one or two dashes, a value after a blank or, for some, "=".
constexpr std::array<const char*, 12> windowOptionsWithValue{
    "platform",        "platformpluginpath", "platformtheme", "plugin",
    "qwindowgeometry", "qwindowicon",        "qwindowtitle",  "session",
    "display",         "geometry",           "style",         "stylesheet"};
constexpr std::array<const char*, 3> windowFlags{"reverse", "widgetcount", "qmljsdebugger"};

template <std::size_t n> bool among(const std::array<const char*, n>& names, const QString& name)
{
    for (const char* known : names)
        if (name == QLatin1String(known))
            return true;
    return false;
}

// "--style=fusion" -> "style"; "-" and "--" have no name.
QString optionName(const QString& argument)
{
    QString name = argument.section(QLatin1Char('='), 0, 0);
    name.remove(0, name.startsWith(QLatin1String("--")) ? 2 : 1);
    return name;
}

QByteArray asFileArgument(const QByteArray& file)
{
    return file.startsWith('-') ? QByteArray("./") + file : file;
}

} // namespace

StartPlan planStart(int argc, char** argv)
{
    StartPlan plan;
    QList<QByteArray> files, windowOptions;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (optionsEnded || !argument.startsWith('-')) {
            files << asFileArgument(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        const QString name = optionName(argumentText(argument));
        if (isCommandLineOption(name) || (!among(windowOptionsWithValue, name) && !among(windowFlags, name)))
            return {true, {}};
        windowOptions << argument;
        if (among(windowOptionsWithValue, name) && !argument.contains('=') && i + 1 < argc)
            windowOptions << QByteArray(argv[++i]);
    }
    plan.windowArguments << QByteArray(argv[0]) << files << windowOptions;
    return plan;
}
