// Palettes coming in. A 24-megapixel photograph's dominant colours against Qt's
// own decode of that picture as JPEG and as PNG (target: extraction at most a
// quarter of the decode), and a 1,000-colour GIMP palette read (target: 20 ms).
#include "core/import/ImageColours.h"
#include "core/import/ImportedPalette.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>

#include <benchmark/benchmark.h>

#include <cstdint>

namespace
{

// 6000 x 4000 with gradients and noise, so neither codec has it easy.
const QImage& photo()
{
    static const QImage image = [] {
        QImage p(6000, 4000, QImage::Format_RGB32);
        std::uint32_t state = 7;
        for (int y = 0; y < p.height(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(p.scanLine(y));
            for (int x = 0; x < p.width(); ++x) {
                state = state * 1664525u + 1013904223u;
                const int n = static_cast<int>(state >> 28);
                row[x] = qRgb((x / 24 + n) % 256, (y / 16 + n) % 256, ((x + y) / 40 + 2 * n) % 256);
            }
        }
        return p;
    }();
    return image;
}

const QByteArray& encoded(const char* format)
{
    static QByteArray jpeg, png;
    QByteArray& data = qstrcmp(format, "JPEG") == 0 ? jpeg : png;
    if (data.isEmpty()) {
        QBuffer buffer(&data);
        buffer.open(QIODevice::WriteOnly);
        photo().save(&buffer, format, 90);
    }
    return data;
}

void decode(benchmark::State& state, const char* format)
{
    const QByteArray& data = encoded(format);
    for (auto _ : state) {
        QImage image;
        image.loadFromData(data, format);
        benchmark::DoNotOptimize(image.width());
    }
    state.SetLabel(QByteArray::number(data.size() / 1024).append(" KiB").constData());
}

void BM_DecodeJpeg24Megapixel(benchmark::State& state)
{
    decode(state, "JPEG");
}
BENCHMARK(BM_DecodeJpeg24Megapixel)->Unit(benchmark::kMillisecond);

void BM_DecodePng24Megapixel(benchmark::State& state)
{
    decode(state, "PNG");
}
BENCHMARK(BM_DecodePng24Megapixel)->Unit(benchmark::kMillisecond);

void BM_DominantColours24Megapixel(benchmark::State& state)
{
    const QImage& image = photo();
    for (auto _ : state)
        benchmark::DoNotOptimize(dominantColours(image, defaultImageColours));
}
BENCHMARK(BM_DominantColours24Megapixel)->Unit(benchmark::kMillisecond);

void BM_ReadGpl1000Colours(benchmark::State& state)
{
    QByteArray file = "GIMP Palette\nName: Thousand\nColumns: 10\n#\n";
    for (int i = 0; i < 1000; ++i)
        file += QByteArray::number(i % 256).rightJustified(3, ' ') + ' ' +
                QByteArray::number(i * 7 % 256).rightJustified(3, ' ') + ' ' +
                QByteArray::number(i * 13 % 256).rightJustified(3, ' ') + "\tFarbe Nr. " +
                QByteArray::number(i) + " \xC3\xA4\n";
    for (auto _ : state) {
        const ImportResult r = readGpl(file, QStringLiteral("x"));
        benchmark::DoNotOptimize(r.palette->groups.size());
    }
}
BENCHMARK(BM_ReadGpl1000Colours)->Unit(benchmark::kMillisecond);

} // namespace
