#include "core/colour/OkLab.h"

#include "core/colour/ColourVision.h"
#include "core/colour/Matrix3.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace
{

// CSS Color 4, "Sample code for color conversions": OKLab to LMS, LMS to XYZ
// D65, XYZ D65 to linear sRGB.
constexpr Matrix3 okLabToLms{{
    {1.0, 0.3963377773761749, 0.2158037573099136},
    {1.0, -0.1055613458156586, -0.0638541728258133},
    {1.0, -0.0894841775298119, -1.2914855480194092},
}};
constexpr Matrix3 lmsToXyz{{
    {1.2268798758459243, -0.5578149944602171, 0.2813910456659647},
    {-0.0405757452148008, 1.1122868032803170, -0.0717110580655164},
    {-0.0763729366746601, -0.4214933324022432, 1.5869240198367816},
}};
constexpr Matrix3 xyzToLinearSrgb{{
    {12831.0 / 3959.0, -329.0 / 214.0, -1974.0 / 3959.0},
    {-851781.0 / 878810.0, 1648619.0 / 878810.0, 36519.0 / 878810.0},
    {705.0 / 12673.0, -2585.0 / 12673.0, 705.0 / 667.0},
}};

const Matrix3& lmsToLinearSrgb()
{
    static const Matrix3 m = product(xyzToLinearSrgb, lmsToXyz);
    return m;
}

constexpr double jnd = 0.02;
constexpr double chromaEpsilon = 0.0001;

bool inGamut(const Triple& linear)
{
    // The CSS algorithm's own tolerance for rounding noise at the gamut's edge.
    constexpr double e = 0.000075;
    return linear.a >= -e && linear.a <= 1 + e && linear.b >= -e && linear.b <= 1 + e && linear.c >= -e &&
           linear.c <= 1 + e;
}

double squaredDistance(const Triple& x, const Triple& y)
{
    return (x.a - y.a) * (x.a - y.a) + (x.b - y.b) * (x.b - y.b) + (x.c - y.c) * (x.c - y.c);
}

Triple clipped(const Triple& linear)
{
    return {std::clamp(linear.a, 0.0, 1.0), std::clamp(linear.b, 0.0, 1.0), std::clamp(linear.c, 0.0, 1.0)};
}

} // namespace

OkLch okLchFromRgb(QRgb c)
{
    const Triple p = polar(oklabFrom(srgbFromChannels(qRed(c), qGreen(c), qBlue(c))));
    return {p.a, p.b, p.c};
}

Triple linearSrgbFromOkLch(const OkLch& c)
{
    return GamutMapping(c.c, c.h).linearAt(c.l, c.c);
}

Triple okLabFromLinearSrgb(const Triple& linear)
{
    return oklabFromLinearSrgb(linear);
}

double deltaEOk(const Triple& x, const Triple& y)
{
    return std::sqrt(squaredDistance(x, y));
}

GamutMapping::GamutMapping(double chroma, double hue)
    : m_chroma(chroma), m_cos(std::cos(hue * std::numbers::pi / 180)),
      m_sin(std::sin(hue * std::numbers::pi / 180))
{
}

Triple GamutMapping::linearAt(double l, double c) const
{
    const Triple lms = times(okLabToLms, {l, c * m_cos, c * m_sin});
    return times(lmsToLinearSrgb(), {lms.a * lms.a * lms.a, lms.b * lms.b * lms.b, lms.c * lms.c * lms.c});
}

GamutMapping::Mapped GamutMapping::css(double l) const
{
    if (l >= 1)
        return {{1, 1, 1}, {}, false};
    if (l <= 0)
        return {{0, 0, 0}, {}, false};
    Triple linear = linearAt(l, m_chroma);
    if (inGamut(linear))
        return {clipped(linear), {}, false};
    Mapped clip{clipped(linear), okLabFromLinearSrgb(clipped(linear)), true};
    if (squaredDistance(clip.lab, {l, m_chroma * m_cos, m_chroma * m_sin}) < jnd * jnd)
        return clip;
    double low = 0;
    double high = m_chroma;
    bool lowInGamut = true;
    while (high - low > chromaEpsilon) {
        const double chroma = (low + high) / 2;
        linear = linearAt(l, chroma);
        if (lowInGamut && inGamut(linear)) {
            low = chroma;
            continue;
        }
        clip.linear = clipped(linear);
        clip.lab = okLabFromLinearSrgb(clip.linear);
        const double e2 = squaredDistance(clip.lab, {l, chroma * m_cos, chroma * m_sin});
        if (e2 < jnd * jnd) {
            if (jnd - std::sqrt(e2) < chromaEpsilon)
                return clip;
            lowInGamut = false;
            low = chroma;
        } else {
            high = chroma;
        }
    }
    return clip;
}

Triple GamutMapping::cssLinear(double lightness) const
{
    return css(lightness).linear;
}

Triple GamutMapping::hueKeepingLinear(double lightness) const
{
    const Mapped m = css(lightness);
    if (!m.clipped || std::hypot(m.lab.b, m.lab.c) <= 0.02)
        return m.linear;
    const double along = m.lab.b * m_cos + m.lab.c * m_sin;
    const double across = m.lab.c * m_cos - m.lab.b * m_sin;
    if (std::abs(std::atan2(across, along)) <= std::numbers::pi / 180)
        return m.linear;
    double low = 0;
    double high = m_chroma;
    while (high - low > chromaEpsilon) {
        const double middle = (low + high) / 2;
        (inGamut(linearAt(lightness, middle)) ? low : high) = middle;
    }
    return clipped(linearAt(lightness, low));
}

Triple gamutMappedLinearSrgb(const OkLch& c)
{
    return GamutMapping(c.c, c.h).cssLinear(c.l);
}

Triple hueKeepingGamutMappedLinearSrgb(const OkLch& c)
{
    return GamutMapping(c.c, c.h).hueKeepingLinear(c.l);
}

QRgb rgbFromLinearSrgb(const Triple& linear)
{
    return qRgb(linearToSrgb(linear.a), linearToSrgb(linear.b), linearToSrgb(linear.c));
}
