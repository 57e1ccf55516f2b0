#include "core/colour/BandPictures.h"

#include "core/colour/BandTables.h"
#include "core/colour/Rounding.h"

#include <cmath>
#include <numbers>
#include <vector>

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

// Where each device pixel of the unturned wheel lies on the band: a fractional
// band position, or offRing; a pixel on a ring edge keeps one per sub-sample.
// A turn only shifts these positions, so they are worked out once per ratio.
struct WheelGeometry {
    double ratio = 0;
    int side = 0;                   // device pixels the wheel spans
    std::vector<double> positions;  // one per pixel, or the first of its sub-samples
    std::vector<int> firstSample;   // per pixel: index into positions
    std::vector<uchar> sampleCount; // per pixel: 1, or subsamples² on an edge
};

constexpr double offRing = -1000.0; // no band position lies so far below 0

double unturnedPosition(double dx, double dy, double inner, double outer)
{
    const double radius = std::hypot(dx, dy);
    if (radius < inner || radius > outer)
        return offRing;
    return std::atan2(dx, -dy) * 180.0 / std::numbers::pi / 360.0 * bandLength;
}

WheelGeometry measureWheel(double ratio)
{
    WheelGeometry g;
    g.ratio = ratio;
    g.side = deviceLength(wheelPictureSize, ratio);
    const double centre = wheelPictureSize / 2.0 * ratio;
    const double inner = ringInner * ratio;
    const double outer = ringOuter * ratio;
    constexpr double band = 0.75; // reaches every device pixel a ring edge crosses
    const auto pixels = static_cast<std::size_t>(g.side) * static_cast<std::size_t>(g.side);
    g.firstSample.reserve(pixels);
    g.sampleCount.reserve(pixels);
    g.positions.reserve(pixels);
    for (int y = 0; y < g.side; ++y)
        for (int x = 0; x < g.side; ++x) {
            const double dx = x + 0.5 - centre;
            const double dy = y + 0.5 - centre;
            const double radius = std::hypot(dx, dy);
            g.firstSample.push_back(static_cast<int>(g.positions.size()));
            if (std::abs(radius - inner) >= band && std::abs(radius - outer) >= band) {
                g.positions.push_back(unturnedPosition(dx, dy, inner, outer));
                g.sampleCount.push_back(1);
                continue;
            }
            for (int sy = 0; sy < subsamples; ++sy)
                for (int sx = 0; sx < subsamples; ++sx)
                    g.positions.push_back(unturnedPosition(dx + (sx + 0.5) / subsamples - 0.5,
                                                           dy + (sy + 0.5) / subsamples - 0.5, inner, outer));
            g.sampleCount.push_back(subsamples * subsamples);
        }
    return g;
}

// The window asks for one ratio at a time; the last one is kept.
const WheelGeometry& wheelGeometry(double ratio)
{
    static WheelGeometry geometry;
    if (geometry.ratio != ratio)
        geometry = measureWheel(ratio);
    return geometry;
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
    const WheelGeometry& g = wheelGeometry(ratio);
    const double shift = turnDegrees / 360.0 * bandLength;
    const auto colourAt = [&](double position, Sum& sum) {
        if (position == offRing) {
            sum.r += backgroundColour;
            sum.g += backgroundColour;
            sum.b += backgroundColour;
            return;
        }
        int p = static_cast<int>(std::floor(position - shift + 0.5)) % bandLength;
        if (p < 0)
            p += bandLength;
        const Rgb c = table.at(p);
        sum.r += c.r;
        sum.g += c.g;
        sum.b += c.b;
    };
    const int side = deviceLength(pictureSize, ratio);
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::white);
    std::size_t pixel = 0;
    for (int y = 0; y < g.side; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < g.side; ++x, ++pixel) {
            Sum sum;
            const auto first = static_cast<std::size_t>(g.firstSample[pixel]);
            const int count = g.sampleCount[pixel];
            for (int i = 0; i < count; ++i)
                colourAt(g.positions[first + static_cast<std::size_t>(i)], sum);
            line[x] = count == 1
                          ? qRgb(sum.r, sum.g, sum.b)
                          : qRgb(roundHalfEven(sum.r / double(count)), roundHalfEven(sum.g / double(count)),
                                 roundHalfEven(sum.b / double(count)));
        }
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
