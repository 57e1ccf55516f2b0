#include "core/export/PalettePng.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>

#include <cstring>

namespace
{

// Qt spreads 0 to 100 over zlib's levels 0 to 9; this is level 1. A sheet is
// runs and repeated rows: the fastest level makes it about a fifth larger than
// the default level does, in about half the time.
constexpr int schnellsteKompression = 15;

// CSS pixels, as in the SVG sheet; without it the file would take the
// resolution of whatever screen it was made on.
constexpr int punkteJeMeter = 3780;

} // namespace

std::optional<QByteArray> palettenPng(QSize groesse, const QVector<QRgb>& farben,
                                      const std::vector<std::uint8_t>& indizes)
{
    if (farben.isEmpty() || farben.size() > 256 || groesse.isEmpty() ||
        indizes.size() !=
            static_cast<std::size_t>(groesse.width()) * static_cast<std::size_t>(groesse.height()))
        return std::nullopt;
    QImage bild(groesse, QImage::Format_Indexed8);
    if (bild.isNull())
        return std::nullopt;
    bild.setColorTable(farben);
    bild.setDotsPerMeterX(punkteJeMeter);
    bild.setDotsPerMeterY(punkteJeMeter);
    const auto breite = static_cast<std::size_t>(groesse.width());
    for (int y = 0; y < groesse.height(); ++y)
        std::memcpy(bild.scanLine(y), indizes.data() + static_cast<std::size_t>(y) * breite, breite);
    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    QImageWriter schreiber(&puffer, "png");
    schreiber.setCompression(schnellsteKompression);
    if (!schreiber.write(bild))
        return std::nullopt;
    return daten;
}
