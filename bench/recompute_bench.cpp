#include "core/harmony/FieldColours.h"
#include "core/harmony/Positions.h"
#include "core/harmony/RecomputeHooks.h"

#include <benchmark/benchmark.h>

namespace
{

class PaintingHooks : public RecomputeHooks
{
public:
    explicit PaintingHooks(MainState& state) : s(state) {}
    void farben() override { ::farben(s, target); }
    void farbenA() override { ::farbenA(s, target); }
    void winkelZeichnen() override {}
    void moveBandMarker(int p) override { benchmark::DoNotOptimize(p); }
    bool manualInputToOuterRowField() const override { return false; }

private:
    MainState& s;
    NullPaintTarget target; // measures the computing alone
};

MainState stateFor(HarmonyMode harmonyMode, bool winkeltyp2, int stepCount)
{
    MainState s;
    s.actionSet.harmonyMode = harmonyMode;
    s.winkeltyp2 = winkeltyp2;
    s.feldLinksAn() = harmonyMode != HarmonyMode::twoColour;
    s.feldMitteAn() = harmonyMode == HarmonyMode::fourColour;
    s.abstand1() = harmonyMode == HarmonyMode::colourRows ? 80 : 40;
    s.abstand2() = 34;
    s.stufenAnzahl = stepCount;
    for (int k = 2; k <= 7; ++k)
        s.stufeAktiv[static_cast<std::size_t>(k)] = k <= stepCount;
    // Amounts off zero, so that every channel takes the full mixing path.
    s.dunkelGross() = s.dunkelRechts() = s.dunkelLinks() = s.dunkelMitte() = 60;
    s.hellGross() = s.hellRechts() = s.hellLinks() = s.hellMitte() = 30;
    for (int i = 1; i <= 15; ++i) {
        s.dunkelReihe(i) = 4 * i;
        s.hellReihe(i) = 3 * i;
    }
    return s;
}

void runRecompute(benchmark::State& state, HarmonyMode harmonyMode, bool winkeltyp2, int stepCount)
{
    MainState s = stateFor(harmonyMode, winkeltyp2, stepCount);
    PaintingHooks hooks(s);
    int p = 0;
    for (auto _ : state) {
        datenHolen(s, p, 0, true, hooks);
        benchmark::DoNotOptimize(s);
        benchmark::ClobberMemory();
        p = p >= 670 ? p - 670 : p + 7; // a new hue every time
    }
}

void BM_RecomputeColourRow15Fields(benchmark::State& state)
{
    runRecompute(state, HarmonyMode::colourRows, false, 7);
}
void BM_RecomputeFanning15Fields(benchmark::State& state)
{
    runRecompute(state, HarmonyMode::fanning, false, 7);
}
void BM_RecomputeTwoColour(benchmark::State& state)
{
    runRecompute(state, HarmonyMode::twoColour, false, 4);
}
void BM_RecomputeThreeColour(benchmark::State& state)
{
    runRecompute(state, HarmonyMode::threeColour, false, 4);
}
void BM_RecomputeFourColourType1(benchmark::State& state)
{
    runRecompute(state, HarmonyMode::fourColour, false, 4);
}
void BM_RecomputeFourColourType2(benchmark::State& state)
{
    runRecompute(state, HarmonyMode::fourColour, true, 4);
}
void BM_RecomputeFanning9Fields(benchmark::State& state)
{
    runRecompute(state, HarmonyMode::fanning, false, 4);
}
void BM_RecomputeColourRow9Fields(benchmark::State& state)
{
    runRecompute(state, HarmonyMode::colourRows, false, 4);
}

} // namespace

BENCHMARK(BM_RecomputeColourRow15Fields);
BENCHMARK(BM_RecomputeFanning15Fields);
BENCHMARK(BM_RecomputeTwoColour);
BENCHMARK(BM_RecomputeThreeColour);
BENCHMARK(BM_RecomputeFourColourType1);
BENCHMARK(BM_RecomputeFourColourType2);
BENCHMARK(BM_RecomputeFanning9Fields);
BENCHMARK(BM_RecomputeColourRow9Fields);
