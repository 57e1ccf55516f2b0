#include "core/colour/OverlayPicture.h"

#include <QFile>
#include <QSysInfo>

#include <png.h>

namespace
{

// Larger pictures are refused before memory is taken for them: the header of
// damaged data may claim any size.
constexpr png_uint_32 groessteKante = 8192;

QString pngFehler(const png_image& image)
{
    return QStringLiteral("The PNG data could not be read: %1").arg(QString::fromUtf8(image.message));
}

void setError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

struct OverlayResult {
    QImage image;
    QString error;
};

OverlayResult loadOverlay()
{
    QFile file(QStringLiteral(":/core/overlay.png"));
    if (!file.open(QIODevice::ReadOnly))
        return {{},
                QStringLiteral("The light/dark overlay picture is missing from the program's resources.")};
    OverlayResult result;
    result.image = decodePng(file.readAll(), &result.error);
    return result;
}

} // namespace

QImage decodePng(const QByteArray& data, QString* error)
{
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, data.constData(), static_cast<std::size_t>(data.size()))) {
        setError(error, pngFehler(image));
        png_image_free(&image);
        return {};
    }
    if (image.width == 0 || image.height == 0 || image.width > groessteKante ||
        image.height > groessteKante) {
        png_image_free(&image);
        setError(error, QStringLiteral("The PNG picture has an unsupported size."));
        return {};
    }
    // Format_ARGB32 holds 0xAARRGGBB words, so the byte order follows the machine.
    image.format = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? PNG_FORMAT_BGRA : PNG_FORMAT_ARGB;
    QImage result(static_cast<int>(image.width), static_cast<int>(image.height), QImage::Format_ARGB32);
    if (result.isNull()) {
        png_image_free(&image);
        setError(error, QStringLiteral("Not enough memory for the PNG picture."));
        return {};
    }
    if (!png_image_finish_read(&image, nullptr, result.bits(), static_cast<png_int_32>(result.bytesPerLine()),
                               nullptr)) {
        setError(error, pngFehler(image));
        png_image_free(&image);
        return {};
    }
    png_image_free(&image);
    return result;
}

QImage overlayPicture(QString* error)
{
    static const OverlayResult overlay = loadOverlay();
    if (overlay.image.isNull())
        setError(error, overlay.error);
    return overlay.image;
}
