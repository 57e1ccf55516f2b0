#include "core/colour/ConfusedColours.h"

#include "core/colour/ColourDifference.h"
#include "core/colour/ColourFormats.h"

namespace
{

Triple labOf(QRgb c)
{
    return labFrom(srgbFromChannels(qRed(c), qGreen(c), qBlue(c)));
}

} // namespace

QVector<ConfusedPair> confusedPairs(const QVector<QRgb>& colours)
{
    QVector<ConfusedPair> pairs;
    const auto n = static_cast<int>(colours.size());
    QVector<Triple> seen(n);
    for (ColourVisionKind kind : allColourVisions) {
        if (kind == ColourVisionKind::normal)
            continue;
        for (int i = 0; i < n; ++i)
            seen[i] = labOf(simulated(kind, colours[i]));
        for (int i = 0; i < n; ++i)
            for (int j = i + 1; j < n; ++j) {
                if (qRgb(qRed(colours[i]), qGreen(colours[i]), qBlue(colours[i])) ==
                    qRgb(qRed(colours[j]), qGreen(colours[j]), qBlue(colours[j])))
                    continue;
                const double d = ciede2000(seen[i], seen[j]);
                if (d < confusionDistance)
                    pairs.append({kind, i, j, d});
            }
    }
    return pairs;
}
