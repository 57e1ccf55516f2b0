#include "core/import/ImportColour.h"

#include "core/colour/Matrix3.h"
#include "core/colour/OkLab.h"
#include "core/colour/Rounding.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace
{

// CSS Color 4, "Sample code for color conversions".
constexpr Matrix3 xyzToLinearSrgb{{
    {12831.0 / 3959.0, -329.0 / 214.0, -1974.0 / 3959.0},
    {-851781.0 / 878810.0, 1648619.0 / 878810.0, 36519.0 / 878810.0},
    {705.0 / 12673.0, -2585.0 / 12673.0, 705.0 / 667.0},
}};
constexpr Matrix3 linearP3ToXyz{{
    {608311.0 / 1250200.0, 189793.0 / 714400.0, 198249.0 / 1000160.0},
    {35783.0 / 156275.0, 247089.0 / 357200.0, 198249.0 / 2500400.0},
    {0.0, 32229.0 / 714400.0, 5220557.0 / 5000800.0},
}};
constexpr Matrix3 bradfordD50ToD65{{
    {0.955473421488075, -0.02309845494876471, 0.06325924320057072},
    {-0.0283697093338637, 1.0099953980813041, 0.021041441191917323},
    {0.012314014864481998, -0.020507649298898964, 1.330365926242124},
}};

double linearFromGamma(double v)
{
    const double a = std::abs(v);
    return std::copysign(a <= 0.04045 ? a / 12.92 : std::pow((a + 0.055) / 1.055, 2.4), v);
}

Triple linearFromGamma(const Triple& t)
{
    return {linearFromGamma(t.a), linearFromGamma(t.b), linearFromGamma(t.c)};
}

double gammaFromLinear(double v)
{
    const double a = std::abs(v);
    return std::copysign(a <= 0.0031308 ? a * 12.92 : 1.055 * std::pow(a, 1 / 2.4) - 0.055, v);
}

Triple xyzD50FromLab(const Triple& lab)
{
    constexpr double epsilon = 216.0 / 24389.0;
    constexpr double kappa = 24389.0 / 27.0;
    constexpr std::array<double, 3> white{0.3457 / 0.3585, 1.0, (1.0 - 0.3457 - 0.3585) / 0.3585};
    const double fy = (lab.a + 16) / 116;
    const double fx = lab.b / 500 + fy;
    const double fz = fy - lab.c / 200;
    const auto inverse = [&](double f) { return f * f * f > epsilon ? f * f * f : (116 * f - 16) / kappa; };
    const double y = lab.a > kappa * epsilon ? fy * fy * fy : lab.a / kappa;
    return {inverse(fx) * white[0], y * white[1], inverse(fz) * white[2]};
}

Triple cartesian(const Triple& lch)
{
    const double h = lch.c * std::numbers::pi / 180;
    return {lch.a, lch.b * std::cos(h), lch.b * std::sin(h)};
}

// Hue, saturation, lightness to gamma-encoded sRGB, as CSS Color 4's hslToRgb.
Triple srgbFromHsl(const Triple& hsl)
{
    const double h = std::fmod(std::fmod(hsl.a, 360) + 360, 360);
    const auto f = [&](double n) {
        const double k = std::fmod(n + h / 30, 12);
        const double a = hsl.b * std::min(hsl.c, 1 - hsl.c);
        return hsl.c - a * std::max(-1.0, std::min({k - 3, 9 - k, 1.0}));
    };
    return {f(0), f(8), f(4)};
}

Triple srgbFromHwb(const Triple& hwb)
{
    if (hwb.b + hwb.c >= 1) {
        const double grey = hwb.b / (hwb.b + hwb.c);
        return {grey, grey, grey};
    }
    const Triple pure = srgbFromHsl({hwb.a, 1, 0.5});
    const auto f = [&](double v) { return v * (1 - hwb.b - hwb.c) + hwb.b; };
    return {f(pure.a), f(pure.b), f(pure.c)};
}

Triple linearFromOkLab(const Triple& lab)
{
    const Triple p = polar(lab);
    return linearSrgbFromOkLch({p.a, p.b, p.c});
}

// Linear-light sRGB of any source colour, unclipped.
Triple linearSrgb(SourceSpace space, const Triple& v)
{
    switch (space) {
    case SourceSpace::srgb:
        return linearFromGamma(v);
    case SourceSpace::srgbLinear:
        return v;
    case SourceSpace::displayP3:
        return times(xyzToLinearSrgb, times(linearP3ToXyz, linearFromGamma(v)));
    case SourceSpace::xyzD65:
        return times(xyzToLinearSrgb, v);
    case SourceSpace::xyzD50:
        return times(xyzToLinearSrgb, times(bradfordD50ToD65, v));
    case SourceSpace::lab:
        return times(xyzToLinearSrgb, times(bradfordD50ToD65, xyzD50FromLab(v)));
    case SourceSpace::lch:
        return linearSrgb(SourceSpace::lab, cartesian(v));
    case SourceSpace::oklab:
        return linearFromOkLab(v);
    case SourceSpace::oklch:
        return linearFromOkLab(cartesian(v));
    case SourceSpace::hsl:
        return linearFromGamma(srgbFromHsl(v));
    case SourceSpace::hwb:
        return linearFromGamma(srgbFromHwb(v));
    }
    return {};
}

// The gamma-encoded channels where the space has them, so an 8-bit colour
// written as fractions comes back exactly.
Triple gammaSrgb(SourceSpace space, const Triple& v, const Triple& linear)
{
    switch (space) {
    case SourceSpace::srgb:
        return v;
    case SourceSpace::hsl:
        return srgbFromHsl(v);
    case SourceSpace::hwb:
        return srgbFromHwb(v);
    default:
        return {gammaFromLinear(linear.a), gammaFromLinear(linear.b), gammaFromLinear(linear.c)};
    }
}

bool inGamut(double v)
{
    // CSS Color 4's tolerance for noise at the gamut's edge, in linear light.
    constexpr double e = 0.000075;
    return v >= -e && v <= 1 + e;
}

int channel(double gamma)
{
    return std::clamp(roundHalfEven(gamma * 255), 0, 255);
}

bool finite(const Triple& t)
{
    return std::isfinite(t.a) && std::isfinite(t.b) && std::isfinite(t.c);
}

} // namespace

