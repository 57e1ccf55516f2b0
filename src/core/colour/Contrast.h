#pragma once

#include <QRgb>

// WCAG 2.2 relative luminance (0..1) and contrast ratio (1..21; order does not matter).
double relativeLuminanz(QRgb c);
double kontrastVerhaeltnis(QRgb a, QRgb b);
double kontrastVerhaeltnis(double luminanzA, double luminanzB);

// APCA-W3 0.1.9 lightness contrast Lc of `text` on `hintergrund`: positive
// for dark text on a light background, negative for light on dark.
double apcaLc(QRgb text, QRgb hintergrund);

// What Lc needs of one colour, worked out once for a whole matrix.
struct ApcaLeuchte {
    double y = 0;                             // soft-clamped screen luminance
    double normBG = 0, normTXT = 0, revTXT = 0, revBG = 0; // y to each exponent
};
ApcaLeuchte apcaLeuchte(QRgb c);
double apcaLc(const ApcaLeuchte& text, const ApcaLeuchte& hintergrund);

// The levels marked beside the values.
enum class WcagStufe { keine, aaGross, aa, aaa };  // ratio 3, 4.5, 7
WcagStufe wcagStufe(double verhaeltnis);
// Highest APCA level |Lc| reaches: 0, 45, 60, 75 or 90.
int apcaStufe(double lc);
