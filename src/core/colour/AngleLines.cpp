#include "core/colour/AngleLines.h"

#include "core/colour/Rounding.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace
{

bool suitableFormat(const QImage& picture)
{
    return picture.format() == QImage::Format_RGB888;
}

bool inside(const QImage& picture, int x, int y)
{
    return x >= 0 && y >= 0 && x < picture.width() && y < picture.height();
}

uchar* pixel(QImage& picture, int x, int y)
{
    return picture.scanLine(y) + 3 * x;
}

void putPixel(QImage& picture, int x, int y, QRgb colourValue)
{
    if (!inside(picture, x, y))
        return;
    uchar* p = pixel(picture, x, y);
    p[0] = static_cast<uchar>(qRed(colourValue));
    p[1] = static_cast<uchar>(qGreen(colourValue));
    p[2] = static_cast<uchar>(qBlue(colourValue));
}

uchar mixedColour(double w, int linie, uchar alt)
{
    const int v = roundHalfEven(w * linie + (1.0 - w) * alt);
    return static_cast<uchar>(std::clamp(v, 0, 255));
}

} // namespace

void blendPixel(QImage& picture, int x, int y, double w, QRgb colourValue)
{
    if (!suitableFormat(picture) || !inside(picture, x, y))
        return;
    uchar* p = pixel(picture, x, y);
    p[0] = mixedColour(w, qRed(colourValue), p[0]);
    p[1] = mixedColour(w, qGreen(colourValue), p[1]);
    p[2] = mixedColour(w, qBlue(colourValue), p[2]);
}

void drawStraightLine(QImage& picture, QPoint start, QPoint endPoint, QRgb colourValue)
{
    if (!suitableFormat(picture))
        return;
    if (start.x() != endPoint.x() && start.y() != endPoint.y())
        return;
    const int schrittX = endPoint.x() > start.x() ? 1 : (endPoint.x() < start.x() ? -1 : 0);
    const int schrittY = endPoint.y() > start.y() ? 1 : (endPoint.y() < start.y() ? -1 : 0);
    for (QPoint p = start; p != endPoint; p += QPoint(schrittX, schrittY))
        putPixel(picture, p.x(), p.y(), colourValue);
}

void drawWuLine(QImage& picture, QPoint start, QPoint endPoint, QRgb colourValue)
{
    if (!suitableFormat(picture))
        return;
    const int dx = std::abs(endPoint.x() - start.x());
    const int dy = std::abs(endPoint.y() - start.y());
    if (dy < dx) {
        // Walk the columns from the left end; y runs along with the slope. floor
        // equals trunc for the picture's own coordinates and keeps the weights
        // within 0..1 should a line ever reach negative ones.
        const QPoint left = start.x() < endPoint.x() ? start : endPoint;
        const QPoint right = start.x() < endPoint.x() ? endPoint : start;
        const double steigung = static_cast<double>(right.y() - left.y()) / dx;
        double y = left.y();
        for (int x = left.x(); x <= right.x(); ++x) {
            const double whole = std::floor(y);
            const double rest = y - whole;
            const int yi = static_cast<int>(whole);
            blendPixel(picture, x, yi, 1.0 - rest, colourValue);
            blendPixel(picture, x, yi + 1, rest, colourValue);
            y += steigung;
        }
    } else {
        if (dy == 0)
            return; // a single point: nothing to walk
        const QPoint upper = start.y() < endPoint.y() ? start : endPoint;
        const QPoint unten = start.y() < endPoint.y() ? endPoint : start;
        const double steigung = static_cast<double>(unten.x() - upper.x()) / dy;
        double x = upper.x();
        for (int y = upper.y(); y <= unten.y(); ++y) {
            const double whole = std::floor(x);
            const double rest = x - whole;
            const int xi = static_cast<int>(whole);
            blendPixel(picture, xi, y, 1.0 - rest, colourValue);
            blendPixel(picture, xi + 1, y, rest, colourValue);
            x += steigung;
        }
    }
}

void drawImageLine(QImage& picture, QPoint start, QPoint endPoint, QRgb colourValue)
{
    if (start.x() == endPoint.x() || start.y() == endPoint.y())
        drawStraightLine(picture, start, endPoint, colourValue);
    else
        drawWuLine(picture, start, endPoint, colourValue);
}
