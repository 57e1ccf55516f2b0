// Building the palette of a 15-field colour row from its state and writing it
// in each format (target: at most 2 ms each).
#include "core/documents/Palette.h"
#include "core/documents/SettingsApply.h"
#include "core/export/PaletteFormats.h"
#include "core/language/LanguageTable.h"

#include <benchmark/benchmark.h>

namespace
{

// Colour rows of 15 fields, both outer cross-hairs off their corner.
MainState reihe15()
{
    SettingsBlock b;
    const int valueSet[] = {1,  4,   250, 1,   90,  34, 0, 0, 255, 40, 200, 0, 255,
                            90, 120, 250, 100, 400, 67, 6, 0, 0,   1,  2,   3};
    for (int i = 1; i <= 25; ++i)
        b.valueSet[i] = valueSet[i - 1];
    MainState s;
    applySetting(s, fileSetting(b));
    return s;
}

void BM_ExportColourRow15(benchmark::State& state)
{
    const MainState s = reihe15();
    const LanguageTable t = LanguageTable::forLanguage(Language::english);
    const auto format = static_cast<PaletteFormat>(state.range(0));
    for (auto _ : state) {
        const Palette p = paletteFrom(s, t);
        benchmark::DoNotOptimize(paletteData(p, format, QStringLiteral("Tinctora")));
    }
    state.SetLabel(paletteFormat(format).name);
}
BENCHMARK(BM_ExportColourRow15)->DenseRange(0, 7)->Unit(benchmark::kMicrosecond);

} // namespace
