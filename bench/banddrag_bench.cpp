// A band drag through the widgets: one mouse move on the band with the button
// held, everything it repaints (fields, value texts, the light/dark field, the
// wheel and the angle picture) and the paint pass that follows.

#include "core/prefs/MemoryPreferenceStore.h"
#include "core/prefs/RegistryForm.h"
#include "ui/display/DisplayParts.h"
#include "ui/display/ModeActions.h"
#include "ui/shell/TForm1.h"
#include "ui/shell/TfBlind.h"
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

struct Fenster : BenchWindow {
    void mouseInput(QEvent::Type typ, int x, Qt::MouseButton button, Qt::MouseButtons gehalten)
    {
        PictureBox* band = form->w().band.Image2;
        const QPointF p(x, 30);
        QMouseEvent e(typ, p, band->mapToGlobal(p), button, gehalten, Qt::NoModifier);
        QApplication::sendEvent(band, &e);
    }
};

void bandZiehen(benchmark::State& state, Fenster& f)
{
    f.mouseInput(QEvent::MouseButtonPress, 100, Qt::LeftButton, Qt::LeftButton);
    QApplication::processEvents();
    int x = 100;
    for (auto _ : state) {
        // Steps of 7 visit every band position and always change the hue.
        x = (x + 7) % 678;
        f.mouseInput(QEvent::MouseMove, x, Qt::NoButton, Qt::LeftButton);
        QApplication::processEvents();
    }
    f.mouseInput(QEvent::MouseButtonRelease, x, Qt::LeftButton, Qt::NoButton);
    benchmark::DoNotOptimize(f.form->state().posGross());
}

void BM_BandDrag_ColourRow15(benchmark::State& state)
{
    Fenster f;
    f.form->actionItem("farbreihen")->trigger();
    f.form->w().rowControls.ComboBox1->setCurrentIndex(6);
    f.form->parts().modes->ComboBox1Change();
    bandZiehen(state, f);
}
BENCHMARK(BM_BandDrag_ColourRow15)->Unit(benchmark::kMicrosecond);

void BM_BandDrag_FourColour(benchmark::State& state)
{
    Fenster f;
    f.form->actionItem("viererHarmonien")->trigger();
    bandZiehen(state, f);
}
BENCHMARK(BM_BandDrag_FourColour)->Unit(benchmark::kMicrosecond);

void colourRow15Fixed(Fenster& f)
{
    f.form->actionItem("farbreihen")->trigger();
    f.form->w().rowControls.ComboBox1->setCurrentIndex(6);
    f.form->parts().modes->ComboBox1Change();
    f.form->actionItem("fixieren")->trigger();
}

void BM_BandDrag_ColourRow15Fixed(benchmark::State& state)
{
    Fenster f;
    colourRow15Fixed(f);
    bandZiehen(state, f);
}
BENCHMARK(BM_BandDrag_ColourRow15Fixed)->Unit(benchmark::kMicrosecond);

// The same with the Scales window open (up to 2 x 16 colours x 7 targets): the
// drag's events stay within a frame at 600 Hz.
void BM_BandDrag_ColourRow15Fixed_ScalesOpen(benchmark::State& state)
{
    Fenster f;
    colourRow15Fixed(f);
    f.form->actionItem("skalen")->trigger();
    QApplication::processEvents();
    bandZiehen(state, f);
}
BENCHMARK(BM_BandDrag_ColourRow15Fixed_ScalesOpen)->Unit(benchmark::kMicrosecond);

} // namespace
