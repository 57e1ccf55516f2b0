#pragma once

#include <QRgb>

#include <algorithm>
#include <cmath>

// References written straight from the published definitions, in double:
// - WCAG 2.2, "relative luminance" and "contrast ratio" (W3C Recommendation);
// - APCA-W3 0.1.9 (Myndex, apca-w3 on npm / github.com/Myndex/apca-w3), the
//   SA98G constants; its README's examples are checked in the contrast tests.
inline double referenceWcagLinear(int v)
{
    const double c = v / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

inline double referenceWcagRatio(QRgb a, QRgb b)
{
    auto lum = [](QRgb c) {
        return 0.2126 * referenceWcagLinear(qRed(c)) + 0.7152 * referenceWcagLinear(qGreen(c)) +
               0.0722 * referenceWcagLinear(qBlue(c));
    };
    const double x = lum(a), y = lum(b);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

inline double referenceApcaLc(QRgb text, QRgb bg)
{
    auto y = [](QRgb c) {
        double v = 0.2126729 * std::pow(qRed(c) / 255.0, 2.4) + 0.7151522 * std::pow(qGreen(c) / 255.0, 2.4) +
                   0.0721750 * std::pow(qBlue(c) / 255.0, 2.4);
        return v > 0.022 ? v : v + std::pow(0.022 - v, 1.414);
    };
    const double t = y(text), b = y(bg);
    if (std::abs(b - t) < 0.0005)
        return 0;
    if (b > t) {
        const double s = (std::pow(b, 0.56) - std::pow(t, 0.57)) * 1.14;
        return s < 0.1 ? 0 : (s - 0.027) * 100;
    }
    const double s = (std::pow(b, 0.65) - std::pow(t, 0.62)) * 1.14;
    return s > -0.1 ? 0 : (s + 0.027) * 100;
}
