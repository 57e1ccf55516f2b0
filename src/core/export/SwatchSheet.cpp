#include "export/SwatchSheet.h"

#include "colour/Conversions.h"

#include <QBuffer>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>

namespace
{

constexpr int aussen = 24;
constexpr int seite = 128;
constexpr int luecke = 24;
constexpr int titelHoehe = 28;
constexpr int nameAbstand = 18;  // swatch bottom to the name's baseline
constexpr int hexAbstand = 34;   // swatch bottom to the hex text's baseline
constexpr int zeilenHoehe = seite + 48;
constexpr int titelSchrift = 15;
constexpr int textSchrift = 11;
constexpr QRgb papier = 0xFFFFFFFF;
constexpr QRgb tinte = 0xFF202020;
constexpr QRgb kante = 0xFF808080;

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

QFont schrift(int pixel, bool fett)
{
    QFont f(QStringLiteral("sans-serif"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pixel);
    f.setBold(fett);
    return f;
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
            const int x = aussen + (i % swatchSpalten) * (seite + luecke);
            const int oben = y + (i / swatchSpalten) * zeilenHoehe;
            const PaletteEntry& e = g.entries[i];
            const QRect feld(x, oben, seite, seite);
            b.plaetze.append({feld, QPoint(feld.center().x() + 1, oben + seite + nameAbstand),
                              QPoint(feld.center().x() + 1, oben + seite + hexAbstand), e.name, farbe(e.rgb), e.rgb});
        }
        y += std::max(1, (n + swatchSpalten - 1) / swatchSpalten) * zeilenHoehe;
    }
    b.groesse = QSize(2 * aussen + spalten * seite + (spalten - 1) * luecke, y + aussen - (zeilenHoehe - seite - 40));
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
    const QString text = QStringLiteral("<text x=\"%1\" y=\"%2\" font-family=\"sans-serif\" font-size=\"%3\"%4 "
                                        "fill=\"#202020\">%5</text>\n");
    for (const auto& [punkt, name] : b.titel)
        t += text.arg(punkt.x()).arg(punkt.y()).arg(titelSchrift).arg(QStringLiteral(" font-weight=\"bold\""), xmlText(name));
    const QString mitte = QStringLiteral(" text-anchor=\"middle\"");
    for (const SwatchPlatz& s : b.plaetze) {
        t += QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%3\" fill=\"%4\" stroke=\"#808080\"/>\n")
                 .arg(s.feld.x())
                 .arg(s.feld.y())
                 .arg(seite)
                 .arg(s.hexText);
        t += text.arg(s.name.x()).arg(s.name.y()).arg(textSchrift).arg(mitte, xmlText(s.nameText));
        t += text.arg(s.hex.x()).arg(s.hex.y()).arg(textSchrift).arg(mitte, s.hexText);
    }
    t += QStringLiteral("</svg>\n");
    return t.toUtf8();
}

std::optional<QByteArray> pngDatei(const Palette& p)
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return std::nullopt;
    const SwatchBogen b = swatchBogen(p);
    QImage bild(b.groesse, QImage::Format_RGB32);
    bild.fill(papier);
    {
        QPainter maler(&bild);
        maler.setRenderHint(QPainter::TextAntialiasing);
        maler.setPen(QColor::fromRgb(tinte));
        maler.setFont(schrift(titelSchrift, true));
        for (const auto& [punkt, name] : b.titel)
            maler.drawText(punkt, name);
        maler.setFont(schrift(textSchrift, false));
        const int breite = seite + luecke;
        for (const SwatchPlatz& s : b.plaetze) {
            maler.fillRect(s.feld, QColor::fromRgb(s.rgb));
            maler.setPen(QColor::fromRgb(kante));
            maler.drawRect(s.feld.adjusted(0, 0, -1, -1));
            maler.setPen(QColor::fromRgb(tinte));
            const int links = s.feld.center().x() - breite / 2;
            for (const auto& [punkt, text] : {std::pair{s.name, s.nameText}, std::pair{s.hex, s.hexText}}) {
                const QRect zeile(links, punkt.y() - textSchrift - 2, breite, textSchrift + 6);
                maler.drawText(zeile, Qt::AlignHCenter | Qt::AlignBottom, text);
            }
        }
    }
    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    if (!bild.save(&puffer, "PNG"))
        return std::nullopt;
    return daten;
}
