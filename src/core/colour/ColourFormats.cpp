#include "core/colour/ColourFormats.h"
#include "core/colour/Matrix3.h"

#include "core/colour/Conversions.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace
{

double linear(double v)
{
    const double betrag = std::abs(v);
    const double l = betrag <= 0.04045 ? betrag / 12.92 : std::pow((betrag + 0.055) / 1.055, 2.4);
    return std::copysign(l, v);
}

// CSS Color 4, "Sample code for color conversions".
constexpr Matrix3 linearSrgbToXyz{{
    {506752.0 / 1228815.0, 87881.0 / 245763.0, 12673.0 / 70218.0},
    {87098.0 / 409605.0, 175762.0 / 245763.0, 12673.0 / 175545.0},
    {7918.0 / 409605.0, 87881.0 / 737289.0, 1001167.0 / 1053270.0},
}};

constexpr Matrix3 bradfordD65ToD50{{
    {1.0479297925449969, 0.022946870601609652, -0.05019226628920524},
    {0.02962780877005599, 0.9904344267538799, -0.017073799063418826},
    {-0.009243040646204504, 0.015055191490298152, 0.7518742814281371},
}};

constexpr Matrix3 xyzToLms{{
    {0.8190224379967030, 0.3619062600528904, -0.1288737815209879},
    {0.0329836539323885, 0.9292868615863434, 0.0361446663506424},
    {0.0481771893596242, 0.2642395317527308, 0.6335478284694309},
}};

constexpr Matrix3 lmsToOklab{{
    {0.2104542683093140, 0.7936177747023054, -0.0040720430116193},
    {1.9779985324311684, -2.4285922420485799, 0.4505937096174110},
    {0.0259040424655478, 0.7827717124575296, -0.8086757549230774},
}};

// Cube root to within 1e-14 relative, faster than the library's: a first
// guess from the exponent bits and two Halley steps.
double cubeRoot(double x)
{
    const double a = std::abs(x);
    if (!(a > 0) || !std::isfinite(a))
        return x;
    double y = std::bit_cast<double>(std::bit_cast<std::uint64_t>(a) / 3 + 0x2A9F7893782DA1CEull);
    for (int i = 0; i < 2; ++i) {
        const double y3 = y * y * y;
        y = y * (y3 + 2 * a) / (2 * y3 + a);
    }
    return std::copysign(y, x);
}

// Hue of the HSL/HSV hexcone in degrees, 0 for a grey.
double hueOf(const Triple& c, double max, double spanne)
{
    if (spanne <= 0)
        return 0;
    double h = 0;
    if (max == c.a)
        h = (c.b - c.c) / spanne + (c.b < c.c ? 6 : 0);
    else if (max == c.b)
        h = (c.c - c.a) / spanne + 2;
    else
        h = (c.a - c.b) / spanne + 4;
    return h * 60;
}

QString numeral(double v, int stellen)
{
    // "-0" would look like a different colour from "0".
    QString t = QString::number(v, 'f', stellen);
    if (t.startsWith(QLatin1Char('-')) &&
        t.mid(1).remove(QLatin1Char('0')).remove(QLatin1Char('.')).isEmpty())
        t.remove(0, 1);
    return t;
}

QString percent(double v, int stellen)
{
    return numeral(v * 100, stellen) + QLatin1Char('%');
}

QString three(const QString& funktion, const QString& x, const QString& y, const QString& z)
{
    return funktion + QLatin1Char('(') + x + QLatin1Char(' ') + y + QLatin1Char(' ') + z + QLatin1Char(')');
}

} // namespace

Triple srgbFromChannels(int r, int g, int b)
{
    return {r / 255.0, g / 255.0, b / 255.0};
}

Triple hslFrom(const Triple& c)
{
    const double max = std::max({c.a, c.b, c.c});
    const double min = std::min({c.a, c.b, c.c});
    const double spanne = max - min;
    const double l = (max + min) / 2;
    const double s = spanne <= 0 || l <= 0 || l >= 1 ? 0 : spanne / (1 - std::abs(2 * l - 1));
    return {hueOf(c, max, spanne), s, l};
}

Triple hsvFrom(const Triple& c)
{
    const double max = std::max({c.a, c.b, c.c});
    const double min = std::min({c.a, c.b, c.c});
    const double spanne = max - min;
    return {hueOf(c, max, spanne), max <= 0 ? 0 : spanne / max, max};
}

Cmyk cmykFrom(const Triple& c)
{
    const double max = std::max({c.a, c.b, c.c});
    if (max <= 0)
        return {0, 0, 0, 1};
    return {(max - c.a) / max, (max - c.b) / max, (max - c.c) / max, 1 - max};
}

