#include "core/colour/ContrastScales.h"

#include "core/colour/Contrast.h"
#include "core/colour/OkLab.h"

#include <algorithm>
#include <cmath>

namespace
{

// Lightness is searched to well below one 8-bit step, so the colour found
// is the nearest the grid has.
constexpr double lightnessPrecision = 1e-5;

class Measure
{
public:
    Measure(ContrastMethod method, QRgb background)
        : m_method(method), m_luminance(relativeLuminanz(background)), m_apca(apcaLeuchte(background))
    {
        m_darkSide = signedMeasure(qRgb(0, 0, 0)) >= -signedMeasure(qRgb(255, 255, 255));
    }

    bool darkSide() const { return m_darkSide; }

    bool reaches(QRgb c, double target) const
    {
        const double m = signedMeasure(c);
        return (m_darkSide ? m : -m) >= target;
    }

private:
    // Positive for colours darker than the background, negative for lighter.
    double signedMeasure(QRgb c) const
    {
        if (m_method == ContrastMethod::apca)
            return apcaLc(apcaLeuchte(c), m_apca);
        const double y = relativeLuminanz(c);
        const double ratio = kontrastVerhaeltnis(y, m_luminance);
        return y <= m_luminance ? ratio : -ratio;
    }

    ContrastMethod m_method;
    double m_luminance;
    ApcaLeuchte m_apca;
    bool m_darkSide = true;
};

QRgb stepAt(double lightness, const OkLch& colour)
{
    return rgbFromLinearSrgb(hueKeepingGamutMappedLinearSrgb({lightness, colour.c, colour.h}));
}

double hueError(QRgb c, double hue)
{
    return std::abs(std::remainder(okLchFromRgb(c).h - hue, 360.0));
}

// Rounding each channel to the nearest 8-bit value can turn the hue of a dark
// colour by several degrees; then the one of the eight 8-bit colours around
// it that reaches the target and keeps the hue best is taken.
QRgb gridColour(double lightness, const OkLch& colour, double target, const Measure& measure)
{
    const Tripel linear = hueKeepingGamutMappedLinearSrgb({lightness, colour.c, colour.h});
    QRgb best = rgbFromLinearSrgb(linear);
    if (colour.c <= 0.02 || okLchFromRgb(best).c <= 0.02 || hueError(best, colour.h) <= 1.0)
        return best;
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

ScaleStep measured(double target, double lightness, const OkLch& colour, const Measure& measure,
                   QRgb background)
{
    const QRgb step = gridColour(lightness, colour, target, measure);
    return {target, true, step, lightness, kontrastVerhaeltnis(step, background), apcaLc(step, background)};
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
    const double far = measure.darkSide() ? 0.0 : 1.0;
    // Lightness known to miss the targets searched so far; a higher target misses it too.
    double missed = 1.0 - far;
    ColourScale scale{qRgb(qRed(colour), qGreen(colour), qBlue(colour)), {}};
    for (double target : targets) {
        if (!measure.reaches(stepAt(far, hue), target)) {
            scale.steps.append({target, false, 0, 0, 0, 0});
            continue;
        }
        double good = far;
        double bad = missed;
        if (measure.reaches(stepAt(bad, hue), target)) {
            good = bad;
        } else {
            while (std::abs(good - bad) > lightnessPrecision) {
                const double middle = (good + bad) / 2;
                (measure.reaches(stepAt(middle, hue), target) ? good : bad) = middle;
            }
            missed = bad;
        }
        scale.steps.append(measured(target, good, hue, measure, background));
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
