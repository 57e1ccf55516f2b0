#include "core/colour/ManualInput.h"

#include "core/colour/Rounding.h"

#include <cstdlib>

Sektor positionDerFarben(Rgb c)
{
    if (c.r == c.g)
        return c.b > c.r ? Sektor::BRG : Sektor::RGB;
    // The first channel (in the order R, G, B) with the extreme value wins ties.
    const int werte[3] = {c.r, c.g, c.b};
    int maxI = 0, minI = 0;
    for (int i = 1; i < 3; ++i) {
        if (werte[i] > werte[maxI])
            maxI = i;
        if (werte[i] < werte[minI])
            minI = i;
    }
    switch (maxI * 3 + minI) {
    case 0 * 3 + 2:
        return Sektor::RGB;
    case 0 * 3 + 1:
        return Sektor::RBG;
    case 1 * 3 + 0:
        return Sektor::GBR;
    case 1 * 3 + 2:
        return Sektor::GRB;
    case 2 * 3 + 0:
        return Sektor::BGR;
    default:
        return Sektor::BRG;
    }
}

Rollen rollen(Rgb c, Sektor s)
{
    switch (s) {
    case Sektor::RGB:
        return {c.r, c.g, c.b};
    case Sektor::RBG:
        return {c.r, c.b, c.g};
    case Sektor::GBR:
        return {c.g, c.b, c.r};
    case Sektor::GRB:
        return {c.g, c.r, c.b};
    case Sektor::BGR:
        return {c.b, c.g, c.r};
    case Sektor::BRG:
        break;
    }
    return {c.b, c.r, c.g};
}

bool inOrdnung(Rgb c, Sektor s)
{
    const Rollen r = rollen(c, s);
    return r.max >= r.mid && r.mid >= r.min;
}

int reinFarben(int max, int mid, int min)
{
    const float a = static_cast<float>(max);
    const float b = static_cast<float>(mid);
    const float c = static_cast<float>(min);
    const float e = max != min ? c * (a - b) / (a - c) : c * (a - b);
    const float f = b - e;
    if (max == 0)
        return roundHalfEven(static_cast<double>(f) * 255.0);
    return roundHalfEven(static_cast<double>(f) * 255.0 / max);
}

std::optional<int> bandSuche(const BandTable& band, Rgb c)
{
    const Sektor s = positionDerFarben(c);
    const Rollen ziel = rollen(c, s);
    const int referenz = reinFarben(ziel.max, ziel.mid, ziel.min);
    // One pass does what the widening tolerance scans decide: the first entry
    // within 1, else the first with the smallest difference.
    int bester = 0, besteDifferenz = 21;
    for (int i = 1; i < bandLaenge; ++i) {
        const Rgb e = band.at(i - 1);
        if (!inOrdnung(e, s))
            continue;
        const Rollen r = rollen(e, s);
        const int d = std::abs(reinFarben(r.max, r.mid, r.min) - referenz);
        if (d <= 1)
            return i;
        if (d < besteDifferenz) {
            besteDifferenz = d;
            bester = i;
        }
    }
    if (bester == 0)
        return std::nullopt;
    return bester;
}

EingabePunkt hellDklFarben(int max, int min)
{
    EingabePunkt p;
    p.y = min == 255 ? 1 : 255 - min;
    const float q = static_cast<float>(255 - max) / static_cast<float>(p.y);
    p.x = 255 - roundHalfEven(static_cast<float>(max) - static_cast<float>(min) * q);
    return p;
}

std::optional<EingabeTreffer> eingabeUmrechnen(Rgb c)
{
    const std::optional<int> p = bandSuche(luminousBand(), c);
    if (!p)
        return std::nullopt;
    const Rollen r = rollen(c, positionDerFarben(c));
    return EingabeTreffer{*p, hellDklFarben(r.max, r.min)};
}

bool checkCHEX(QChar ch)
{
    return (ch >= u'0' && ch <= u'9') || (ch >= u'A' && ch <= u'F') || (ch >= u'a' && ch <= u'f');
}

HexPruefung checkHEX(const QString& text)
{
    if (text.size() != 7)
        return HexPruefung::unvollstaendig;
    if (text[0] != u'#')
        return HexPruefung::ungueltig;
    for (qsizetype i = 1; i < 7; ++i)
        if (!checkCHEX(text[i]))
            return HexPruefung::ungueltig;
    return HexPruefung::gueltig;
}

Rgb hexZuRgb(const QString& text)
{
    const auto kanal = [&](qsizetype i) { return text.mid(i, 2).toInt(nullptr, 16); };
    return {kanal(1), kanal(3), kanal(5)};
}

QString nurZiffern(const QString& text)
{
    QString t;
    for (QChar ch : text)
        if (ch >= u'0' && ch <= u'9')
            t.append(ch);
    return t;
}
