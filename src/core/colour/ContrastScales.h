#pragma once

#include <QRgb>
#include <QVector>

// Steps of a colour that reach given contrast levels against a background.
enum class ContrastMethod { wcag2, apca };

// WCAG 2 ratios 1.5 … 15, or APCA |Lc| 15 … 90.
QVector<double> defaultTargets(ContrastMethod method);

struct ScaleStep {
    double target = 0;
    bool reached = false; // false: no colour of this hue gets there on this background
    QRgb rgb = 0;         // opaque; only when reached
    double lightness = 0; // the OKLCH lightness searched, before gamut mapping and 8-bit rounding
    double wcagRatio = 0; // the step against the background
    double apcaLc = 0;    // the step as text on the background
};

// One step per target, targets ascending. All steps lie on the side of the
// background where black or white gives the more contrast, so their
// lightness moves away from the background's as the target rises.
struct ColourScale {
    QRgb colour = 0;
    QVector<ScaleStep> steps;
};

// Each step keeps the colour's OKLCH hue and chroma, the chroma lowered by
// gamut mapping where sRGB cannot show it; its OKLCH lightness is the one
// closest to the background whose 8-bit colour still reaches the target.
// Targets that are not finite and positive are left out.
ColourScale contrastScale(QRgb colour, QRgb background, ContrastMethod method, QVector<double> targets);
QVector<ColourScale> contrastScales(const QVector<QRgb>& colours, QRgb background, ContrastMethod method,
                                    const QVector<double>& targets);

// A light set and a dark set, each against its own background.
struct ScaleBackgrounds {
    QRgb light = qRgb(255, 255, 255);
    QRgb dark = qRgb(0, 0, 0);
};
struct LightAndDarkScales {
    QVector<ColourScale> light, dark;
};
LightAndDarkScales lightAndDarkScales(const QVector<QRgb>& colours, const ScaleBackgrounds& backgrounds,
                                      ContrastMethod method, const QVector<double>& targets);
