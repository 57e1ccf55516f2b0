#include "core/colour/AnglePicture.h"

#include <benchmark/benchmark.h>

namespace
{

QImage gradientRad()
{
    QImage rad(122, 122, QImage::Format_RGB888);
    for (int y = 0; y < 122; ++y)
        for (int x = 0; x < 122; ++x)
            rad.setPixel(x, y, qRgb(2 * x, 2 * y, 255 - x - y / 2));
    return rad;
}

// A whole redraw of the angle picture: wheel copy plus every line of the mode.
void BM_AnglePicture(benchmark::State& state)
{
    const QImage rad = gradientRad();
    const auto modus = static_cast<Modus>(state.range(0));
    QImage winkelBild(winkelBildGroesse, winkelBildGroesse, QImage::Format_RGB888);
    int position = 0;
    for (auto _ : state) {
        // Vary the angles so that every run draws slanted, anti-aliased lines.
        position = position % 117 + 1;
        const WinkelAnzeige a = zeichneWinkelBild(winkelBild, rad, modus, false, position, 118 - position);
        benchmark::DoNotOptimize(a.abstand1);
        benchmark::DoNotOptimize(winkelBild.constBits());
    }
}

} // namespace

BENCHMARK(BM_AnglePicture)
    ->Arg(static_cast<int>(Modus::vierer))
    ->Arg(static_cast<int>(Modus::dreier))
    ->ArgNames({"modus"})
    ->Unit(benchmark::kMicrosecond);
