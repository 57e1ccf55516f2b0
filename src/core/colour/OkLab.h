#pragma once

#include "core/colour/ColourFormats.h"

#include <QRgb>

// OKLCH: lightness 0..1, chroma, hue in degrees.
struct OkLch {
    double l = 0, c = 0, h = 0;
};

OkLch okLchFromRgb(QRgb c);

// Linear-light sRGB, possibly outside 0..1 when the colour is out of gamut.
Tripel linearSrgbFromOkLch(const OkLch& c);
Tripel okLabFromLinearSrgb(const Tripel& linear);

// Euclidean distance in OKLab, as CSS Color 4's deltaEOK.
double deltaEOk(const Tripel& labA, const Tripel& labB);

// CSS Color 4 gamut mapping to sRGB: keeps lightness and hue and lowers
// chroma by binary search until clipping the colour moves it less than the
// just noticeable difference (deltaEOK 0.02). Result in linear light, 0..1.
Tripel gamutMappedLinearSrgb(const OkLch& c);

// The same, except where its final clip would turn the hue by more than a
// degree (chroma above 0.02): there the chroma is lowered to the gamut's edge
// instead, so the hue stays.
Tripel hueKeepingGamutMappedLinearSrgb(const OkLch& c);

// Both mappings for one chroma and hue at any lightness, the hue's sine and
// cosine worked out once.
class GamutMapping
{
public:
    GamutMapping(double chroma, double hue);
    Tripel cssLinear(double lightness) const;
    Tripel hueKeepingLinear(double lightness) const;
    // Unmapped, possibly out of gamut.
    Tripel linearAt(double lightness, double chroma) const;

private:
    struct Mapped {
        Tripel linear;
        Tripel lab; // OKLab of `linear`, where it was clipped
        bool clipped = false;
    };
    Mapped css(double lightness) const;

    double m_chroma, m_cos, m_sin;
};

// Nearest 8-bit sRGB colour of a linear-light colour in 0..1.
QRgb rgbFromLinearSrgb(const Tripel& linear);
