#include "core/colour/ColourVision.h"

#include <algorithm>
#include <cmath>

namespace
{

using Matrix = std::array<std::array<double, 3>, 3>;

// Machado, Oliveira and Fernandes (2009), "A Physiologically-based Model for
// Simulation of Color Vision Deficiency", severity 1.0, for linear sRGB.
constexpr Matrix protanMatrix{
    {{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216}, {-0.003882, -0.048116, 1.051998}}};
constexpr Matrix deutanMatrix{
    {{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}}};
constexpr Matrix tritanMatrix{
    {{1.255528, -0.076749, -0.178779}, {-0.078411, 0.930809, 0.147602}, {0.004733, 0.691367, 0.303900}}};

double decode(double v)
{
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

struct Tabellen {
    std::array<double, 256> linear{};
    // Linear value at which the encoded value k rounds up to k + 1: encoding
    // is then a search, exact and without pow.
    std::array<double, 255> schwellen{};
    Tabellen()
    {
        for (int k = 0; k < 256; ++k)
            linear[static_cast<std::size_t>(k)] = decode(k / 255.0);
        for (int k = 0; k < 255; ++k)
            schwellen[static_cast<std::size_t>(k)] = decode((k + 0.5) / 255.0);
    }
};

const Tabellen& lookupTables()
{
    static const Tabellen t;
    return t;
}

QRgb withMatrix(const Matrix& m, QRgb c)
{
    const Tabellen& t = lookupTables();
    const double lin[3] = {t.linear[static_cast<std::size_t>(qRed(c))],
                           t.linear[static_cast<std::size_t>(qGreen(c))],
                           t.linear[static_cast<std::size_t>(qBlue(c))]};
    int aus[3];
    for (std::size_t i = 0; i < 3; ++i)
        aus[i] = linearToSrgb(m[i][0] * lin[0] + m[i][1] * lin[1] + m[i][2] * lin[2]);
    return qRgba(aus[0], aus[1], aus[2], qAlpha(c));
}

} // namespace

double srgbToLinear(int v)
{
    return lookupTables().linear[static_cast<std::size_t>(std::clamp(v, 0, 255))];
}

int linearToSrgb(double linear)
{
    if (!(linear > 0.0)) // NaN too
        return 0;
    const auto& s = lookupTables().schwellen;
    return static_cast<int>(
        std::upper_bound(s.begin(), s.end(), linear, [](double v, double t) { return v < t; }) - s.begin());
}

QRgb protanopia(QRgb c)
{
    return withMatrix(protanMatrix, c);
}

QRgb deuteranopia(QRgb c)
{
    return withMatrix(deutanMatrix, c);
}

QRgb tritanopia(QRgb c)
{
    return withMatrix(tritanMatrix, c);
}

// Rec. 709 relative luminance of the linear colour, shown as grey.
QRgb achromatopsia(QRgb c)
{
    const double y =
        0.2126 * srgbToLinear(qRed(c)) + 0.7152 * srgbToLinear(qGreen(c)) + 0.0722 * srgbToLinear(qBlue(c));
    const int g = linearToSrgb(y);
    return qRgba(g, g, g, qAlpha(c));
}

QRgb simulated(ColourVisionKind kind, QRgb c)
{
    switch (kind) {
    case ColourVisionKind::normal:
        return c;
    case ColourVisionKind::protanopia:
        return protanopia(c);
    case ColourVisionKind::deuteranopia:
        return deuteranopia(c);
    case ColourVisionKind::tritanopia:
        return tritanopia(c);
    case ColourVisionKind::achromatopsia:
        return achromatopsia(c);
    }
    return c;
}