Triple xyzD65From(const Triple& srgb)
{
    return times(linearSrgbToXyz, {linear(srgb.a), linear(srgb.b), linear(srgb.c)});
}

Triple labFrom(const Triple& srgb)
{
    constexpr double epsilon = 216.0 / 24389.0;
    constexpr double kappa = 24389.0 / 27.0;
    constexpr std::array<double, 3> weiss{0.3457 / 0.3585, 1.0, (1.0 - 0.3457 - 0.3585) / 0.3585};
    const Triple xyz = times(bradfordD65ToD50, xyzD65From(srgb));
    const auto f = [&](double v) { return v > epsilon ? std::cbrt(v) : (kappa * v + 16) / 116; };
    const double fx = f(xyz.a / weiss[0]);
    const double fy = f(xyz.b / weiss[1]);
    const double fz = f(xyz.c / weiss[2]);
    return {116 * fy - 16, 500 * (fx - fy), 200 * (fy - fz)};
}

Triple oklabFromXyz(const Triple& xyzD65)
{
    const Triple lms = times(xyzToLms, xyzD65);
    return times(lmsToOklab, {std::cbrt(lms.a), std::cbrt(lms.b), std::cbrt(lms.c)});
}

Triple oklabFrom(const Triple& srgb)
{
    return oklabFromXyz(xyzD65From(srgb));
}

Triple oklabFromLinearSrgb(const Triple& linearSrgb)
{
    static const Matrix3 linearToLms = product(xyzToLms, linearSrgbToXyz);
    const Triple lms = times(linearToLms, linearSrgb);
    return times(lmsToOklab, {cubeRoot(lms.a), cubeRoot(lms.b), cubeRoot(lms.c)});
}

Triple polar(const Triple& lab)
{
    const double chroma = std::hypot(lab.b, lab.c);
    double h = std::atan2(lab.c, lab.b) * 180 / std::numbers::pi;
    if (h < 0)
        h += 360;
    // Rounding noise of a grey gives no hue.
    if (chroma < 1e-6)
        h = 0;
    return {lab.a, chroma, h};
}

QVector<FormatRow> colourFormatRows(int r, int g, int b)
{
    r = std::clamp(r, 0, 255);
    g = std::clamp(g, 0, 255);
    b = std::clamp(b, 0, 255);
    const Triple c = srgbFromChannels(r, g, b);
    const Triple hsl = hslFrom(c);
    const Triple hsv = hsvFrom(c);
    const Cmyk cmyk = cmykFrom(c);
    const Triple lab = labFrom(c);
    const Triple lch = polar(lab);
    const Triple ok = oklabFrom(c);
    const Triple okch = polar(ok);
    const QString hex = hexText(r, g, b);
    const QString rgb =
        three(QStringLiteral("rgb"), QString::number(r), QString::number(g), QString::number(b));
    const QString hslText =
        three(QStringLiteral("hsl"), numeral(hsl.a, 1), percent(hsl.b, 1), percent(hsl.c, 1));
    const QString hsvText =
        three(QStringLiteral("hsv"), numeral(hsv.a, 1), percent(hsv.b, 1), percent(hsv.c, 1));
    const QString cmykText =
        QStringLiteral("cmyk(%1 %2 %3 %4)")
            .arg(percent(cmyk.c, 1), percent(cmyk.m, 1), percent(cmyk.y, 1), percent(cmyk.k, 1));
    const QString labText =
        three(QStringLiteral("lab"), numeral(lab.a, 2), numeral(lab.b, 2), numeral(lab.c, 2));
    const QString lchText =
        three(QStringLiteral("lch"), numeral(lch.a, 2), numeral(lch.b, 2), numeral(lch.c, 2));
    // Enough digits that every 8-bit colour's text converts back to that colour
    // (four decimals miss some, #00FFFF among them).
    const QString okText =
        three(QStringLiteral("oklab"), numeral(ok.a, 5), numeral(ok.b, 5), numeral(ok.c, 5));
    const QString okchText =
        three(QStringLiteral("oklch"), numeral(okch.a, 5), numeral(okch.b, 5), numeral(okch.c, 3));
    return {
        {QStringLiteral("Hex"), hex, hex},
        {QStringLiteral("RGB"), rgb, rgb},
        {QStringLiteral("HSL"), hslText, hslText},
        {QStringLiteral("HSV"), hsvText, QString()},
        {QStringLiteral("CMYK"), cmykText, QString()},
        {QStringLiteral("CIE Lab"), labText, labText},
        {QStringLiteral("CIE LCh"), lchText, lchText},
        {QStringLiteral("OKLab"), okText, okText},
        {QStringLiteral("OKLCH"), okchText, okchText},
    };
}
