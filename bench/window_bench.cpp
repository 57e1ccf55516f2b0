// The main window: building and first showing it, and relaying it out on a resize.

#include "core/prefs/MemoryPreferenceStore.h"
#include "core/prefs/RegistryForm.h"
#include "ui/shell/TForm1.h"
#include "ui/shell/TfBlind.h"
#include "ui/widgets/ColourPanel.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <memory>

namespace
{

std::unique_ptr<TfRegistryForm> normalePraeferenzen()
{
    auto store = std::make_unique<MemoryPreferenceStore>();
    store->setRaw(QStringLiteral("cFullscrn"), 0);
    return std::make_unique<TfRegistryForm>(std::move(store));
}

// A shown window on a large screen, as the resize benchmarks start from.
struct ShownWindow {
    ShownWindow()
    {
        form.setPreferences(*prefs);
        form.setScreenSizeOverride(QSize(1920, 1200));
        blind = std::make_unique<TfBlind>(form, *prefs);
        form.show();
        QApplication::processEvents();
    }
    std::unique_ptr<TfRegistryForm> prefs = normalePraeferenzen();
    TForm1 form;
    std::unique_ptr<TfBlind> blind;
};

// Everything the start-up does for the window up to its first paint: the window
// with its actions and menus, the preferences, the resource form with the
// language switch, the first show and one pass of the event loop.
void BM_MainWindowConstructAndShow(benchmark::State& state)
{
    for (auto _ : state) {
        auto prefs = normalePraeferenzen();
        auto form = std::make_unique<TForm1>();
        form->setPreferences(*prefs);
        form->setScreenSizeOverride(QSize(1280, 1024));
        auto blind = std::make_unique<TfBlind>(*form, *prefs);
        form->show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(form->colourDocument().window().shown);

        state.PauseTiming();
        blind.reset();
        form.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_MainWindowConstructAndShow)->Unit(benchmark::kMillisecond);

// One window resize: the regions follow and every field, row and fixed panel
// is placed again (no painting).
void BM_WindowResize(benchmark::State& state)
{
    ShownWindow shown;
    TForm1& form = shown.form;
    bool big = false;
    for (auto _ : state) {
        big = !big;
        form.resize(big ? QSize(1200, 860) : QSize(988, 728));
        benchmark::DoNotOptimize(form.w().fields.KleinRechts->geometry());
    }
}
BENCHMARK(BM_WindowResize)->Unit(benchmark::kMicrosecond);

// The resize handler alone: the display changes size, every panel moves.
void BM_FormResize(benchmark::State& state)
{
    ShownWindow shown;
    TForm1& form = shown.form;
    ColourPanel* backgroundColour = form.w().regions.panelHintergrund;
    bool broad = false;
    for (auto _ : state) {
        broad = !broad;
        backgroundColour->resize(broad ? 900 : 680, backgroundColour->height());
        form.FormResize();
        benchmark::DoNotOptimize(form.w().fields.KleinRechts->geometry());
    }
}
BENCHMARK(BM_FormResize)->Unit(benchmark::kMicrosecond);

} // namespace
