#pragma once

#include "core/colour/Matrix3.h"

#include <QString>
#include <QVector>

// A colour in the notations designers and style sheets use. Channels are
// sRGB in 0..1 so that published reference values in fractions can be
// checked; the program's own colours come in as 0..255.

Triple srgbFromChannels(int r, int g, int b);

// Hue in degrees 0..360, saturation and lightness/value in 0..1.
Triple hslFrom(const Triple& srgb);
Triple hsvFrom(const Triple& srgb);

// Device-independent CMYK (no profile): c, m, y, k in 0..1.
struct Cmyk {
    double c = 0, m = 0, y = 0, k = 0;
};
Cmyk cmykFrom(const Triple& srgb);

// CIE XYZ relative to D65, as CSS Color 4 derives it from sRGB.
Triple xyzD65From(const Triple& srgb);
// CIE Lab as CSS lab(): D50 white, XYZ adapted from D65 with Bradford.
Triple labFrom(const Triple& srgb);
// OKLab from XYZ D65, with the matrices CSS Color 4 uses.
Triple oklabFromXyz(const Triple& xyzD65);
Triple oklabFrom(const Triple& srgb);
// The same from linear-light sRGB, in one matrix step (gamut mapping asks often).
Triple oklabFromLinearSrgb(const Triple& linearSrgb);
// Lab-like (L, a, b) to polar (L, C, h); h in 0..360, 0 for a grey.
Triple polar(const Triple& lab);

// One line of the colour formats window: its label, the text shown and the
// text copied (the CSS notation where CSS has one).
struct FormatRow {
    QString name;
    QString text;
    QString css; // empty when CSS has no notation for it
};

// Hex, rgb(), HSL, HSV, CMYK, Lab, LCh, OKLab, OKLCH of one colour.
QVector<FormatRow> colourFormatRows(int r, int g, int b);
