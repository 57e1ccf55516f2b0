#include "core/colour/ContrastScales.h"

#include "core/colour/Contrast.h"
#include "core/colour/OkLab.h"

#include <algorithm>
#include <cmath>

namespace
{

// Lightness is searched to well below one 8-bit step (at least 0.002 in
// OKLCH lightness), so the colour found is the nearest the grid has.
constexpr double lightnessPrecision = 1e-4;

// What a probe of the search learns of a colour: whether it reaches the
// target, and a level that grows about linearly with OKLCH lightness (the cube
// root of the luminance the method uses), for guessing where the target lies.
struct Probe {
    bool reaches = false;
    double level = 0;
};

class Measure
{
public:
    Measure(ContrastMethod method, QRgb background)
        : m_method(method), m_luminance(relativeLuminance(background)), m_apca(apcaLuminance(background))
    {
        m_darkSide = signedMeasure(qRgb(0, 0, 0)) >= -signedMeasure(qRgb(255, 255, 255));
    }

    bool darkSide() const { return m_darkSide; }

    bool reaches(QRgb c, double target) const { return probe(c, target).reaches; }

    Probe probe(QRgb c, double target) const
    {
        if (m_method == ContrastMethod::apca) {
            const ApcaLuminance text = apcaLuminance(c);
            const double lc = apcaLc(text, m_apca);
            return {(m_darkSide ? lc : -lc) >= target, std::cbrt(text.y)};
        }
        const double y = relativeLuminance(c);
        const double ratio = contrastRatio(y, m_luminance);
        return {(m_darkSide ? y <= m_luminance : y >= m_luminance) && ratio >= target, std::cbrt(y)};
    }

    // The level at which the target would be met exactly, from the inverted
    // contrast formula.
    double targetLevel(double target) const
    {
        double y = 0;
        if (m_method == ContrastMethod::apca) {
            const double sapc = (target / 100 + 0.027) / 1.14;
            y = m_darkSide ? std::pow(std::max(m_apca.normBG - sapc, 0.0), 1 / 0.57)
                           : std::pow(m_apca.revBG + sapc, 1 / 0.62);
        } else {
            y = m_darkSide ? (m_luminance + 0.05) / target - 0.05 : target * (m_luminance + 0.05) - 0.05;
        }
        return std::cbrt(std::clamp(y, 0.0, 1.0));
    }

private:
    // Positive for colours darker than the background, negative for lighter.
    double signedMeasure(QRgb c) const
    {
        if (m_method == ContrastMethod::apca)
            return apcaLc(apcaLuminance(c), m_apca);
        const double y = relativeLuminance(c);
        const double ratio = contrastRatio(y, m_luminance);
        return y <= m_luminance ? ratio : -ratio;
    }

