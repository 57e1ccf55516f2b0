#include "core/colour/OkLab.h"

#include "core/colour/ColourVision.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace
{

using Matrix = std::array<std::array<double, 3>, 3>;

Tripel times(const Matrix& m, const Tripel& v)
{
    return {m[0][0] * v.a + m[0][1] * v.b + m[0][2] * v.c, m[1][0] * v.a + m[1][1] * v.b + m[1][2] * v.c,
            m[2][0] * v.a + m[2][1] * v.b + m[2][2] * v.c};
}

Matrix product(const Matrix& x, const Matrix& y)
{
    Matrix r{};
    for (std::size_t i = 0; i < 3; ++i)
        for (std::size_t j = 0; j < 3; ++j)
            for (std::size_t k = 0; k < 3; ++k)
                r[i][j] += x[i][k] * y[k][j];
    return r;
}

// CSS Color 4, "Sample code for color conversions": OKLab to LMS, LMS to XYZ
// D65, XYZ D65 to linear sRGB.
constexpr Matrix okLabToLms{{
    {1.0, 0.3963377773761749, 0.2158037573099136},
    {1.0, -0.1055613458156586, -0.0638541728258133},
    {1.0, -0.0894841775298119, -1.2914855480194092},
}};
constexpr Matrix lmsToXyz{{
    {1.2268798758459243, -0.5578149944602171, 0.2813910456659647},
    {-0.0405757452148008, 1.1122868032803170, -0.0717110580655164},
    {-0.0763729366746601, -0.4214933324022432, 1.5869240198367816},
}};
constexpr Matrix xyzToLinearSrgb{{
    {12831.0 / 3959.0, -329.0 / 214.0, -1974.0 / 3959.0},
    {-851781.0 / 878810.0, 1648619.0 / 878810.0, 36519.0 / 878810.0},
    {705.0 / 12673.0, -2585.0 / 12673.0, 705.0 / 667.0},
}};

const Matrix& lmsToLinearSrgb()
{
    static const Matrix m = product(xyzToLinearSrgb, lmsToXyz);
    return m;
}

constexpr double jnd = 0.02;
constexpr double chromaEpsilon = 0.0001;

bool inGamut(const Tripel& linear)
{
    // The CSS algorithm's own tolerance for rounding noise at the gamut's edge.
    constexpr double e = 0.000075;
    return linear.a >= -e && linear.a <= 1 + e && linear.b >= -e && linear.b <= 1 + e && linear.c >= -e &&
           linear.c <= 1 + e;
}

Tripel clipped(const Tripel& linear)
{
    return {std::clamp(linear.a, 0.0, 1.0), std::clamp(linear.b, 0.0, 1.0), std::clamp(linear.c, 0.0, 1.0)};
}

Tripel okLabFromOkLch(const OkLch& c)
{
    const double h = c.h * std::numbers::pi / 180;
    return {c.l, c.c * std::cos(h), c.c * std::sin(h)};
}

} // namespace

OkLch okLchFromRgb(QRgb c)
{
    const Tripel p = polar(oklabAus(srgbAusKanaelen(qRed(c), qGreen(c), qBlue(c))));
    return {p.a, p.b, p.c};
}

Tripel linearSrgbFromOkLch(const OkLch& c)
{
    const Tripel lms = times(okLabToLms, okLabFromOkLch(c));
    return times(lmsToLinearSrgb(), {lms.a * lms.a * lms.a, lms.b * lms.b * lms.b, lms.c * lms.c * lms.c});
}

Tripel okLabFromLinearSrgb(const Tripel& linear)
{
    return oklabAusXyz(xyzD65FromLinearSrgb(linear));
}

double deltaEOk(const Tripel& x, const Tripel& y)
{
    return std::sqrt((x.a - y.a) * (x.a - y.a) + (x.b - y.b) * (x.b - y.b) + (x.c - y.c) * (x.c - y.c));
}

Tripel gamutMappedLinearSrgb(const OkLch& origin)
{
    if (origin.l >= 1)
        return {1, 1, 1};
    if (origin.l <= 0)
        return {0, 0, 0};
    Tripel linear = linearSrgbFromOkLch(origin);
    if (inGamut(linear))
        return clipped(linear);
    OkLch current = origin;
    Tripel clip = clipped(linear);
    if (deltaEOk(okLabFromLinearSrgb(clip), okLabFromOkLch(current)) < jnd)
        return clip;
    double low = 0;
    double high = origin.c;
    bool lowInGamut = true;
    while (high - low > chromaEpsilon) {
        current.c = (low + high) / 2;
        linear = linearSrgbFromOkLch(current);
        if (lowInGamut && inGamut(linear)) {
            low = current.c;
            continue;
        }
        clip = clipped(linear);
        const double e = deltaEOk(okLabFromLinearSrgb(clip), okLabFromOkLch(current));
        if (e < jnd) {
            if (jnd - e < chromaEpsilon)
                return clip;
            lowInGamut = false;
            low = current.c;
        } else {
            high = current.c;
        }
    }
    return clip;
}

Tripel hueKeepingGamutMappedLinearSrgb(const OkLch& c)
{
    const Tripel mapped = gamutMappedLinearSrgb(c);
    const Tripel got = polar(okLabFromLinearSrgb(mapped));
    if (got.b <= 0.02 || std::abs(std::remainder(got.c - c.h, 360.0)) <= 1.0)
        return mapped;
    double low = 0;
    double high = c.c;
    while (high - low > chromaEpsilon) {
        const double middle = (low + high) / 2;
        (inGamut(linearSrgbFromOkLch({c.l, middle, c.h})) ? low : high) = middle;
    }
    return clipped(linearSrgbFromOkLch({c.l, low, c.h}));
}

QRgb rgbFromLinearSrgb(const Tripel& linear)
{
    return qRgb(linearZuSrgb(linear.a), linearZuSrgb(linear.b), linearZuSrgb(linear.c));
}
