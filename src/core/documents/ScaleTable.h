#pragma once

#include "core/colour/ConfusedColours.h"
#include "core/colour/ContrastScales.h"

#include <QString>
#include <QVector>

#include <optional>

// The scales of the shown colours as a table: rows are colours, columns targets.

// Another row's step at the same target that a simulated vision runs together
// with this one.
struct StepConfusion {
    ColourVisionKind kind = ColourVisionKind::normal;
    int otherRow = 0;
    double distance = 0;
};

// Per row and step (indices as in `scales`), the confusions of that step with
// the other rows' reached steps at the same target under protanopia,
// deuteranopia or tritanopia. Achromatopsia is left out: steps that reach one
// target have about the same luminance, so it would mark every step.
QVector<QVector<QVector<StepConfusion>>> stepConfusions(const QVector<ColourScale>& scales);

// A target as its method writes it: "4.5:1" or "Lc 45".
QString targetText(double target, ContrastMethod method, QChar decimal);
// What a reached step achieves by the method: "4.53:1" or "Lc 61.2"; "-" when not reached.
QString achievedText(const ScaleStep& step, ContrastMethod method, QChar decimal);

// Targets as an editable list: "1.5, 2, 3" with a decimal point, "1,5; 2; 3" with a comma.
QString targetsListText(const QVector<double>& targets, QChar decimal);
// Reads such a list (a semicolon always separates, a comma only where it is
// not the decimal sign); nullopt unless every entry is a positive number.
std::optional<QVector<double>> targetsFromList(const QString& text, QChar decimal);

// One row as tab-separated text: the colour, then per target the step and what it achieves.
QString scaleRowText(const ColourScale& scale, ContrastMethod method, QChar decimal);
// A head line (`colourHeader`, then per target its text and `reachedHeader`) and every row.
QString scaleTableText(const QVector<ColourScale>& scales, ContrastMethod method,
                       const QVector<double>& targets, const QString& colourHeader,
                       const QString& reachedHeader, QChar decimal);
