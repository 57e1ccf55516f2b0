#include "core/colour/BandPictures.h"

#include "core/colour/BandTables.h"
#include "core/colour/Rounding.h"

#include <cmath>
#include <numbers>

namespace
{

// Ring geometry in pixels, measured from the picture's centre point.
constexpr double ringOuter = 60.0;
constexpr double ringInner = 35.0;
// Sub-samples per pixel along each axis for the anti-aliased edges.
constexpr int subsamples = 4;
constexpr int backgroundColour = 255; // white centre and surround

QImage buildBandPicture(bool luminoes)
{
    const BandTable& table = bandTable(luminoes);
    QImage image(bandPictureWidth, bandPictureHeight, QImage::Format_RGB888);
    for (int y = 0; y < bandPictureHeight; ++y) {
        uchar* line = image.scanLine(y);
        for (int x = 0; x < bandPictureWidth; ++x) {
            const auto i = static_cast<std::size_t>(x);
            line[3 * x] = table.r[i];
            line[3 * x + 1] = table.g[i];
            line[3 * x + 2] = table.b[i];
        }
    }
    return image;
}

struct Sum {
    int r = 0, g = 0, b = 0;
};

// Adds the colour of one sub-sample at offset (dx, dy) from the centre.
void addSample(const BandTable& table, double dx, double dy, Sum& sum)
{
    const double radius = std::hypot(dx, dy);
    if (radius < ringInner || radius > ringOuter) {
        sum.r += backgroundColour;
        sum.g += backgroundColour;
        sum.b += backgroundColour;
        return;
    }
    // Clockwise from the top, with the y axis pointing down.
    const double degrees = std::atan2(dx, -dy) * 180.0 / std::numbers::pi;
    const Rgb c = table.at(wheelPosition(degrees));
    sum.r += c.r;
    sum.g += c.g;
    sum.b += c.b;
}

// Only pixels on a ring edge need sub-samples; elsewhere the pixel centre
// gives the same picture at a fraction of the start-up cost.
bool onRingEdge(double dx, double dy)
{
    constexpr double band = 0.75; // reaches every pixel a ring edge crosses
    const double radius = std::hypot(dx, dy);
    return std::abs(radius - ringInner) < band || std::abs(radius - ringOuter) < band;
}

Sum pixelSum(const BandTable& table, int x, int y, double centre)
{
    Sum sum;
    if (!onRingEdge(x + 0.5 - centre, y + 0.5 - centre)) {
        addSample(table, x + 0.5 - centre, y + 0.5 - centre, sum);
        constexpr int samples = subsamples * subsamples;
        return {sum.r * samples, sum.g * samples, sum.b * samples};
    }
    for (int sy = 0; sy < subsamples; ++sy) {
        const double dy = y + (sy + 0.5) / subsamples - centre;
        for (int sx = 0; sx < subsamples; ++sx)
            addSample(table, x + (sx + 0.5) / subsamples - centre, dy, sum);
    }
    return sum;
}

QImage buildWheelPicture(bool luminoes)
{
    const BandTable& table = bandTable(luminoes);
    const double centre = wheelPictureSize / 2.0;
    constexpr int samples = subsamples * subsamples;
    QImage image(wheelPictureSize, wheelPictureSize, QImage::Format_RGB888);
    for (int y = 0; y < wheelPictureSize; ++y) {
        uchar* line = image.scanLine(y);
        for (int x = 0; x < wheelPictureSize; ++x) {
            const Sum sum = pixelSum(table, x, y, centre);
            line[3 * x] = static_cast<uchar>(roundHalfEven(sum.r / double(samples)));
            line[3 * x + 1] = static_cast<uchar>(roundHalfEven(sum.g / double(samples)));
            line[3 * x + 2] = static_cast<uchar>(roundHalfEven(sum.b / double(samples)));
        }
    }
    return image;
}

} // namespace

int wheelPosition(double degrees)
{
    const int p = roundHalfEven(degrees / 360.0 * bandLength) % bandLength;
    return p < 0 ? p + bandLength : p;
}

QImage bandPicture(bool luminoes)
{
    if (luminoes) {
        static const QImage luminous = buildBandPicture(true);
        return luminous;
    }
    static const QImage realistic = buildBandPicture(false);
    return realistic;
}

QImage wheelPicture(bool luminoes)
{
    // Each wheel is drawn when first asked for: the start needs only one.
    if (luminoes) {
        static const QImage luminous = buildWheelPicture(true);
        return luminous;
    }
    static const QImage realistic = buildWheelPicture(false);
    return realistic;
}
