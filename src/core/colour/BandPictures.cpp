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

// Device pixels for `logical` pixels at `ratio`.
int deviceLength(int logical, double ratio)
{
    return static_cast<int>(std::lround(logical * ratio));
}

// One device pixel of the turned wheel; geometry in device pixels.
QRgb turnedWheelPixel(const BandTable& table, double dx, double dy, double ratio, double turn)
{
    const double inner = ringInner * ratio;
    const double outer = ringOuter * ratio;
    const auto sample = [&](double sx, double sy, Sum& sum) {
        const double radius = std::hypot(sx, sy);
        if (radius < inner || radius > outer) {
            sum.r += backgroundColour;
            sum.g += backgroundColour;
            sum.b += backgroundColour;
            return;
        }
        const double degrees = std::atan2(sx, -sy) * 180.0 / std::numbers::pi - turn;
        const Rgb c = table.at(wheelPosition(degrees));
        sum.r += c.r;
        sum.g += c.g;
        sum.b += c.b;
    };
    Sum sum;
    const double radius = std::hypot(dx, dy);
    constexpr double band = 0.75;
    if (std::abs(radius - inner) >= band && std::abs(radius - outer) >= band) {
        sample(dx, dy, sum);
        return qRgb(sum.r, sum.g, sum.b);
    }
    for (int sy = 0; sy < subsamples; ++sy)
        for (int sx = 0; sx < subsamples; ++sx)
            sample(dx + (sx + 0.5) / subsamples - 0.5, dy + (sy + 0.5) / subsamples - 0.5, sum);
    constexpr double samples = subsamples * subsamples;
    return qRgb(roundHalfEven(sum.r / samples), roundHalfEven(sum.g / samples),
                roundHalfEven(sum.b / samples));
}

} // namespace

QImage bandPicture(bool luminoes, double ratio)
{
    const QImage band = bandPicture(luminoes);
    if (ratio <= 1.0)
        return band;
    // A column per band position stays one colour however many pixels it spans.
    QImage sharp = band.scaled(deviceLength(bandPictureWidth, ratio), deviceLength(bandPictureHeight, ratio),
                               Qt::IgnoreAspectRatio, Qt::FastTransformation);
    sharp.setDevicePixelRatio(ratio);
    return sharp;
}

QImage turnedWheelPicture(bool luminoes, double turnDegrees, double ratio)
{
    constexpr int pictureSize = wheelPictureSize + 1;
    const BandTable& table = bandTable(luminoes);
    const int side = deviceLength(pictureSize, ratio);
    const int wheelSide = deviceLength(wheelPictureSize, ratio);
    const double centre = wheelPictureSize / 2.0 * ratio;
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 0; y < wheelSide; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < wheelSide; ++x)
            line[x] = turnedWheelPixel(table, x + 0.5 - centre, y + 0.5 - centre, ratio, turnDegrees);
    }
    image.setDevicePixelRatio(ratio);
    return image;
}

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
