#include "core/colour/AnglePicture.h"
#include "core/colour/BandPictures.h"

#include <benchmark/benchmark.h>

namespace
{

QImage gradientRad()
{
    QImage wheel(122, 122, QImage::Format_RGB888);
    for (int y = 0; y < 122; ++y)
        for (int x = 0; x < 122; ++x)
            wheel.setPixel(x, y, qRgb(2 * x, 2 * y, 255 - x - y / 2));
    return wheel;
}

// A whole redraw of the angle picture: wheel copy plus every line of the mode.
void BM_AnglePicture(benchmark::State& state)
{
    const QImage wheel = gradientRad();
    const auto harmonyMode = static_cast<HarmonyMode>(state.range(0));
    QImage winkelBild(anglePictureSize, anglePictureSize, QImage::Format_RGB888);
    int position = 0;
    for (auto _ : state) {
        // Vary the angles so that every run draws slanted, anti-aliased lines.
        position = position % 117 + 1;
        const AngleDisplay a =
            drawAnglePicture(winkelBild, wheel, harmonyMode, false, position, 118 - position);
        benchmark::DoNotOptimize(a.abstand1);
        benchmark::DoNotOptimize(winkelBild.constBits());
    }
}

} // namespace

BENCHMARK(BM_AnglePicture)
    ->Arg(static_cast<int>(HarmonyMode::fourColour))
    ->Arg(static_cast<int>(HarmonyMode::threeColour))
    ->ArgNames({"modus"})
    ->Unit(benchmark::kMicrosecond);

namespace
{

// The same redraw on a screen of twice the pixels: the wheel drawn anew at the
// new turn, then the lines by the painter.
void BM_SharpAnglePicture(benchmark::State& state)
{
    int position = 0;
    for (auto _ : state) {
        position = position % 117 + 1;
        const QImage wheel = turnedWheelPicture(false, 3 * position, 2.0);
        const QImage picture = sharpAnglePicture(
            wheel, anglePictureLines(HarmonyMode::fourColour, false, position, 118 - position));
        benchmark::DoNotOptimize(picture.constBits());
    }
}

} // namespace

BENCHMARK(BM_SharpAnglePicture)->Unit(benchmark::kMicrosecond);
