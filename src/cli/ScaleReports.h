#pragma once

#include "core/colour/ContrastScales.h"

#include <QRgb>
#include <QString>
#include <QVector>

#include <optional>

// What --background and --targets ask of --scales.
struct ScaleRequest {
    QRgb background = qRgb(255, 255, 255);
    ContrastMethod method = ContrastMethod::wcag2;
    QVector<double> targets = defaultTargets(ContrastMethod::wcag2);
};

// "#RRGGBB" or "RRGGBB" (a "#" starts a comment in a shell).
std::optional<QRgb> backgroundFrom(const QString& text);
// "wcag", "apca", or a list of positive numbers with decimal points, comma
// separated: WCAG 2 ratios, or APCA |Lc| after "apca:" ("wcag:" may lead too).
std::optional<ScaleRequest> targetsFrom(const QString& text);

// The head line `header`, then per distinct colour (first occurrence order) and
// target one tab-separated line: colour, target, step, WCAG 2 ratio, APCA Lc
// of the step as text on the background; "-" for a step that cannot be had.
QString scalesReport(const QVector<QRgb>& colours, const ScaleRequest& request, const QString& header);

// One tab-separated line per pair of distinct colours that a colour-vision
// deficiency runs together: the kind's English name in lower case, both
// colours, their CIEDE2000 distance as that vision sees them.
QString confusedPairsReport(const QVector<QRgb>& colours);
