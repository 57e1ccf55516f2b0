// Switching the colour vision simulation on a 15-field colour row (the action,
// and the repaint of the whole window that follows), and the contrast matrix
// of 15 fields.

#include "core/documents/ContrastTable.h"
#include "core/prefs/MemoryPreferenceStore.h"
#include "core/prefs/RegistryForm.h"
#include "ui/display/DisplayParts.h"
#include "ui/display/ModeActions.h"
#include "ui/language/ActionRegistry.h"
#include "ui/shell/PrintActions.h"
#include "ui/shell/TForm1.h"
#include "ui/shell/TfBlind.h"
#include "ui/widgets/ColourPanel.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>

#include "BenchWindow.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace
{

struct ReihenFenster : BenchWindow {
    ReihenFenster()
    {
        form->actionItem("farbreihen")->trigger();
        form->w().rowControls.ComboBox1->setCurrentIndex(6);
        form->parts().modes->ComboBox1Change();
        QApplication::processEvents();
    }
};

void BM_SimulationSwitch_ColourRow15(benchmark::State& state)
{
    ReihenFenster f;
    const ActionId kindTable[] = {ActionId::colourVisionDeuteranopia, ActionId::colourVisionProtanopia,
                                  ActionId::colourVisionTritanopia, ActionId::colourVisionAchromatopsia,
                                  ActionId::colourVisionNormal};
    // Each kind once first: the simulated band pictures are made at their first showing.
    for (ActionId a : kindTable) {
        f.form->actions().action(a).trigger();
        QApplication::processEvents();
    }
    std::size_t i = 0;
    for (auto _ : state) {
        f.form->actions().action(kindTable[i++ % std::size(kindTable)]).trigger();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_SimulationSwitch_ColourRow15)->Unit(benchmark::kMicrosecond);

// The soft proof switched on and off on a fixed 15-field colour row, through a
// press profile chosen beforehand (the transforms exist already).
void BM_SoftProofSwitch_FixedColourRow15(benchmark::State& state)
{
    const QString profile = QStringLiteral("/usr/share/color/icc/ghostscript/default_cmyk.icc");
    if (!QFile::exists(profile)) {
        state.SkipWithError("no press profile (package libgs-common)");
        return;
    }
    ReihenFenster f;
    f.form->actionItem("fixieren")->trigger();
    QApplication::processEvents();
    f.form->printActions().takeChoice({profile, PrintIntent::relativeColorimetric});
    QAction& proof = f.form->actions().action(ActionId::simulatePrint);
    for (int i = 0; i < 2; ++i) {
        proof.trigger();
        QApplication::processEvents();
    }
    for (auto _ : state) {
        proof.trigger();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_SoftProofSwitch_FixedColourRow15)->Unit(benchmark::kMicrosecond);

void BM_ContrastMatrix15Fields(benchmark::State& state)
{
    std::vector<QRgb> farben;
    for (int k = 0; k < 15; ++k)
        farben.push_back(qRgb((k * 53) % 256, (k * 97 + 40) % 256, (k * 151 + 90) % 256));
    for (auto _ : state) {
        ContrastMatrix m = contrastMatrix(farben);
        benchmark::DoNotOptimize(m);
    }
}
BENCHMARK(BM_ContrastMatrix15Fields)->Unit(benchmark::kMicrosecond);

} // namespace
