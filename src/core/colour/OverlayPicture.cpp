#include "core/colour/OverlayPicture.h"

#include <QBuffer>
#include <QImageReader>

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
    QBuffer puffer;
    puffer.setData(data);
    puffer.open(QIODevice::ReadOnly);
    QImageReader reader(&puffer, "png");
    return readIn(reader, error);
}

QImage overlayPicture(QString* error)
{
    static const OverlayResult overlay = loadOverlay();
    if (overlay.image.isNull())
        setError(error, overlay.error);
    return overlay.image;
}
