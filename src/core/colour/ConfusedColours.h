#pragma once

#include "core/colour/ColourVision.h"

#include <QRgb>
#include <QVector>

// Below this CIEDE2000 distance two colours are not seen as two different
// colours: Mokrzycki and Tatol (2011), "Colour difference ΔE - A survey",
// Machine Graphics and Vision 20(4), set "observer notices two different
// colours" at ΔE above 5.
inline constexpr double confusionDistance = 5.0;

// Two of the given colours (indices, first < second) that differ but look
// alike under `kind`, with the CIEDE2000 distance of their simulated colours.
struct ConfusedPair {
    ColourVisionKind kind = ColourVisionKind::normal;
    int first = 0, second = 0;
    double distance = 0;
};

// For protanopia, deuteranopia, tritanopia and achromatopsia in turn, the
// pairs of distinct colours whose simulated colours lie closer than
// confusionDistance.
QVector<ConfusedPair> confusedPairs(const QVector<QRgb>& colours);
