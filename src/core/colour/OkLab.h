#pragma once

#include "core/colour/ColourFormats.h"

#include <QRgb>

// OKLCH: lightness 0..1, chroma, hue in degrees.
struct OkLch {
    double l = 0, c = 0, h = 0;
};

OkLch okLchFromRgb(QRgb c);

// Linear-light sRGB, possibly outside 0..1 when the colour is out of gamut.
Triple linearSrgbFromOkLch(const OkLch& c);
Triple okLabFromLinearSrgb(const Triple& linear);

// Euclidean distance in OKLab, as CSS Color 4's deltaEOK.
double deltaEOk(const Triple& labA, const Triple& labB);

// CSS Color 4 gamut mapping to sRGB: keeps lightness and hue and lowers
// chroma by binary search until clipping the colour moves it less than the
// just noticeable difference (deltaEOK 0.02). Result in linear light, 0..1.
Triple gamutMappedLinearSrgb(const OkLch& c);

// The same, except where its final clip would turn the hue by more than a
// degree (chroma above 0.02): there the chroma is lowered to the gamut's edge
// instead, so the hue stays.
Triple hueKeepingGamutMappedLinearSrgb(const OkLch& c);

// Both mappings for one chroma and hue at any lightness, the hue's sine and
// cosine worked out once.
class GamutMapping
{
public:
    GamutMapping(double chroma, double hue);
    Triple cssLinear(double lightness) const;
    Triple hueKeepingLinear(double lightness) const;
    // Unmapped, possibly out of gamut.
    Triple linearAt(double lightness, double chroma) const;

private:
    struct Mapped {
        Triple linear;
        Triple lab; // OKLab of `linear`, where it was clipped
        bool clipped = false;
    };
    Mapped css(double lightness) const;

    double m_chroma, m_cos, m_sin;
};

// Nearest 8-bit sRGB colour of a linear-light colour in 0..1.
QRgb rgbFromLinearSrgb(const Triple& linear);
