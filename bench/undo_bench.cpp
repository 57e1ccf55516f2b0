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

void bandKlick(TForm1& form, int x)
{
    QWidget* band = form.w().Image2;
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
    DateiEinstellung e;
    e.modus = Modus::reihen;
    e.abstand1 = 60;
    e.stufenIndex = 6;
    e.fadenkreuze = {{Feld::links, 40, 200}, {Feld::rechts, 220, 30}};
    MainState a;
    einstellungAnwenden(a, e);
    MainState b = a;
    e.bandKlick = 400;
    e.pos[Feld::rechts] = 400;
    einstellungAnwenden(b, e);
    QUndoStack verlauf;
    verlauf.setUndoLimit(10000);
    bool hin = true;
    for (auto _ : state) {
        StateDelta d(hin ? a : b, hin ? b : a);
        verlauf.push(new UndoStep(StepKind::bandPosition, QStringLiteral("band position"), std::move(d), 0,
                                  [](const StateDelta&) {}));
        hin = !hin;
    }
    benchmark::DoNotOptimize(verlauf.count());
}
BENCHMARK(BM_RecordStep_ColourRow15)->Unit(benchmark::kMicrosecond);

// Fixed at 100, the edited half moved to 300 (one step); then undone and redone in turn.
void BM_UndoRedo_FixedColourRow15(benchmark::State& state)
{
    BenchWindow f;
    TForm1& form = *f.form;
    form.aktion("farbreihen")->trigger();
    form.w().ComboBox1->setCurrentIndex(6);
    form.parts().modes->ComboBox1Change();
    bandKlick(form, 100);
    form.aktion("fixieren")->trigger();
    QApplication::processEvents();
    bandKlick(form, 300);
    QUndoStack& verlauf = form.dokument().verlauf();
    bool zurueck = true;
    for (auto _ : state) {
        if (zurueck)
            verlauf.undo();
        else
            verlauf.redo();
        QApplication::processEvents();
        zurueck = !zurueck;
    }
    benchmark::DoNotOptimize(form.state().posGross());
}
BENCHMARK(BM_UndoRedo_FixedColourRow15)->Unit(benchmark::kMillisecond);

} // namespace
