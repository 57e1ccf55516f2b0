#include "core/import/ImageColours.h"

#include "core/colour/ColourFormats.h"
#include "core/colour/OkLab.h"

#include <QBuffer>
#include <QImageReader>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

namespace
{

// Enough pixels for shares to within a fraction of a percent; a 24-megapixel
// photo is read at one pixel in ~370.
constexpr int sampleSide = 256;
constexpr int maxIterations = 60;

// A bin of similar pixels (5 bits a channel) with its pixels' mean OKLab, so
// the clustering works on a few thousand weighted points, not every sample.
struct Point {
    Triple lab;
    double weight = 0;
};

const std::array<double, 256>& linearTable()
{
    static const std::array<double, 256> table = [] {
        std::array<double, 256> t{};
        for (int i = 0; i < 256; ++i) {
            const double v = i / 255.0;
            t[static_cast<std::size_t>(i)] = v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        }
        return t;
    }();
    return table;
}

QVector<Point> binnedSamples(const QImage& image)
{
    const QImage small =
        (image.width() > sampleSide || image.height() > sampleSide
             ? image.scaled(sampleSide, sampleSide, Qt::KeepAspectRatio, Qt::FastTransformation)
             : image)
            .convertToFormat(QImage::Format_ARGB32);
    const std::array<double, 256>& lin = linearTable();
    std::vector<Point> bins(32768);
    for (int y = 0; y < small.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(small.constScanLine(y));
        for (int x = 0; x < small.width(); ++x) {
            const QRgb c = row[x];
            if (qAlpha(c) < 128)
                continue;
            const Triple lab = oklabFromLinearSrgb({lin[static_cast<std::size_t>(qRed(c))],
                                                    lin[static_cast<std::size_t>(qGreen(c))],
                                                    lin[static_cast<std::size_t>(qBlue(c))]});
            Point& p =
                bins[static_cast<std::size_t>((qRed(c) >> 3) << 10 | (qGreen(c) >> 3) << 5 | qBlue(c) >> 3)];
            p.lab = {p.lab.a + lab.a, p.lab.b + lab.b, p.lab.c + lab.c};
            p.weight += 1;
        }
    }
    QVector<Point> points;
    for (const Point& p : bins)
        if (p.weight > 0)
            points << Point{{p.lab.a / p.weight, p.lab.b / p.weight, p.lab.c / p.weight}, p.weight};
    return points;
}

double distance2(const Triple& x, const Triple& y)
{
    return (x.a - y.a) * (x.a - y.a) + (x.b - y.b) * (x.b - y.b) + (x.c - y.c) * (x.c - y.c);
}

// A fixed seed and a draw of our own, so the library's distributions cannot change the result.
class Draw
{
public:
    double next() { return static_cast<double>(m_engine()) / 4294967296.0; }

private:
    std::mt19937 m_engine{20261208u};
};

// k-means++: each further centre drawn with probability weight times squared distance.
QVector<Triple> initialCentres(const QVector<Point>& points, int k)
{
    Draw draw;
    QVector<Triple> centres;
    std::vector<double> nearest(static_cast<std::size_t>(points.size()), std::numeric_limits<double>::max());
    double total = 0;
    for (const Point& p : points)
        total += p.weight;
    // The first centre by weight alone.
    double pick = draw.next() * total;
    qsizetype chosen = 0;
    for (; chosen + 1 < points.size() && pick >= points[chosen].weight; ++chosen)
        pick -= points[chosen].weight;
    centres << points[chosen].lab;
    while (centres.size() < k) {
        double sum = 0;
        for (qsizetype i = 0; i < points.size(); ++i) {
            double& d = nearest[static_cast<std::size_t>(i)];
            d = std::min(d, distance2(points[i].lab, centres.back()));
            sum += d * points[i].weight;
        }
        if (sum <= 0)
            break; // fewer distinct colours than k
        pick = draw.next() * sum;
        chosen = 0;
        for (; chosen + 1 < points.size(); ++chosen) {
            const double w = nearest[static_cast<std::size_t>(chosen)] * points[chosen].weight;
            if (pick < w && w > 0)
                break;
            pick -= w;
        }
        centres << points[chosen].lab;
    }
    return centres;
}

qsizetype nearestCentre(const QVector<Triple>& centres, const Triple& lab)
{
    qsizetype best = 0;
    double bestD = std::numeric_limits<double>::max();
    for (qsizetype c = 0; c < centres.size(); ++c)
        if (const double d = distance2(centres[c], lab); d < bestD) {
            bestD = d;
            best = c;
        }
    return best;
}

} // namespace

QVector<DominantColour> dominantColours(const QImage& image, int k)
{
    k = std::clamp(k, fewestImageColours, mostImageColours);
    const QVector<Point> points = binnedSamples(image);
    if (points.isEmpty())
        return {};
    QVector<Triple> centres = initialCentres(points, k);
    std::vector<qsizetype> cluster(static_cast<std::size_t>(points.size()), -1);
    QVector<Point> sums;
    for (int iteration = 0; iteration < maxIterations; ++iteration) {
        bool moved = false;
        for (qsizetype i = 0; i < points.size(); ++i) {
            const qsizetype c = nearestCentre(centres, points[i].lab);
            moved = moved || c != cluster[static_cast<std::size_t>(i)];
            cluster[static_cast<std::size_t>(i)] = c;
        }
        sums = QVector<Point>(centres.size());
        for (qsizetype i = 0; i < points.size(); ++i) {
            Point& s = sums[cluster[static_cast<std::size_t>(i)]];
            const double w = points[i].weight;
            s.lab = {s.lab.a + w * points[i].lab.a, s.lab.b + w * points[i].lab.b,
                     s.lab.c + w * points[i].lab.c};
            s.weight += w;
        }
        for (qsizetype c = 0; c < centres.size(); ++c)
            if (sums[c].weight > 0)
                centres[c] = {sums[c].lab.a / sums[c].weight, sums[c].lab.b / sums[c].weight,
                              sums[c].lab.c / sums[c].weight};
        if (!moved)
            break;
    }
    double total = 0;
    for (const Point& s : sums)
        total += s.weight;
    QVector<DominantColour> result;
    for (qsizetype c = 0; c < centres.size(); ++c) {
        if (sums[c].weight <= 0)
            continue;
        const Triple p = polar(centres[c]);
        result << DominantColour{rgbFromLinearSrgb(gamutMappedLinearSrgb({p.a, p.b, p.c})),
                                 100 * sums[c].weight / total};
    }
    std::stable_sort(result.begin(), result.end(),
                     [](const DominantColour& x, const DominantColour& y) { return x.share > y.share; });
    return result;
}

std::optional<QVector<DominantColour>> pictureColours(const QByteArray& bytes, int k)
{
    QByteArray data = bytes;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    const QImage image = reader.read();
    if (image.isNull())
        return std::nullopt;
    return dominantColours(image, k);
}
