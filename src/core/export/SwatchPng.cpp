#include "core/export/SwatchPng.h"

#include "core/export/PalettePng.h"
#include "core/export/SwatchSheet.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <array>
#include <cstring>

using namespace swatchMasse;

namespace
{

constexpr int grauStufen = 32;

int grauWert(int stufe)
{
    return stufe * 255 / (grauStufen - 1);
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

} // namespace

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
