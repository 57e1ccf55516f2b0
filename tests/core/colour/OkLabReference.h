#pragma once

#include <QRgb>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

// OKLab and CSS Color 4 gamut mapping written down from their published
// definitions (CSS Color 4, "Sample code for color conversions" and "CSS
// gamut mapping to an RGB destination"), for checking the production code.
namespace reference
{

using Vec = std::array<double, 3>;
using Mat = std::array<Vec, 3>;

inline Vec mul(const Mat& m, const Vec& v)
{
    Vec r{};
    for (std::size_t i = 0; i < 3; ++i)
        r[i] = m[i][0] * v[0] + m[i][1] * v[1] + m[i][2] * v[2];
    return r;
}

inline Vec linearFromRgb(QRgb c)
{
    auto f = [](int v) {
        const double x = v / 255.0;
        return x <= 0.04045 ? x / 12.92 : std::pow((x + 0.055) / 1.055, 2.4);
    };
    return {f(qRed(c)), f(qGreen(c)), f(qBlue(c))};
}

inline Vec okLabFromLinear(const Vec& lin)
{
    const Mat toXyz{{{506752.0 / 1228815, 87881.0 / 245763, 12673.0 / 70218},
                     {87098.0 / 409605, 175762.0 / 245763, 12673.0 / 175545},
                     {7918.0 / 409605, 87881.0 / 737289, 1001167.0 / 1053270}}};
    const Mat toLms{{{0.8190224379967030, 0.3619062600528904, -0.1288737815209879},
                     {0.0329836539323885, 0.9292868615863434, 0.0361446663506424},
                     {0.0481771893596242, 0.2642395317527308, 0.6335478284694309}}};
    const Mat toLab{{{0.2104542683093140, 0.7936177747023054, -0.0040720430116193},
                     {1.9779985324311684, -2.4285922420485799, 0.4505937096174110},
                     {0.0259040424655478, 0.7827717124575296, -0.8086757549230774}}};
    Vec lms = mul(toLms, mul(toXyz, lin));
    for (double& v : lms)
        v = std::cbrt(v);
    return mul(toLab, lms);
}

// L, C, h (degrees).
inline Vec okLchFromRgb(QRgb c)
{
    const Vec lab = okLabFromLinear(linearFromRgb(c));
    double h = std::atan2(lab[2], lab[1]) * 180 / std::numbers::pi;
    return {lab[0], std::hypot(lab[1], lab[2]), h < 0 ? h + 360 : h};
}

inline Vec okLabFromLch(double l, double c, double h)
{
    const double r = h * std::numbers::pi / 180;
    return {l, c * std::cos(r), c * std::sin(r)};
}

inline Vec linearFromOkLab(const Vec& lab)
{
    const Mat toLms{{{1.0, 0.3963377773761749, 0.2158037573099136},
                     {1.0, -0.1055613458156586, -0.0638541728258133},
                     {1.0, -0.0894841775298119, -1.2914855480194092}}};
    const Mat toXyz{{{1.2268798758459243, -0.5578149944602171, 0.2813910456659647},
                     {-0.0405757452148008, 1.1122868032803170, -0.0717110580655164},
                     {-0.0763729366746601, -0.4214933324022432, 1.5869240198367816}}};
    const Mat toLinear{{{12831.0 / 3959, -329.0 / 214, -1974.0 / 3959},
                        {-851781.0 / 878810, 1648619.0 / 878810, 36519.0 / 878810},
                        {705.0 / 12673, -2585.0 / 12673, 705.0 / 667}}};
    Vec lms = mul(toLms, lab);
    for (double& v : lms)
        v = v * v * v;
    return mul(toLinear, mul(toXyz, lms));
}

inline double deltaEOk(const Vec& x, const Vec& y)
{
    return std::sqrt((x[0] - y[0]) * (x[0] - y[0]) + (x[1] - y[1]) * (x[1] - y[1]) +
                     (x[2] - y[2]) * (x[2] - y[2]));
}

// Linear sRGB in 0..1.
inline Vec gamutMapped(double l, double c, double h)
{
    if (l >= 1)
        return {1, 1, 1};
    if (l <= 0)
        return {0, 0, 0};
    auto inGamut = [](const Vec& v) {
        return std::all_of(v.begin(), v.end(), [](double x) { return x >= -0.000075 && x <= 1.000075; });
    };
    auto clip = [](Vec v) {
        for (double& x : v)
            x = std::clamp(x, 0.0, 1.0);
        return v;
    };
    auto distance = [&](double chroma, const Vec& clipped) {
        return deltaEOk(okLabFromLinear(clipped), okLabFromLch(l, chroma, h));
    };
    const Vec origin = linearFromOkLab(okLabFromLch(l, c, h));
    if (inGamut(origin))
        return clip(origin);
    Vec clipped = clip(origin);
    if (distance(c, clipped) < 0.02)
        return clipped;
    double min = 0, max = c;
    bool minInGamut = true;
    while (max - min > 0.0001) {
        const double chroma = (min + max) / 2;
        const Vec current = linearFromOkLab(okLabFromLch(l, chroma, h));
        if (minInGamut && inGamut(current)) {
            min = chroma;
            continue;
        }
        clipped = clip(current);
        const double e = distance(chroma, clipped);
        if (e < 0.02) {
            if (0.02 - e < 0.0001)
                return clipped;
            minInGamut = false;
            min = chroma;
        } else {
            max = chroma;
        }
    }
    return clipped;
}

// Where the clip turns the hue by more than a degree, chroma lowered to the
// gamut's edge instead.
inline Vec hueKeepingGamutMapped(double l, double c, double h)
{
    const Vec mapped = gamutMapped(l, c, h);
    const Vec lab = okLabFromLinear(mapped);
    const double hue = std::atan2(lab[2], lab[1]) * 180 / std::numbers::pi;
    if (std::hypot(lab[1], lab[2]) <= 0.02 || std::abs(std::remainder(hue - h, 360.0)) <= 1.0)
        return mapped;
    double low = 0, high = c;
    while (high - low > 0.0001) {
        const double m = (low + high) / 2;
        const Vec v = linearFromOkLab(okLabFromLch(l, m, h));
        const bool in =
            std::all_of(v.begin(), v.end(), [](double x) { return x >= -0.000075 && x <= 1.000075; });
        (in ? low : high) = m;
    }
    Vec v = linearFromOkLab(okLabFromLch(l, low, h));
    for (double& x : v)
        x = std::clamp(x, 0.0, 1.0);
    return v;
}

inline QRgb rgbFromLinear(const Vec& lin)
{
    auto f = [](double x) {
        const double e = x <= 0.0031308 ? 12.92 * x : 1.055 * std::pow(x, 1 / 2.4) - 0.055;
        return static_cast<int>(std::lround(std::clamp(e, 0.0, 1.0) * 255));
    };
    return qRgb(f(lin[0]), f(lin[1]), f(lin[2]));
}

} // namespace reference