    ContrastMethod m_method;
    double m_luminance;
    ApcaLuminance m_apca;
    bool m_darkSide = true;
};

QRgb stepAt(double lightness, const GamutMapping& mapping)
{
    return rgbFromLinearSrgb(mapping.hueKeepingLinear(lightness));
}

double hueError(QRgb c, double hue)
{
    return std::abs(std::remainder(okLchFromRgb(c).h - hue, 360.0));
}

// Rounding each channel to the nearest 8-bit value can turn the hue of a dark
// colour by several degrees; then the one of the eight 8-bit colours around
// it that reaches the target and keeps the hue best is taken.
QRgb gridColour(double lightness, QRgb rounded, const OkLch& colour, const GamutMapping& mapping,
                double target, const Measure& measure)
{
    QRgb best = rounded;
    if (colour.c <= 0.02 || okLchFromRgb(best).c <= 0.02 || hueError(best, colour.h) <= 1.0)
        return best;
    const Triple linear = mapping.hueKeepingLinear(lightness);
    const auto floorOf = [](double v) {
        const double e = v <= 0.0031308 ? 12.92 * v : 1.055 * std::pow(v, 1 / 2.4) - 0.055;
        return std::clamp(static_cast<int>(std::floor(e * 255)), 0, 254);
    };
    const int r = floorOf(linear.a), g = floorOf(linear.b), b = floorOf(linear.c);
    for (int corner = 0; corner < 8; ++corner) {
        const QRgb c = qRgb(r + (corner & 1), g + (corner >> 1 & 1), b + (corner >> 2 & 1));
        if (measure.reaches(c, target) && hueError(c, colour.h) < hueError(best, colour.h))
            best = c;
    }
    return best;
}

ScaleStep measured(double target, double lightness, QRgb rounded, const OkLch& colour,
                   const GamutMapping& mapping, const Measure& measure, QRgb background)
{
    const QRgb step = gridColour(lightness, rounded, colour, mapping, target, measure);
    return {target, true, step, lightness, contrastRatio(step, background), apcaLc(step, background)};
}

// The lightness nearest `bad` that still reaches the target, between `good`
// (reaches) and `bad` (misses). While the bracket is wide, each round guesses
// the crossing from the levels at both ends and probes the guess and one grid
// step past it, which usually closes the bracket to that step; a round that
// does not halve the bracket is followed by a halving. Below a few grid steps
// the levels only tell 8-bit steps apart, so the rest is halving.
struct End {
    double lightness;
    QRgb colour;
    double level;
};
struct Bracket {
    End good, bad;
};

Bracket narrowed(Bracket b, double target, const Measure& measure, const GamutMapping& mapping)
{
    constexpr double gridStep = 0.002;
    const double want = measure.targetLevel(target);
    const double toBad = b.bad.lightness > b.good.lightness ? 1.0 : -1.0;
    const auto width = [&] { return std::abs(b.bad.lightness - b.good.lightness); };
    const auto probeAt = [&](double x) {
        const QRgb c = stepAt(x, mapping);
        const Probe p = measure.probe(c, target);
        (p.reaches ? b.good : b.bad) = {x, c, p.level};
        return p.reaches;
    };
    bool guess = true;
    while (width() > lightnessPrecision) {
        const double before = width();
        if (!guess || before <= 4 * gridStep || b.bad.level == b.good.level) {
            probeAt((b.good.lightness + b.bad.lightness) / 2);
            guess = true;
            continue;
        }
        const double share = std::clamp((want - b.good.level) / (b.bad.level - b.good.level), 0.0, 1.0);
        const double x =
            b.good.lightness + std::clamp(share, 0.05, 0.95) * (b.bad.lightness - b.good.lightness);
        const double past = x + (probeAt(x) ? gridStep : -gridStep) * toBad;
        if ((past - b.good.lightness) * (b.bad.lightness - past) > 0)
            probeAt(past);
        guess = width() <= before / 2;
    }
    return b;
}

} // namespace

QVector<double> defaultTargets(ContrastMethod method)
{
    if (method == ContrastMethod::apca)
        return {15, 30, 45, 60, 75, 90};
    return {1.5, 2, 3, 4.5, 7, 10, 15};
}

ColourScale contrastScale(QRgb colour, QRgb background, ContrastMethod method, QVector<double> targets)
{
    targets.removeIf([](double t) { return !std::isfinite(t) || t <= 0; });
    std::sort(targets.begin(), targets.end());
    const Measure measure(method, background);
    const OkLch hue = okLchFromRgb(colour);
    const GamutMapping mapping(hue.c, hue.h);
    const double far = measure.darkSide() ? 0.0 : 1.0;
    // Known to miss the targets searched so far; a higher target misses it too.
    End missed{1.0 - far, stepAt(1.0 - far, mapping), 0};
    const QRgb farColour = stepAt(far, mapping);
    ColourScale scale{qRgb(qRed(colour), qGreen(colour), qBlue(colour)), {}};
    for (double target : targets) {
        const Probe atFar = measure.probe(farColour, target);
        if (!atFar.reaches) {
            scale.steps.append({target, false, 0, 0, 0, 0});
            continue;
        }
        End good = missed;
        const Probe atMissed = measure.probe(missed.colour, target);
        if (!atMissed.reaches) {
            const Bracket b =
                narrowed({{far, farColour, atFar.level}, {missed.lightness, missed.colour, atMissed.level}},
                         target, measure, mapping);
            good = b.good;
            missed = b.bad;
        }
        scale.steps.append(measured(target, good.lightness, good.colour, hue, mapping, measure, background));
    }
    return scale;
}

QVector<ColourScale> contrastScales(const QVector<QRgb>& colours, QRgb background, ContrastMethod method,
                                    const QVector<double>& targets)
{
    QVector<ColourScale> scales;
    scales.reserve(colours.size());
    for (QRgb c : colours)
        scales.append(contrastScale(c, background, method, targets));
    return scales;
}

LightAndDarkScales lightAndDarkScales(const QVector<QRgb>& colours, const ScaleBackgrounds& backgrounds,
                                      ContrastMethod method, const QVector<double>& targets)
{
    return {contrastScales(colours, backgrounds.light, method, targets),
            contrastScales(colours, backgrounds.dark, method, targets)};
}
