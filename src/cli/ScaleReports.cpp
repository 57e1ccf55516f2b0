#include "cli/ScaleReports.h"

#include "core/colour/ConfusedColours.h"
#include "core/documents/ContrastTable.h"
#include "core/documents/Palette.h"

#include <QStringList>

#include <cmath>

namespace
{

QString kindName(ColourVisionKind kind)
{
    switch (kind) {
    case ColourVisionKind::protanopia:
        return QStringLiteral("protanopia");
    case ColourVisionKind::deuteranopia:
        return QStringLiteral("deuteranopia");
    case ColourVisionKind::tritanopia:
        return QStringLiteral("tritanopia");
    case ColourVisionKind::achromatopsia:
        return QStringLiteral("achromatopsia");
    case ColourVisionKind::normal:
        break;
    }
    return QStringLiteral("normal");
}

} // namespace

std::optional<QRgb> backgroundFrom(const QString& text)
{
    const QString t = text.trimmed();
    const std::vector<QRgb> c = coloursFromHex({t.startsWith(QLatin1Char('#')) ? t : QLatin1Char('#') + t});
    if (c.empty())
        return std::nullopt;
    return c.front();
}

std::optional<ScaleRequest> targetsFrom(const QString& text)
{
    QString list = text.trimmed().toLower();
    ScaleRequest r;
    if (list.startsWith(QLatin1String("apca")))
        r.method = ContrastMethod::apca;
    if (list == QLatin1String("wcag") || list == QLatin1String("apca")) {
        r.targets = defaultTargets(r.method);
        return r;
    }
    if (list.startsWith(QLatin1String("wcag:")) || list.startsWith(QLatin1String("apca:")))
        list = list.mid(5);
    r.targets.clear();
    for (const QString& part : list.split(QLatin1Char(','))) {
        bool number = false;
        const double v = part.trimmed().toDouble(&number);
        if (!number || !std::isfinite(v) || v <= 0)
            return std::nullopt;
        r.targets.append(v);
    }
    return r;
}

QString scalesReport(const QVector<QRgb>& colours, const ScaleRequest& request, const QString& header)
{
    QString text = header + QLatin1Char('\n');
    for (const ColourScale& scale :
         contrastScales(distinctColours(colours), request.background, request.method, request.targets))
        for (const ScaleStep& step : scale.steps) {
            const QString none = QStringLiteral("-");
            text += QStringList{hexColour(scale.colour), QString::number(step.target),
                                step.reached ? hexColour(step.rgb) : none,
                                step.reached ? ratioText(step.wcagRatio) : none,
                                step.reached ? lcText(step.apcaLc) : none}
                        .join(QLatin1Char('\t')) +
                    QLatin1Char('\n');
        }
    return text;
}

QString confusedPairsReport(const QVector<QRgb>& colours)
{
    const QVector<QRgb> shown = distinctColours(colours);
    QString text;
    for (const ConfusedPair& p : confusedPairs(shown))
        text += QStringList{kindName(p.kind), hexColour(shown[p.first]), hexColour(shown[p.second]),
                            QString::number(p.distance, 'f', 2)}
                    .join(QLatin1Char('\t')) +
                QLatin1Char('\n');
    return text;
}
