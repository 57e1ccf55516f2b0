// CMYK through Ghostscript's press profile (libgs-common): 32 colours converted
// and gamut-tested with the transforms built once (target: at most 0.5 ms),
// and what building them for one profile choice costs.
#include "core/print/PrintConversion.h"

#include <benchmark/benchmark.h>

namespace
{

const QString pressProfile = QStringLiteral("/usr/share/color/icc/ghostscript/default_cmyk.icc");

// Saturated, light and dark colours round the wheel, in and out of the press gamut.
QVector<QRgb> thirtyTwoColours()
{
    QVector<QRgb> colours;
    for (int i = 0; i < 32; ++i)
        colours.append(qRgb((i * 83) % 256, (i * 151 + 40) % 256, (i * 197 + 90) % 256));
    return colours;
}

void BM_PrintConvert32Colours(benchmark::State& state)
{
    const std::optional<PrintConversion> conversion =
        PrintConversion::make(profileFromFile(pressProfile).profile, PrintIntent::relativeColorimetric);
    if (!conversion) {
        state.SkipWithError("no press profile: install libgs-common");
        return;
    }
    const QVector<QRgb> colours = thirtyTwoColours();
    for (auto _ : state)
        benchmark::DoNotOptimize(conversion->convert(colours));
}
BENCHMARK(BM_PrintConvert32Colours)->Unit(benchmark::kMicrosecond);

void BM_PrintProfileChosen(benchmark::State& state)
{
    for (auto _ : state) {
        const ProfileLoad load = profileFromFile(pressProfile);
        benchmark::DoNotOptimize(PrintConversion::make(load.profile, PrintIntent::relativeColorimetric));
    }
}
BENCHMARK(BM_PrintProfileChosen)->Unit(benchmark::kMillisecond);

} // namespace
