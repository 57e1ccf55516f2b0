#pragma once

#include <QRgb>

// WCAG 2.2 relative luminance (0..1) and contrast ratio (1..21; order does not matter).
double relativeLuminance(QRgb c);
double contrastRatio(QRgb a, QRgb b);
double contrastRatio(double luminanceA, double luminanceB);

// Thin marks (markers, frames, cross-hairs) need 3:1 against what they lie on.
inline constexpr double markContrast = 3.0;
// The colour a thin mark is drawn in on `backgroundColour`: `preferred` while it
// reaches markContrast, else `alternative` (the palette's text colour) if that
// does, else whichever of black and white stands out more.
QRgb legibleMarkColour(QRgb preferred, QRgb backgroundColour, QRgb alternative);

// APCA-W3 0.1.9 lightness contrast Lc of `text` on `backgroundColour`: positive
// for dark text on a light background, negative for light on dark.
double apcaLc(QRgb text, QRgb backgroundColour);

// What Lc needs of one colour, worked out once for a whole matrix.
struct ApcaLuminance {
    double y = 0;                                          // soft-clamped screen luminance
    double normBG = 0, normTXT = 0, revTXT = 0, revBG = 0; // y to each exponent
};
ApcaLuminance apcaLuminance(QRgb c);
double apcaLc(const ApcaLuminance& text, const ApcaLuminance& backgroundColour);

// The levels marked beside the values.
enum class WcagLevel { none, aaLarge, aa, aaa }; // ratio 3, 4.5, 7
WcagLevel wcagLevel(double ratio);
// Highest APCA level |Lc| reaches: 0, 45, 60, 75 or 90.
int apcaLevel(double lc);
