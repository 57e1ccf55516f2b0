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
constexpr int fastestCompression = 15;

// CSS pixels, as in the SVG sheet; without it the file would take the
// resolution of whatever screen it was made on.
constexpr int dotsPerMetre = 3780;

} // namespace

std::optional<QByteArray> palettePng(QSize extent, const QVector<QRgb>& farben,
                                     const std::vector<std::uint8_t>& indices)
{
    if (farben.isEmpty() || farben.size() > 256 || extent.isEmpty() ||
        indices.size() !=
            static_cast<std::size_t>(extent.width()) * static_cast<std::size_t>(extent.height()))
        return std::nullopt;
    QImage picture(extent, QImage::Format_Indexed8);
    if (picture.isNull())
        return std::nullopt;
    picture.setColorTable(farben);
    picture.setDotsPerMeterX(dotsPerMetre);
    picture.setDotsPerMeterY(dotsPerMetre);
    const auto breite = static_cast<std::size_t>(extent.width());
    for (int y = 0; y < extent.height(); ++y)
        std::memcpy(picture.scanLine(y), indices.data() + static_cast<std::size_t>(y) * breite, breite);
    QByteArray payload;
    QBuffer puffer(&payload);
    puffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&puffer, "png");
    writer.setCompression(fastestCompression);
    if (!writer.write(picture))
        return std::nullopt;
    return payload;
}
