// The picture half of the colour vision simulation: QImage is QtGui, which the
// core's computing part (and so the command line) does not link.
#include "core/colour/ColourVision.h"

QImage simulated(ColourVisionKind kind, const QImage& picture)
{
    if (kind == ColourVisionKind::normal || picture.isNull())
        return picture;
    const QImage::Format format = picture.format();
    const bool vormultipliziert = format == QImage::Format_ARGB32_Premultiplied;
    QImage aus =
        picture.convertToFormat(picture.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    // Pictures repeat few colours; the last one is remembered.
    QRgb letzteEin = 0;
    QRgb letzteAus = simulated(kind, letzteEin);
    for (int y = 0; y < aus.height(); ++y) {
        auto* rowLine = reinterpret_cast<QRgb*>(aus.scanLine(y));
        for (int x = 0; x < aus.width(); ++x) {
            if (rowLine[x] != letzteEin) {
                letzteEin = rowLine[x];
                letzteAus = simulated(kind, letzteEin);
            }
            rowLine[x] = letzteAus;
        }
    }
    if (vormultipliziert)
        return aus.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    return format == QImage::Format_ARGB32 || format == QImage::Format_RGB32 ? aus
                                                                             : aus.convertToFormat(format);
}
