// Colour settings file through the main window: opening a fixed two-block
// file with its replay and paint pass, and a save of a fixed display.

#include "desktop/FileDialogs.h"
#include "prefs/MemoryPreferenceStore.h"
#include "prefs/RegistryForm.h"
#include "shell/ColourSettingsFile.h"
#include "shell/TForm1.h"
#include "shell/TfBlind.h"

#include <QAction>
#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace
{

struct DateiFenster {
    DateiFenster()
    {
        auto store = std::make_unique<MemoryPreferenceStore>();
        store->setRaw(QStringLiteral("cFullscrn"), 0);
        prefs = std::make_unique<TfRegistryForm>(std::move(store));
        form = std::make_unique<TForm1>();
        form->setPreferences(*prefs);
        form->setScreenSizeOverride(QSize(1280, 1024));
        blind = std::make_unique<TfBlind>(*form, *prefs);
        auto d = std::make_unique<ScriptedFileDialogs>();
        dialoge = d.get();
        form->datei().setDialogs(std::move(d));
        form->show();
        form->setWindowState(Qt::WindowNoState);
        form->resize(988, 728);
        QApplication::processEvents();
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

    std::unique_ptr<TfRegistryForm> prefs;
    std::unique_ptr<TForm1> form;
    std::unique_ptr<TfBlind> blind;
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
