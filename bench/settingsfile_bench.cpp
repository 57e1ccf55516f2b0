// Colour settings file through the main window: opening a fixed two-block
// file with its replay and paint pass, and a save of a fixed display.

#include "platform/desktop/FileDialogs.h"
#include "core/prefs/MemoryPreferenceStore.h"
#include "core/prefs/RegistryForm.h"
#include "ui/shell/ColourSettingsFile.h"
#include "ui/shell/TForm1.h"
#include "ui/shell/TfBlind.h"

#include <QAction>
#include <QApplication>
#include <QTemporaryDir>

#include "BenchWindow.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace
{

struct DateiFenster : BenchWindow {
    DateiFenster()
    {
        auto d = std::make_unique<ScriptedFileDialogs>();
        dialoge = d.get();
        form->datei().setDialogs(std::move(d));
    }

    // 4-colour at 100 fixed, 3-colour at 300 edited, saved under pfad.
    void fixiertSpeichern(const QString& pfad)
    {
        form->aktion("viererHarmonien")->trigger();
        form->aktion("fixieren")->trigger();
        form->aktion("dreierHarmonien")->trigger();
        dialoge->antworte(pfad);
        form->aktion("dateiSpeichernUnter")->trigger();
    }

    ScriptedFileDialogs* dialoge = nullptr;
};

void BM_OpenFixedTwoBlockFile(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("fix.tnfx"));
    DateiFenster f;
    f.fixiertSpeichern(pfad);
    for (auto _ : state) {
        f.dialoge->antworte(pfad);
        f.form->aktion("dateiOeffnen")->trigger();
        QApplication::processEvents();
    }
    benchmark::DoNotOptimize(f.form->state().fixiert);
}
BENCHMARK(BM_OpenFixedTwoBlockFile)->Unit(benchmark::kMillisecond);

void BM_SaveFixedDisplay(benchmark::State& state)
{
    QTemporaryDir dir;
    DateiFenster f;
    f.fixiertSpeichern(dir.filePath(QStringLiteral("fix.tnfx")));
    QAction& speichern = *f.form->aktion("dateiSpeichern");
    for (auto _ : state) {
        speichern.setEnabled(true);
        speichern.trigger();
    }
    benchmark::DoNotOptimize(speichern.isEnabled());
}
BENCHMARK(BM_SaveFixedDisplay)->Unit(benchmark::kMicrosecond);

} // namespace
