#include "core/colour/ColourDifference.h"

#include <cmath>
#include <numbers>

namespace
{

double radians(double degrees)
{
    return degrees * std::numbers::pi / 180;
}

double degrees(double radians)
{
    return radians * 180 / std::numbers::pi;
}

// Hue angle in 0..360, 0 where a and b are both 0.
double hueAngle(double a, double b)
{
    if (a == 0 && b == 0)
        return 0;
    const double h = degrees(std::atan2(b, a));
    return h < 0 ? h + 360 : h;
}

double pow7Ratio(double c)
{
    const double c7 = std::pow(c, 7);
    return std::sqrt(c7 / (c7 + std::pow(25.0, 7)));
}

} // namespace

double ciede2000(const Triple& lab1, const Triple& lab2)
{
    const double cBar = (std::hypot(lab1.b, lab1.c) + std::hypot(lab2.b, lab2.c)) / 2;
    const double g = 0.5 * (1 - pow7Ratio(cBar));
    const double a1 = (1 + g) * lab1.b;
    const double a2 = (1 + g) * lab2.b;
    const double c1 = std::hypot(a1, lab1.c);
    const double c2 = std::hypot(a2, lab2.c);
    const double h1 = hueAngle(a1, lab1.c);
    const double h2 = hueAngle(a2, lab2.c);

    const double dL = lab2.a - lab1.a;
    const double dC = c2 - c1;
    double dh = 0;
    if (c1 * c2 != 0) {
        dh = h2 - h1;
        if (dh > 180)
            dh -= 360;
        else if (dh < -180)
            dh += 360;
    }
    const double dH = 2 * std::sqrt(c1 * c2) * std::sin(radians(dh / 2));

    const double lBar = (lab1.a + lab2.a) / 2;
    const double cBarPrime = (c1 + c2) / 2;
    double hBar = h1 + h2;
    if (c1 * c2 != 0) {
        if (std::abs(h1 - h2) <= 180)
            hBar = (h1 + h2) / 2;
        else if (h1 + h2 < 360)
            hBar = (h1 + h2 + 360) / 2;
        else
            hBar = (h1 + h2 - 360) / 2;
    }
    const double t = 1 - 0.17 * std::cos(radians(hBar - 30)) + 0.24 * std::cos(radians(2 * hBar)) +
                     0.32 * std::cos(radians(3 * hBar + 6)) - 0.20 * std::cos(radians(4 * hBar - 63));
    const double dTheta = 30 * std::exp(-std::pow((hBar - 275) / 25, 2));
    const double rC = 2 * pow7Ratio(cBarPrime);
    const double l50 = (lBar - 50) * (lBar - 50);
    const double sL = 1 + 0.015 * l50 / std::sqrt(20 + l50);
    const double sC = 1 + 0.045 * cBarPrime;
    const double sH = 1 + 0.015 * cBarPrime * t;
    const double rT = -std::sin(radians(2 * dTheta)) * rC;
    const double l = dL / sL, c = dC / sC, h = dH / sH;
    return std::sqrt(l * l + c * c + h * h + rT * c * h);
}
