#pragma once

#include <QString>
#include <QVector>

// A colour in the notations designers and style sheets use. Channels are
// sRGB in 0..1 so that published reference values in fractions can be
// checked; the program's own colours come in as 0..255.
struct Tripel {
    double a = 0, b = 0, c = 0;
};

Tripel srgbAusKanaelen(int r, int g, int b);

// Hue in degrees 0..360, saturation and lightness/value in 0..1.
Tripel hslAus(const Tripel& srgb);
Tripel hsvAus(const Tripel& srgb);

// Device-independent CMYK (no profile): c, m, y, k in 0..1.
struct Cmyk {
    double c = 0, m = 0, y = 0, k = 0;
};
Cmyk cmykAus(const Tripel& srgb);

// CIE XYZ relative to D65, as CSS Color 4 derives it from sRGB.
Tripel xyzD65Aus(const Tripel& srgb);
// CIE Lab as CSS lab(): D50 white, XYZ adapted from D65 with Bradford.
Tripel labAus(const Tripel& srgb);
// OKLab from XYZ D65, with the matrices CSS Color 4 uses.
Tripel oklabAusXyz(const Tripel& xyzD65);
Tripel oklabAus(const Tripel& srgb);
// The same from linear-light sRGB, in one matrix step (gamut mapping asks often).
Tripel oklabFromLinearSrgb(const Tripel& linearSrgb);
// Lab-like (L, a, b) to polar (L, C, h); h in 0..360, 0 for a grey.
Tripel polar(const Tripel& lab);

// One line of the colour formats window: its label, the text shown and the
// text copied (the CSS notation where CSS has one).
struct FormatZeile {
    QString name;
    QString text;
    QString css; // empty when CSS has no notation for it
};

// Hex, rgb(), HSL, HSV, CMYK, Lab, LCh, OKLab, OKLCH of one colour.
QVector<FormatZeile> farbFormate(int r, int g, int b);
