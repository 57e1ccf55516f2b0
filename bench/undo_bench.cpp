// Undo and redo: what recording a step adds to a gesture, and one step taken
// back or brought again in a fixed 15-field colour row, painted.

#include "core/documents/SettingsApply.h"
#include "core/state/UndoStep.h"
#include "ui/display/DisplayParts.h"
#include "ui/display/ModeActions.h"
#include "ui/shell/TForm1.h"
#include "ui/widgets/PictureBox.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QMouseEvent>
#include <QUndoStack>

#include "BenchWindow.h"

#include <benchmark/benchmark.h>

namespace
{

void bandClick(TForm1& form, int x)
{
    QWidget* band = form.w().band.Image2;
    QMouseEvent druck(QEvent::MouseButtonPress, QPointF(x, 30), band->mapToGlobal(QPointF(x, 30)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent los(QEvent::MouseButtonRelease, QPointF(x, 30), band->mapToGlobal(QPointF(x, 30)),
                    Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(band, &druck);
    QApplication::sendEvent(band, &los);
    QApplication::processEvents();
}

// The two states of a band click in a 15-field colour row, recorded as a step
// and pushed on a history as the document does.
void BM_RecordStep_ColourRow15(benchmark::State& state)
{
    FileSetting e;
    e.harmonyMode = HarmonyMode::colourRows;
    e.abstand1 = 60;
    e.stepIndex = 6;
    e.crossHairs = {{Field::left, 40, 200}, {Field::right, 220, 30}};
    MainState a;
    applySetting(a, e);
    MainState b = a;
    e.bandClick = 400;
    e.pos[Field::right] = 400;
    applySetting(b, e);
    QUndoStack history;
    history.setUndoLimit(10000);
    bool hin = true;
    for (auto _ : state) {
        StateDelta d(hin ? a : b, hin ? b : a);
        history.push(new UndoStep(StepKind::bandPosition, QStringLiteral("band position"), std::move(d), 0,
                                  [](const StateDelta&) {}));
        hin = !hin;
    }
    benchmark::DoNotOptimize(history.count());
}
BENCHMARK(BM_RecordStep_ColourRow15)->Unit(benchmark::kMicrosecond);

// Fixed at 100, the edited half moved to 300 (one step); then undone and redone in turn.
void BM_UndoRedo_FixedColourRow15(benchmark::State& state)
{
    BenchWindow f;
    TForm1& form = *f.form;
    form.actionItem("farbreihen")->trigger();
    form.w().rowControls.ComboBox1->setCurrentIndex(6);
    form.parts().modes->ComboBox1Change();
    bandClick(form, 100);
    form.actionItem("fixieren")->trigger();
    QApplication::processEvents();
    bandClick(form, 300);
    QUndoStack& history = form.colourDocument().history();
    bool zurueck = true;
    for (auto _ : state) {
        if (zurueck)
            history.undo();
        else
            history.redo();
        QApplication::processEvents();
        zurueck = !zurueck;
    }
    benchmark::DoNotOptimize(form.state().posGross());
}
BENCHMARK(BM_UndoRedo_FixedColourRow15)->Unit(benchmark::kMillisecond);

} // namespace
