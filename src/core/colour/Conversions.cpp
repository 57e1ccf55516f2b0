#include "core/colour/Conversions.h"

#include <algorithm>

int BerechneHex(int r, int g, int b)
{
    return (b & 0xFF) * 65536 + (g & 0xFF) * 256 + (r & 0xFF);
}

namespace
{
constexpr char digits[] = "0123456789ABCDEF";

void appendByte(QString& text, int v)
{
    const int byte = ((v % 256) + 256) % 256;
    text += QLatin1Char(digits[byte >> 4]);
    text += QLatin1Char(digits[byte & 0xF]);
}

int webIndex(int v)
{
    if (v <= 25)
        return 0;
    if (v <= 76)
        return 1;
    if (v <= 127)
        return 2;
    if (v <= 178)
        return 3;
    if (v <= 229)
        return 4;
    return 5;
}
} // namespace

void HexwertAnzeigen(int r, int g, QString& text, int b)
{
    text.clear();
    text.reserve(7);
    text += QLatin1Char('#');
    appendByte(text, r);
    appendByte(text, g);
    appendByte(text, b);
}

QString hexText(int r, int g, int b)
{
    QString t;
    HexwertAnzeigen(r, g, t, b);
    return t;
}

int websicher(int v)
{
    return 51 * webIndex(v);
}

int websichereFarben(int value, int level)
{
    if (level < 0 || level > 4)
        level = 2;
    return 51 * std::clamp(webIndex(value) + level - 2, 0, 5);
}
