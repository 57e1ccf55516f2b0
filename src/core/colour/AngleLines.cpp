#include "core/colour/AngleLines.h"

#include "core/colour/Rounding.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace
{

bool passendesFormat(const QImage& bild)
{
    return bild.format() == QImage::Format_RGB888;
}

bool innen(const QImage& bild, int x, int y)
{
    return x >= 0 && y >= 0 && x < bild.width() && y < bild.height();
}

uchar* pixel(QImage& bild, int x, int y)
{
    return bild.scanLine(y) + 3 * x;
}

void setzePixel(QImage& bild, int x, int y, QRgb farbe)
{
    if (!innen(bild, x, y))
        return;
    uchar* p = pixel(bild, x, y);
    p[0] = static_cast<uchar>(qRed(farbe));
    p[1] = static_cast<uchar>(qGreen(farbe));
    p[2] = static_cast<uchar>(qBlue(farbe));
}

uchar gemischt(double w, int linie, uchar alt)
{
    const int v = roundHalfEven(w * linie + (1.0 - w) * alt);
    return static_cast<uchar>(std::clamp(v, 0, 255));
}

} // namespace

void mischePixel(QImage& bild, int x, int y, double w, QRgb farbe)
{
    if (!passendesFormat(bild) || !innen(bild, x, y))
        return;
    uchar* p = pixel(bild, x, y);
    p[0] = gemischt(w, qRed(farbe), p[0]);
    p[1] = gemischt(w, qGreen(farbe), p[1]);
    p[2] = gemischt(w, qBlue(farbe), p[2]);
}

void zeichneGeradeLinie(QImage& bild, QPoint start, QPoint ende, QRgb farbe)
{
    if (!passendesFormat(bild))
        return;
    if (start.x() != ende.x() && start.y() != ende.y())
        return;
    const int schrittX = ende.x() > start.x() ? 1 : (ende.x() < start.x() ? -1 : 0);
    const int schrittY = ende.y() > start.y() ? 1 : (ende.y() < start.y() ? -1 : 0);
    for (QPoint p = start; p != ende; p += QPoint(schrittX, schrittY))
        setzePixel(bild, p.x(), p.y(), farbe);
}

void zeichneWuLinie(QImage& bild, QPoint start, QPoint ende, QRgb farbe)
{
    if (!passendesFormat(bild))
        return;
    const int dx = std::abs(ende.x() - start.x());
    const int dy = std::abs(ende.y() - start.y());
    if (dy < dx) {
        // Walk the columns from the left end; y runs along with the slope. floor
        // equals trunc for the picture's own coordinates and keeps the weights
        // within 0..1 should a line ever reach negative ones.
        const QPoint links = start.x() < ende.x() ? start : ende;
        const QPoint rechts = start.x() < ende.x() ? ende : start;
        const double steigung = static_cast<double>(rechts.y() - links.y()) / dx;
        double y = links.y();
        for (int x = links.x(); x <= rechts.x(); ++x) {
            const double ganz = std::floor(y);
            const double rest = y - ganz;
            const int yi = static_cast<int>(ganz);
            mischePixel(bild, x, yi, 1.0 - rest, farbe);
            mischePixel(bild, x, yi + 1, rest, farbe);
            y += steigung;
        }
    } else {
        if (dy == 0)
            return; // a single point: nothing to walk
        const QPoint oben = start.y() < ende.y() ? start : ende;
        const QPoint unten = start.y() < ende.y() ? ende : start;
        const double steigung = static_cast<double>(unten.x() - oben.x()) / dy;
        double x = oben.x();
        for (int y = oben.y(); y <= unten.y(); ++y) {
            const double ganz = std::floor(x);
            const double rest = x - ganz;
            const int xi = static_cast<int>(ganz);
            mischePixel(bild, xi, y, 1.0 - rest, farbe);
            mischePixel(bild, xi + 1, y, rest, farbe);
            x += steigung;
        }
    }
}

void zeichneLinie(QImage& bild, QPoint start, QPoint ende, QRgb farbe)
{
    if (start.x() == ende.x() || start.y() == ende.y())
        zeichneGeradeLinie(bild, start, ende, farbe);
    else
        zeichneWuLinie(bild, start, ende, farbe);
}
