#include "core/documents/ScaleTable.h"

#include "core/documents/ContrastTable.h"

#include <QRegularExpression>
#include <QStringList>

#include <cmath>

QVector<QVector<QVector<StepConfusion>>> stepConfusions(const QVector<ColourScale>& scales)
{
    QVector<QVector<QVector<StepConfusion>>> result(scales.size());
    qsizetype targets = 0;
    for (int r = 0; r < scales.size(); ++r) {
        result[r].resize(scales[r].steps.size());
        targets = std::max(targets, scales[r].steps.size());
    }
    for (qsizetype k = 0; k < targets; ++k) {
        // The reached steps of this target and the rows they belong to.
        QVector<QRgb> steps;
        QVector<int> rows;
        for (int r = 0; r < scales.size(); ++r)
            if (k < scales[r].steps.size() && scales[r].steps[k].reached) {
                steps.append(scales[r].steps[k].rgb);
                rows.append(r);
            }
        for (const ConfusedPair& p : confusedPairs(steps)) {
            // Steps of one target share their luminance by design: without colour vision all look alike.
            if (p.kind == ColourVisionKind::achromatopsia)
                continue;
            const int a = rows[p.first], b = rows[p.second];
            result[a][k].append({p.kind, b, p.distance});
            result[b][k].append({p.kind, a, p.distance});
        }
    }
    return result;
}

namespace
{

QString numeral(double v, QChar decimal)
{
    return QString::number(v).replace(QLatin1Char('.'), decimal);
}

} // namespace

QString targetText(double target, ContrastMethod method, QChar decimal)
{
    return method == ContrastMethod::wcag2 ? numeral(target, decimal) + QStringLiteral(":1")
                                           : QStringLiteral("Lc ") + numeral(target, decimal);
}

QString achievedText(const ScaleStep& step, ContrastMethod method, QChar decimal)
{
    if (!step.reached)
        return QStringLiteral("-");
    return method == ContrastMethod::wcag2 ? ratioText(step.wcagRatio, decimal) + QStringLiteral(":1")
                                           : QStringLiteral("Lc ") + lcText(step.apcaLc, decimal);
}

QString targetsListText(const QVector<double>& targets, QChar decimal)
{
    QStringList teile;
    for (double t : targets)
        teile << numeral(t, decimal);
    return teile.join(decimal == QLatin1Char(',') ? QStringLiteral("; ") : QStringLiteral(", "));
}

std::optional<QVector<double>> targetsFromList(const QString& text, QChar decimal)
{
    const QRegularExpression separator(decimal == QLatin1Char(',') ? QStringLiteral("[;\\s]+")
                                                                   : QStringLiteral("[;,\\s]+"));
    QVector<double> targets;
    for (QString teil : text.split(separator, Qt::SkipEmptyParts)) {
        bool zahlGelesen = false;
        const double v = teil.replace(decimal, QLatin1Char('.')).toDouble(&zahlGelesen);
        if (!zahlGelesen || !std::isfinite(v) || v <= 0)
            return std::nullopt;
        targets.append(v);
    }
    if (targets.isEmpty())
        return std::nullopt;
    return targets;
}

QString scaleRowText(const ColourScale& scale, ContrastMethod method, QChar decimal)
{
    QStringList fields{hexColour(scale.colour)};
    for (const ScaleStep& s : scale.steps)
        fields << (s.reached ? hexColour(s.rgb) : QStringLiteral("-")) << achievedText(s, method, decimal);
    return fields.join(QLatin1Char('\t')) + QLatin1Char('\n');
}

QString scaleTableText(const QVector<ColourScale>& scales, ContrastMethod method,
                       const QVector<double>& targets, const QString& colourHeader,
                       const QString& reachedHeader, QChar decimal)
{
    QStringList header{colourHeader};
    for (double t : targets)
        header << targetText(t, method, decimal) << reachedHeader;
    QString text = header.join(QLatin1Char('\t')) + QLatin1Char('\n');
    for (const ColourScale& s : scales)
        text += scaleRowText(s, method, decimal);
    return text;
}
