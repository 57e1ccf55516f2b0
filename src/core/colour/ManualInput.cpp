#include "core/colour/ManualInput.h"

#include "core/colour/Rounding.h"

#include <cstdlib>

ChannelOrder positionDerFarben(Rgb c)
{
    if (c.r == c.g)
        return c.b > c.r ? ChannelOrder::BRG : ChannelOrder::RGB;
    // The first channel (in the order R, G, B) with the extreme value wins ties.
    const int valueSet[3] = {c.r, c.g, c.b};
    int maxI = 0, minI = 0;
    for (int i = 1; i < 3; ++i) {
        if (valueSet[i] > valueSet[maxI])
            maxI = i;
        if (valueSet[i] < valueSet[minI])
            minI = i;
    }
    switch (maxI * 3 + minI) {
    case 0 * 3 + 2:
        return ChannelOrder::RGB;
    case 0 * 3 + 1:
        return ChannelOrder::RBG;
    case 1 * 3 + 0:
        return ChannelOrder::GBR;
    case 1 * 3 + 2:
        return ChannelOrder::GRB;
    case 2 * 3 + 0:
        return ChannelOrder::BGR;
    default:
        return ChannelOrder::BRG;
    }
}

ChannelRoles channelRoles(Rgb c, ChannelOrder s)
{
    switch (s) {
    case ChannelOrder::RGB:
        return {c.r, c.g, c.b};
    case ChannelOrder::RBG:
        return {c.r, c.b, c.g};
    case ChannelOrder::GBR:
        return {c.g, c.b, c.r};
    case ChannelOrder::GRB:
        return {c.g, c.r, c.b};
    case ChannelOrder::BGR:
        return {c.b, c.g, c.r};
    case ChannelOrder::BRG:
        break;
    }
    return {c.b, c.r, c.g};
}

bool inOrder(Rgb c, ChannelOrder s)
{
    const ChannelRoles r = channelRoles(c, s);
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

std::optional<int> findOnBand(const BandTable& band, Rgb c)
{
    const ChannelOrder s = positionDerFarben(c);
    const ChannelRoles target = channelRoles(c, s);
    const int referenz = reinFarben(target.max, target.mid, target.min);
    // One pass does what the widening tolerance scans decide: the first entry
    // within 1, else the first with the smallest difference.
    int bester = 0, besteDifferenz = 21;
    for (int i = 1; i < bandLength; ++i) {
        const Rgb e = band.at(i - 1);
        if (!inOrder(e, s))
            continue;
        const ChannelRoles r = channelRoles(e, s);
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

InputPoint hellDklFarben(int max, int min)
{
    InputPoint p;
    p.y = min == 255 ? 1 : 255 - min;
    const float q = static_cast<float>(255 - max) / static_cast<float>(p.y);
    p.x = 255 - roundHalfEven(static_cast<float>(max) - static_cast<float>(min) * q);
    return p;
}

std::optional<InputMatch> convertInput(Rgb c)
{
    const std::optional<int> p = findOnBand(luminousBand(), c);
    if (!p)
        return std::nullopt;
    const ChannelRoles r = channelRoles(c, positionDerFarben(c));
    return InputMatch{*p, hellDklFarben(r.max, r.min)};
}

bool checkCHEX(QChar ch)
{
    return (ch >= u'0' && ch <= u'9') || (ch >= u'A' && ch <= u'F') || (ch >= u'a' && ch <= u'f');
}

HexCheck checkHEX(const QString& text)
{
    if (text.size() != 7)
        return HexCheck::incomplete;
    if (text[0] != u'#')
        return HexCheck::invalid;
    for (qsizetype i = 1; i < 7; ++i)
        if (!checkCHEX(text[i]))
            return HexCheck::invalid;
    return HexCheck::valid;
}

Rgb hexToRgb(const QString& text)
{
    const auto colourChannel = [&](qsizetype i) { return text.mid(i, 2).toInt(nullptr, 16); };
    return {colourChannel(1), colourChannel(3), colourChannel(5)};
}

QString digitsOnly(const QString& text)
{
    QString t;
    for (QChar ch : text)
        if (ch >= u'0' && ch <= u'9')
            t.append(ch);
    return t;
}
