#include "export/SwatchSheet.h"

#include "colour/Conversions.h"
#include "export/PalettePng.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cstring>

namespace
{

constexpr int aussen = 24;
constexpr int seite = 96;
constexpr int luecke = 40;
constexpr int spalte = seite + luecke;
constexpr int textBreite = spalte - 4; // longer names are narrowed to this
constexpr int titelHoehe = 26;
constexpr int nameAbstand = 16;  // swatch bottom to the name's baseline
constexpr int hexAbstand = 30;   // swatch bottom to the hex text's baseline
constexpr int unterSchrift = 36; // swatch bottom to below the hex text
constexpr int zeilenHoehe = seite + 42;
constexpr int titelSchrift = 14;
constexpr int textSchrift = 10;
constexpr QRgb papier = 0xFFFFFFFF;
constexpr QRgb tinte = 0xFF202020;
constexpr QRgb kante = 0xFF808080;
constexpr int grauStufen = 32;

int grauWert(int stufe)
{
    return stufe * 255 / (grauStufen - 1);
}

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

// Centred on the point; narrowed when wider than a column.
void zentriert(QPainter& maler, const QFontMetrics& masse, QPoint punkt, const QString& text)
{
    const int breite = masse.horizontalAdvance(text);
    if (breite <= textBreite) {
        maler.drawText(punkt.x() - breite / 2, punkt.y(), text);
        return;
    }
    maler.save();
    maler.translate(punkt);
    maler.scale(static_cast<qreal>(textBreite) / breite, 1.0);
    maler.drawText(-breite / 2, 0, text);
    maler.restore();
}

// The sheet without the swatches' colours: paper, ink and edges, all grey.
QImage graustufenBogen(const SwatchBogen& b)
{
    // Grey on white, drawn where Qt draws fastest; QImage::fill would hand so
    // large an area to a thread pool.
    QImage bild(b.groesse, QImage::Format_RGB32);
    std::memset(bild.bits(), 0xFF, static_cast<std::size_t>(bild.sizeInBytes()));
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::TextAntialiasing);
    maler.setPen(QColor::fromRgb(tinte));
    maler.setFont(schrift(titelSchrift, true));
    for (const auto& [punkt, name] : b.titel)
        maler.drawText(punkt, name);
    const QFont text = schrift(textSchrift, false);
    const QFontMetrics masse(text);
    maler.setFont(text);
    for (const SwatchPlatz& s : b.plaetze) {
        maler.setPen(QColor::fromRgb(kante));
        maler.drawRect(s.feld.adjusted(0, 0, -1, -1));
        maler.setPen(QColor::fromRgb(tinte));
        zentriert(maler, masse, s.name, s.nameText);
        zentriert(maler, masse, s.hex, s.hexText);
    }
    return bild;
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

std::optional<QByteArray> pngDatei(const Palette& p)
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return std::nullopt;
    const SwatchBogen b = swatchBogen(p);
    const QImage grau = graustufenBogen(b);
    // Grey levels first, then one entry per swatch: a small palette that keeps
    // the file small and quick to compress.
    QVector<QRgb> farben;
    for (int i = 0; i < grauStufen; ++i)
        farben.append(qRgb(grauWert(i), grauWert(i), grauWert(i)));
    for (const SwatchPlatz& s : b.plaetze)
        farben.append(s.rgb);
    std::array<std::uint8_t, 256> stufe{};
    for (int g = 0; g < 256; ++g)
        stufe[static_cast<std::size_t>(g)] = static_cast<std::uint8_t>(g * (grauStufen - 1) / 255);
    std::vector<std::uint8_t> zeilen(static_cast<std::size_t>(b.groesse.width() * b.groesse.height()));
    for (int y = 0; y < b.groesse.height(); ++y) {
        const auto* quelle = reinterpret_cast<const QRgb*>(grau.constScanLine(y));
        std::uint8_t* ziel =
            zeilen.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(b.groesse.width());
        for (int x = 0; x < b.groesse.width(); ++x)
            ziel[x] = stufe[static_cast<std::size_t>(qGreen(quelle[x]))];
    }
    for (int i = 0; i < b.plaetze.size(); ++i) {
        const QRect innen = b.plaetze[i].feld.adjusted(1, 1, -1, -1);
        for (int y = innen.top(); y <= innen.bottom(); ++y)
            std::fill_n(zeilen.data() + static_cast<std::size_t>(y * b.groesse.width() + innen.left()),
                        innen.width(), static_cast<std::uint8_t>(grauStufen + i));
    }
    return palettenPng(b.groesse, farben, zeilen);
}
