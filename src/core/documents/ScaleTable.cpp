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
            if (p.kind == Farbsehen::achromatopsie)
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

QString zahl(double v, QChar dezimal)
{
    return QString::number(v).replace(QLatin1Char('.'), dezimal);
}

} // namespace

QString targetText(double target, ContrastMethod method, QChar dezimal)
{
    return method == ContrastMethod::wcag2 ? zahl(target, dezimal) + QStringLiteral(":1")
                                           : QStringLiteral("Lc ") + zahl(target, dezimal);
}

QString achievedText(const ScaleStep& step, ContrastMethod method, QChar dezimal)
{
    if (!step.reached)
        return QStringLiteral("-");
    return method == ContrastMethod::wcag2 ? verhaeltnisText(step.wcagRatio, dezimal) + QStringLiteral(":1")
                                           : QStringLiteral("Lc ") + lcText(step.apcaLc, dezimal);
}

QString targetsListText(const QVector<double>& targets, QChar dezimal)
{
    QStringList teile;
    for (double t : targets)
        teile << zahl(t, dezimal);
    return teile.join(dezimal == QLatin1Char(',') ? QStringLiteral("; ") : QStringLiteral(", "));
}

std::optional<QVector<double>> targetsFromList(const QString& text, QChar dezimal)
{
    const QRegularExpression trenner(dezimal == QLatin1Char(',') ? QStringLiteral("[;\\s]+")
                                                                 : QStringLiteral("[;,\\s]+"));
    QVector<double> targets;
    for (QString teil : text.split(trenner, Qt::SkipEmptyParts)) {
        bool zahlGelesen = false;
        const double v = teil.replace(dezimal, QLatin1Char('.')).toDouble(&zahlGelesen);
        if (!zahlGelesen || !std::isfinite(v) || v <= 0)
            return std::nullopt;
        targets.append(v);
    }
    if (targets.isEmpty())
        return std::nullopt;
    return targets;
}

QString scaleRowText(const ColourScale& scale, ContrastMethod method, QChar dezimal)
{
    QStringList felder{hexFarbe(scale.colour)};
    for (const ScaleStep& s : scale.steps)
        felder << (s.reached ? hexFarbe(s.rgb) : QStringLiteral("-")) << achievedText(s, method, dezimal);
    return felder.join(QLatin1Char('\t')) + QLatin1Char('\n');
}

QString scaleTableText(const QVector<ColourScale>& scales, ContrastMethod method,
                       const QVector<double>& targets, const QString& farbeKopf, const QString& erreichtKopf,
                       QChar dezimal)
{
    QStringList kopf{farbeKopf};
    for (double t : targets)
        kopf << targetText(t, method, dezimal) << erreichtKopf;
    QString text = kopf.join(QLatin1Char('\t')) + QLatin1Char('\n');
    for (const ColourScale& s : scales)
        text += scaleRowText(s, method, dezimal);
    return text;
}
