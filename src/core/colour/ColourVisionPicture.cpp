// The picture half of the colour vision simulation: QImage is QtGui, which the
// core's computing part (and so the command line) does not link.
#include "core/colour/ColourVision.h"

QImage simuliert(Farbsehen kind, const QImage& bild)
{
    if (kind == Farbsehen::normal || bild.isNull())
        return bild;
    const QImage::Format format = bild.format();
    const bool vormultipliziert = format == QImage::Format_ARGB32_Premultiplied;
    QImage aus = bild.convertToFormat(bild.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    // Pictures repeat few colours; the last one is remembered.
    QRgb letzteEin = 0;
    QRgb letzteAus = simuliert(kind, letzteEin);
    for (int y = 0; y < aus.height(); ++y) {
        auto* zeile = reinterpret_cast<QRgb*>(aus.scanLine(y));
        for (int x = 0; x < aus.width(); ++x) {
            if (zeile[x] != letzteEin) {
                letzteEin = zeile[x];
                letzteAus = simuliert(kind, letzteEin);
            }
            zeile[x] = letzteAus;
        }
    }
    if (vormultipliziert)
        return aus.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    return format == QImage::Format_ARGB32 || format == QImage::Format_RGB32 ? aus
                                                                             : aus.convertToFormat(format);
}
