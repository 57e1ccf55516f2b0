#include "core/colour/OverlayPicture.h"

#include <QBuffer>
#include <QImageReader>

#include <algorithm>
#include <cmath>

namespace
{

// Larger pictures are refused before memory is taken for them: the header of
// damaged data may claim any size.
constexpr int largestEdge = 8192;

void setError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

QString pngError(const QImageReader& reader)
{
    return QStringLiteral("The PNG data could not be read: %1").arg(reader.errorString());
}

// The size is checked from the header alone, before anything is decoded.
QImage readIn(QImageReader& reader, QString* error)
{
    const QSize extent = reader.size();
    if (!extent.isValid()) {
        // The reader gives no reason of its own for a missing or damaged header.
        setError(error, QStringLiteral("The data is not a PNG picture, or its header is damaged."));
        return {};
    }
    if (extent.isEmpty() || extent.width() > largestEdge || extent.height() > largestEdge) {
        setError(error, QStringLiteral("The PNG picture has an unsupported size."));
        return {};
    }
    QImage picture;
    if (!reader.read(&picture)) {
        setError(error, pngError(reader));
        return {};
    }
    return picture.convertToFormat(QImage::Format_ARGB32);
}

struct OverlayResult {
    QImage image;
    QString error;
};

OverlayResult loadOverlay()
{
    QImageReader reader(QStringLiteral(":/core/overlay.png"), "png");
    // Named, and nothing else asked: otherwise Qt loads every image plug-in at start to probe.
    reader.setAutoDetectImageFormat(false);
    if (!reader.canRead())
        return {{},
                QStringLiteral("The light/dark overlay picture is missing from the program's resources.")};
    OverlayResult result;
    result.image = readIn(reader, &result.error);
    return result;
}

} // namespace

QImage decodePng(const QByteArray& data, QString* error)
{
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "png");
    reader.setAutoDetectImageFormat(false);
    return readIn(reader, error);
}

QImage readPng(const QString& path)
{
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

QSize pngSize(const QString& path)
{
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.size();
}

QImage overlayPicture(QString* error)
{
    // Read anew when asked: the window asks once per screen and keeps its own
    // premultiplied copy, so a kept copy here would hold a quarter megabyte for nothing.
    const OverlayResult overlay = loadOverlay();
    if (overlay.image.isNull())
        setError(error, overlay.error);
    return overlay.image;
}

QImage overlayPictureAt(double ratio)
{
    if (ratio <= 1.0) {
        // In place: the straight and the premultiplied picture are never held at once.
        QImage picture = overlayPicture();
        picture.convertTo(QImage::Format_ARGB32_Premultiplied);
        return picture;
    }
    const int width = static_cast<int>(std::lround(overlayWidth * ratio));
    const int height = static_cast<int>(std::lround(overlayHeight * ratio));
    QImage picture(width, height, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        // Position in the resource's pixels, pixel centres on whole numbers.
        const double j = (y + 0.5) / ratio - 0.5;
        const double light = std::clamp((overlayHeight - 1 - j) / (overlayHeight - 1), 0.0, 1.0);
        for (int x = 0; x < width; ++x) {
            const double i = (x + 0.5) / ratio - 0.5;
            const double dark = std::clamp(i / (overlayWidth - 1), 0.0, 1.0);
            // Over base c the mix is c(1 - dark)(1 - light) + light: that much
            // of c shows through, and white worth `light` lies on top.
            const double alpha = 1.0 - (1.0 - dark) * (1.0 - light);
            const int white = static_cast<int>(std::lround(255.0 * light));
            line[x] = qRgba(white, white, white, static_cast<int>(std::lround(255.0 * alpha)));
        }
    }
    picture.setDevicePixelRatio(ratio);
    return picture;
}
