#include "core/export/SwatchSheet.h"

#include "core/colour/Conversions.h"


#include <algorithm>

using namespace swatchMasse;

namespace
{



QString xmlText(QString t)
{
    return t.replace(QLatin1Char('&'), QStringLiteral("&amp;"))
        .replace(QLatin1Char('<'), QStringLiteral("&lt;"))
        .replace(QLatin1Char('>'), QStringLiteral("&gt;"));
}

QString farbe(QRgb c)
{
    return hexText(qRed(c), qGreen(c), qBlue(c));
}


// SVG has no text measure; a name likely wider than a column is squeezed to it.
QString textLaenge(const QString& text)
{
    return text.size() * textSchrift * 3 / 5 > textBreite
               ? QStringLiteral(" textLength=\"%1\" lengthAdjust=\"spacingAndGlyphs\"").arg(textBreite)
               : QString();
}

} // namespace

SwatchBogen swatchBogen(const Palette& p)
{
    SwatchBogen b;
    int spalten = 1;
    int y = aussen;
    for (const PaletteGroup& g : p.groups) {
        b.titel.append({QPoint(aussen, y + titelSchrift), g.name});
        y += titelHoehe;
        const int n = static_cast<int>(g.entries.size());
        spalten = std::max(spalten, std::min(n, swatchSpalten));
        for (int i = 0; i < n; ++i) {
            const int x = aussen + (i % swatchSpalten) * spalte;
            const int oben = y + (i / swatchSpalten) * zeilenHoehe;
            const PaletteEntry& e = g.entries[i];
            const QRect feld(x, oben, seite, seite);
            const int mitte = x + seite / 2;
            b.plaetze.append({feld, QPoint(mitte, oben + seite + nameAbstand),
                              QPoint(mitte, oben + seite + hexAbstand), e.name, farbe(e.rgb), e.rgb});
        }
        y += std::max(1, (n + swatchSpalten - 1) / swatchSpalten) * zeilenHoehe;
    }
    b.groesse = QSize(2 * aussen + spalten * seite + (spalten - 1) * luecke,
                      y - (zeilenHoehe - seite - unterSchrift) + aussen);
    return b;
}

QByteArray svgDatei(const Palette& p, const QString& titel)
{
    const SwatchBogen b = swatchBogen(p);
    const int w = b.groesse.width();
    const int h = b.groesse.height();
    QString t = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                               "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\" "
                               "viewBox=\"0 0 %1 %2\">\n<title>%3</title>\n"
                               "<rect width=\"%1\" height=\"%2\" fill=\"#FFFFFF\"/>\n")
                    .arg(w)
                    .arg(h)
                    .arg(xmlText(titel));
    const QString text =
        QStringLiteral("<text x=\"%1\" y=\"%2\" font-family=\"sans-serif\" font-size=\"%3\"%4 "
                       "fill=\"#202020\">%5</text>\n");
    for (const auto& [punkt, name] : b.titel)
        t += text.arg(punkt.x())
                 .arg(punkt.y())
                 .arg(titelSchrift)
                 .arg(QStringLiteral(" font-weight=\"bold\""), xmlText(name));
    const QString mitte = QStringLiteral(" text-anchor=\"middle\"");
    for (const SwatchPlatz& s : b.plaetze) {
        t += QStringLiteral(
                 "<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%3\" fill=\"%4\" stroke=\"#808080\"/>\n")
                 .arg(s.feld.x())
                 .arg(s.feld.y())
                 .arg(seite)
                 .arg(s.hexText);
        t += text.arg(s.name.x())
                 .arg(s.name.y())
                 .arg(textSchrift)
                 .arg(mitte + textLaenge(s.nameText), xmlText(s.nameText));
        t += text.arg(s.hex.x()).arg(s.hex.y()).arg(textSchrift).arg(mitte, s.hexText);
    }
    t += QStringLiteral("</svg>\n");
    return t.toUtf8();
}
