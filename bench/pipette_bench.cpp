#include "core/language/LanguageTable.h"
#include "core/prefs/RegistryForm.h"
#include "platform/screen/ScreenReader.h"
#include "ui/dialogs/TfPipette.h"

#include <benchmark/benchmark.h>

namespace
{

struct PipettenLauf {
    PipettenLauf() : screen(picture()), pipette(screen, currentState, prefs, textSet, nullptr, {})
    {
        prefs.zeigeHinweisPipette = false;
    }
    static QImage picture()
    {
        QImage b(1280, 1024, QImage::Format_RGB32);
        for (int y = 0; y < b.height(); ++y)
            for (int x = 0; x < b.width(); ++x)
                b.setPixel(x, y, qRgb(x & 0xFF, y & 0xFF, (x ^ y) & 0xFF));
        return b;
    }

    FakeScreenReader screen;
    PipetteState currentState;
    HeldPreferences prefs;
    LanguageTable textSet = LanguageTable::forLanguage(Language::english);
    TfPipette pipette;
};

// The cursor moved: three screen copies, the marks, the pixel and its labels.
void BM_PipetteTickMoved(benchmark::State& state)
{
    PipettenLauf lauf;
    int x = 100;
    for (auto _ : state) {
        lauf.screen.setCursorPos({x, 200});
        x = x == 100 ? 101 : 100;
        lauf.pipette.Timer1Timer();
    }
}
BENCHMARK(BM_PipetteTickMoved)->Unit(benchmark::kMicrosecond);

// The cursor stands still: the tick must cost next to nothing.
void BM_PipetteTickStill(benchmark::State& state)
{
    PipettenLauf lauf;
    lauf.screen.setCursorPos({300, 300});
    lauf.pipette.Timer1Timer();
    for (auto _ : state)
        lauf.pipette.Timer1Timer();
}
BENCHMARK(BM_PipetteTickStill);

} // namespace
