// Contrast scales of every colour of a fixed 15-field colour row (both halves),
// seven WCAG 2 targets or six APCA levels, light set alone or with the dark
// set (target: at most 2 ms for one set); the colour-vision pairs of the same colours.
#include "core/colour/ConfusedColours.h"
#include "core/colour/ContrastScales.h"
#include "core/documents/OpenedFile.h"
#include "core/documents/Palette.h"
#include "core/documents/SettingsApply.h"
#include "core/language/LanguageTable.h"

#include <benchmark/benchmark.h>

namespace
{

SettingsBlock reihe15(int bandClick)
{
    SettingsBlock b;
    const int valueSet[] = {1,  4,   250, 1,   90,  34, 0, 0, 255, 40, 200, 0, 255,
                            90, 120, 250, 100, 400, 67, 6, 0, 0,   1,  2,   3};
    for (int i = 1; i <= 25; ++i)
        b.valueSet[i] = valueSet[i - 1];
    b.valueSet[1] = bandClick;
    return b;
}

QVector<QRgb> fixedRowColours()
{
    MainState s;
    applySetting(s, fileSetting(reihe15(1)));
    s.fixiert = true;
    s.actionSet.fixieren = true;
    s.fixStand = fixSnapshotFromBlock(reihe15(300));
    return paletteColours(paletteFrom(s, LanguageTable::forLanguage(Language::english)));
}

void BM_ScalesFixedColourRow15(benchmark::State& state)
{
    const QVector<QRgb> colours = fixedRowColours();
    const auto method = state.range(0) == 0 ? ContrastMethod::wcag2 : ContrastMethod::apca;
    const bool dark = state.range(1) != 0;
    const QVector<double> targets = defaultTargets(method);
    for (auto _ : state) {
        if (dark)
            benchmark::DoNotOptimize(lightAndDarkScales(colours, ScaleBackgrounds{}, method, targets));
        else
            benchmark::DoNotOptimize(contrastScales(colours, qRgb(255, 255, 255), method, targets));
    }
    state.SetLabel(QStringLiteral("%1 colours x %2 targets%3")
                       .arg(colours.size())
                       .arg(targets.size())
                       .arg(dark ? QStringLiteral(", light and dark") : QString())
                       .toStdString());
}
BENCHMARK(BM_ScalesFixedColourRow15)->ArgsProduct({{0, 1}, {0, 1}})->Unit(benchmark::kMicrosecond);

void BM_ConfusedPairsFixedColourRow15(benchmark::State& state)
{
    const QVector<QRgb> colours = fixedRowColours();
    for (auto _ : state)
        benchmark::DoNotOptimize(confusedPairs(colours));
}
BENCHMARK(BM_ConfusedPairsFixedColourRow15)->Unit(benchmark::kMicrosecond);

} // namespace
