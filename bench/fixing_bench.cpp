// Fixed display through the widgets: a click into the other half that swaps
// the combinations, and a band drag while fixed, each with its paint pass.

#include "core/prefs/MemoryPreferenceStore.h"
#include "core/prefs/RegistryForm.h"
#include "ui/display/DisplayParts.h"
#include "ui/display/ModeActions.h"
#include "ui/shell/TForm1.h"
#include "ui/shell/TfBlind.h"
#include "ui/widgets/ColourPanel.h"
#include "ui/widgets/PictureBox.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QMouseEvent>

#include "BenchWindow.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace
{

struct FixedFenster : BenchWindow {
    static void mouseInput(QWidget* w, QEvent::Type typ, QPointF p, Qt::MouseButton button,
                           Qt::MouseButtons gehalten)
    {
        QMouseEvent e(typ, p, w->mapToGlobal(p), button, gehalten, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }

    static void klick(QWidget* w)
    {
        const QPointF p = w->rect().center();
        mouseInput(w, QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton);
        mouseInput(w, QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton);
    }

    void band(int x) { klick(form->w().band.Image2, x); }

    static void klick(QWidget* w, int x)
    {
        mouseInput(w, QEvent::MouseButtonPress, QPointF(x, 30), Qt::LeftButton, Qt::LeftButton);
        mouseInput(w, QEvent::MouseButtonRelease, QPointF(x, 30), Qt::LeftButton, Qt::NoButton);
    }

    // Fixed at band position 100, the right half then moved to 300.
    void fixiertMitZweiKombinationen()
    {
        band(100);
        form->actionItem("fixieren")->trigger();
        band(300);
        QApplication::processEvents();
    }
};

// Every iteration is one swap: the clicks go to the halves in turn.
void change(benchmark::State& state, FixedFenster& f, QWidget* left, QWidget* right)
{
    bool nachLinks = true;
    for (auto _ : state) {
        FixedFenster::klick(nachLinks ? left : right);
        QApplication::processEvents();
        nachLinks = !nachLinks;
    }
    benchmark::DoNotOptimize(f.form->state().posGross());
}

void BM_FixedSwap_FourColour(benchmark::State& state)
{
    FixedFenster f;
    f.form->actionItem("viererHarmonien")->trigger();
    f.fixiertMitZweiKombinationen();
    MainWidgets& w = f.form->w();
    change(state, f, w.fields.FixedLinksKleinRechts, w.fields.FixedKleinRechts);
}
BENCHMARK(BM_FixedSwap_FourColour)->Unit(benchmark::kMillisecond);

void BM_FixedSwap_ColourRow15(benchmark::State& state)
{
    FixedFenster f;
    f.form->actionItem("farbreihen")->trigger();
    f.form->w().rowControls.ComboBox1->setCurrentIndex(6);
    f.form->parts().modes->ComboBox1Change();
    f.fixiertMitZweiKombinationen();
    MainWidgets& w = f.form->w();
    change(state, f, w.fields.RLi[15], w.fields.RRe[15]);
}
BENCHMARK(BM_FixedSwap_ColourRow15)->Unit(benchmark::kMillisecond);

void BM_FixedBandDrag_FourColour(benchmark::State& state)
{
    FixedFenster f;
    f.form->actionItem("viererHarmonien")->trigger();
    f.fixiertMitZweiKombinationen();
    PictureBox* band = f.form->w().band.Image2;
    FixedFenster::mouseInput(band, QEvent::MouseButtonPress, QPointF(100, 30), Qt::LeftButton,
                             Qt::LeftButton);
    QApplication::processEvents();
    int x = 100;
    for (auto _ : state) {
        x = (x + 7) % 678;
        FixedFenster::mouseInput(band, QEvent::MouseMove, QPointF(x, 30), Qt::NoButton, Qt::LeftButton);
        QApplication::processEvents();
    }
    FixedFenster::mouseInput(band, QEvent::MouseButtonRelease, QPointF(x, 30), Qt::LeftButton, Qt::NoButton);
    benchmark::DoNotOptimize(f.form->state().posGross());
}
BENCHMARK(BM_FixedBandDrag_FourColour)->Unit(benchmark::kMicrosecond);

} // namespace
