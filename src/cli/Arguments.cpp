#include "cli/Arguments.h"

#include "cli/CommandLine.h"

#include <array>

namespace
{

constexpr char16_t escapeBase = 0xDC00;

// Bytes of the UTF-8 sequence a lead byte opens; 0 for a byte that opens none.
int sequenceLength(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if ((lead & 0xE0) == 0xC0)
        return 2;
    if ((lead & 0xF0) == 0xE0)
        return 3;
    if ((lead & 0xF8) == 0xF0)
        return 4;
    return 0;
}

bool isValidUtf8(const QByteArray& bytes)
{
    return QString::fromUtf8(bytes).toUtf8() == bytes;
}

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

QString argumentText(const QByteArray& bytes)
{
    if (isValidUtf8(bytes))
        return QString::fromUtf8(bytes);
    QString text;
    for (qsizetype i = 0; i < bytes.size();) {
        const int length = sequenceLength(static_cast<unsigned char>(bytes[i]));
        const QByteArray sequence = bytes.mid(i, length);
        if (length > 0 && sequence.size() == length && isValidUtf8(sequence)) {
            text += QString::fromUtf8(sequence);
            i += length;
        } else {
            text += QChar(static_cast<char16_t>(escapeBase + static_cast<unsigned char>(bytes[i])));
            ++i;
        }
    }
    return text;
}

QByteArray argumentBytes(const QString& text)
{
    QByteArray bytes;
    qsizetype from = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        // A low surrogate after a high one is half of a real character, not a byte.
        const bool escaped = i < text.size() && text[i].unicode() >= escapeBase + 0x80 &&
                             text[i].unicode() <= escapeBase + 0xFF &&
                             (i == 0 || !text[i - 1].isHighSurrogate());
        if (!escaped && i < text.size())
            continue;
        bytes += QStringView(text).mid(from, i - from).toUtf8();
        if (escaped)
            bytes += static_cast<char>(text[i].unicode() - escapeBase);
        from = i + 1;
    }
    return bytes;
}

QStringList argumentTexts(int argc, char** argv)
{
    QStringList texts;
    for (int i = 0; i < argc; ++i)
        texts << argumentText(QByteArray(argv[i]));
    return texts;
}

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
