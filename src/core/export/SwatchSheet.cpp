#include "core/export/SwatchSheet.h"

#include "core/colour/Conversions.h"

#include <algorithm>

using namespace swatchMetrics;

namespace
{

QString xmlText(QString t)
{
    return t.replace(QLatin1Char('&'), QStringLiteral("&amp;"))
        .replace(QLatin1Char('<'), QStringLiteral("&lt;"))
        .replace(QLatin1Char('>'), QStringLiteral("&gt;"));
}

QString colourValue(QRgb c)
{
    return hexText(qRed(c), qGreen(c), qBlue(c));
}

// SVG has no text measure; a name likely wider than a column is squeezed to it.
QString textLengthAttribute(const QString& text)
{
    return text.size() * textFontSize * 3 / 5 > textWidth
               ? QStringLiteral(" textLength=\"%1\" lengthAdjust=\"spacingAndGlyphs\"").arg(textWidth)
               : QString();
}

} // namespace

SwatchSheetLayout swatchSheetLayout(const Palette& p)
{
    SwatchSheetLayout b;
    int spalten = 1;
    int y = outer;
    for (const PaletteGroup& g : p.groups) {
        b.titleText.append({QPoint(outer, y + titleFontSize), g.name});
        y += titleHeight;
        const int n = static_cast<int>(g.entries.size());
        spalten = std::max(spalten, std::min(n, swatchColumns));
        for (int i = 0; i < n; ++i) {
            const int x = outer + (i % swatchColumns) * column;
            const int upper = y + (i / swatchColumns) * lineHeight;
            const PaletteEntry& e = g.entries[i];
            const QRect field(x, upper, page, page);
            const int centre = x + page / 2;
            b.places.append({field, QPoint(centre, upper + page + nameOffset),
                             QPoint(centre, upper + page + hexOffset), e.name, colourValue(e.rgb), e.rgb});
        }
        y += std::max(1, (n + swatchColumns - 1) / swatchColumns) * lineHeight;
    }
    b.extent = QSize(2 * outer + spalten * page + (spalten - 1) * gap,
                     y - (lineHeight - page - captionHeight) + outer);
    return b;
}

QByteArray svgFile(const Palette& p, const QString& titleText)
{
    const SwatchSheetLayout b = swatchSheetLayout(p);
    const int w = b.extent.width();
    const int h = b.extent.height();
    QString t = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                               "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\" "
                               "viewBox=\"0 0 %1 %2\">\n<title>%3</title>\n"
                               "<rect width=\"%1\" height=\"%2\" fill=\"#FFFFFF\"/>\n")
                    .arg(w)
                    .arg(h)
                    .arg(xmlText(titleText));
    const QString text =
        QStringLiteral("<text x=\"%1\" y=\"%2\" font-family=\"sans-serif\" font-size=\"%3\"%4 "
                       "fill=\"#202020\">%5</text>\n");
    for (const auto& [point, name] : b.titleText)
        t += text.arg(point.x())
                 .arg(point.y())
                 .arg(titleFontSize)
                 .arg(QStringLiteral(" font-weight=\"bold\""), xmlText(name));
    const QString centre = QStringLiteral(" text-anchor=\"middle\"");
    for (const SwatchSlot& s : b.places) {
        t += QStringLiteral(
                 "<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%3\" fill=\"%4\" stroke=\"#808080\"/>\n")
                 .arg(s.field.x())
                 .arg(s.field.y())
                 .arg(page)
                 .arg(s.hexText);
        t += text.arg(s.name.x())
                 .arg(s.name.y())
                 .arg(textFontSize)
                 .arg(centre + textLengthAttribute(s.nameText), xmlText(s.nameText));
        t += text.arg(s.hex.x()).arg(s.hex.y()).arg(textFontSize).arg(centre, s.hexText);
    }
    t += QStringLiteral("</svg>\n");
    return t.toUtf8();
}
