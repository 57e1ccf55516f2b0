#include "core/colour/BandPictures.h"
#include "core/colour/OverlayPicture.h"
#include "core/colour/Rotation.h"

#include <benchmark/benchmark.h>

#include <QFile>

namespace
{

// The wheel follows every drag on the band, so each turn is a new angle.
void BM_SmoothRotate(benchmark::State& state)
{
    const QImage source = wheelPicture(true);
    QImage target = source.copy();
    int angle = 0;
    for (auto _ : state) {
        SmoothRotate(source, target, wheelCentre, wheelCentre, angle);
        angle = (angle + 7) % 360;
        benchmark::DoNotOptimize(target.constBits());
    }
    state.SetItemsProcessed(state.iterations() * source.width() * source.height());
}
BENCHMARK(BM_SmoothRotate)->Unit(benchmark::kMicrosecond);

// Cached after the first call: what every later caller pays.
void BM_WheelPictureCached(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(wheelPicture(state.range(0) != 0));
}
BENCHMARK(BM_WheelPictureCached)->Arg(0)->Arg(1);

void BM_DecodeOverlayPng(benchmark::State& state)
{
    QFile file(QStringLiteral(":/core/overlay.png"));
    if (!file.open(QIODevice::ReadOnly)) {
        state.SkipWithError("overlay resource missing");
        return;
    }
    const QByteArray data = file.readAll();
    for (auto _ : state)
        benchmark::DoNotOptimize(decodePng(data));
}
BENCHMARK(BM_DecodeOverlayPng)->Unit(benchmark::kMicrosecond);

} // namespace
