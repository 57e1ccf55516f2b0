// Colour settings file through the main window: opening a fixed two-block
// file with its replay and paint pass, and a save of a fixed display.

#include "core/prefs/MemoryPreferenceStore.h"
#include "core/prefs/RegistryForm.h"
#include "platform/desktop/FileDialogs.h"
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
        dialogs = d.get();
        form->fileItem().setDialogs(std::move(d));
    }

    // 4-colour at 100 fixed, 3-colour at 300 edited, saved under pathName.
    void fixiertSpeichern(const QString& pathName)
    {
        form->actionItem("viererHarmonien")->trigger();
        form->actionItem("fixieren")->trigger();
        form->actionItem("dreierHarmonien")->trigger();
        dialogs->queueAnswer(pathName);
        form->actionItem("dateiSpeichernUnter")->trigger();
    }

    ScriptedFileDialogs* dialogs = nullptr;
};

void BM_OpenFixedTwoBlockFile(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString pathName = dir.filePath(QStringLiteral("fix.tnfx"));
    DateiFenster f;
    f.fixiertSpeichern(pathName);
    for (auto _ : state) {
        f.dialogs->queueAnswer(pathName);
        f.form->actionItem("dateiOeffnen")->trigger();
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
    QAction& chooseSaveFile = *f.form->actionItem("dateiSpeichern");
    for (auto _ : state) {
        chooseSaveFile.setEnabled(true);
        chooseSaveFile.trigger();
    }
    benchmark::DoNotOptimize(chooseSaveFile.isEnabled());
}
BENCHMARK(BM_SaveFixedDisplay)->Unit(benchmark::kMicrosecond);

} // namespace