std::optional<SourceSpace> sourceSpaceFromName(QStringView name)
{
    static constexpr std::array<std::pair<const char*, SourceSpace>, 12> names{{
        {"srgb", SourceSpace::srgb},
        {"srgb-linear", SourceSpace::srgbLinear},
        {"display-p3", SourceSpace::displayP3},
        {"xyz-d65", SourceSpace::xyzD65},
        {"xyz", SourceSpace::xyzD65},
        {"xyz-d50", SourceSpace::xyzD50},
        {"lab", SourceSpace::lab},
        {"lch", SourceSpace::lch},
        {"oklab", SourceSpace::oklab},
        {"oklch", SourceSpace::oklch},
        {"hsl", SourceSpace::hsl},
        {"hwb", SourceSpace::hwb},
    }};
    for (const auto& [text, space] : names)
        if (name.compare(QLatin1String(text), Qt::CaseInsensitive) == 0)
            return space;
    return std::nullopt;
}

ImportedColour importedColour(SourceSpace space, const Triple& channels)
{
    if (!finite(channels))
        return {qRgb(0, 0, 0), true};
    const Triple linear = linearSrgb(space, channels);
    if (!finite(linear))
        return {qRgb(0, 0, 0), true};
    if (inGamut(linear.a) && inGamut(linear.b) && inGamut(linear.c)) {
        const Triple g = gammaSrgb(space, channels, linear);
        return {qRgb(channel(g.a), channel(g.b), channel(g.c)), false};
    }
    const Triple p = polar(okLabFromLinearSrgb(linear));
    return {rgbFromLinearSrgb(gamutMappedLinearSrgb({p.a, p.b, p.c})), true};
}

ImportedColour naiveCmykColour(double c, double m, double y, double k)
{
    const auto f = [k](double v) { return (1 - std::clamp(v, 0.0, 1.0)) * (1 - std::clamp(k, 0.0, 1.0)); };
    if (!std::isfinite(c) || !std::isfinite(m) || !std::isfinite(y) || !std::isfinite(k))
        return {qRgb(0, 0, 0), true};
    return {qRgb(channel(f(c)), channel(f(m)), channel(f(y))), false};
}
