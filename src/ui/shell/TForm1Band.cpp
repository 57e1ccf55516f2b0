// Band type switching and the band markers of the main window.

#include "ui/shell/TForm1.h"

#include "core/colour/AnglePicture.h"
#include "core/colour/Rotation.h"
#include "core/harmony/Positions.h"
#include "ui/display/BandAngleControls.h"
#include "ui/display/DisplayParts.h"
#include "ui/display/FieldSelection.h"
#include "ui/display/ModeActions.h"
#include "ui/widgets/MarkColours.h"
#include "ui/widgets/PictureBox.h"

#include <QAction>
#include <QComboBox>
#include <QPainter>
#include <QSlider>

void TForm1::realistischExecute()
{
    switchBandType(false);
}

void TForm1::luminoesExecute()
{
    switchBandType(true);
}

// The document switches the band type; the band controls show the new band
// and wheel as it announces it, and turn the wheel and show the angles here.
void TForm1::switchBandType(bool luminoes)
{
    resetStaticText();
    m_dokument.switchBandType(luminoes);
    m_parts->band->afterBandMove();
    m_parts->selection->showChoice();
    m_parts->selection->showSelection();
}

// PaintBox1Paint and PaintBox2Paint: a small filled triangle pointing at the
// band, gray while the background is black; a palette whose background hides
// either takes its own text colour.
void TForm1::paintMarker(QPainter& painter, bool pointsDown) const
{
    const QColor usual = m_w.regions.ComboBox2->currentIndex() == 3 ? QColor(119, 119, 119) : QColor(0, 0, 0);
    const QColor colourValue = markColourOn(m_w.band.PaintBox1, usual);
    const int broad[2] = {pointsDown ? 0 : 2, pointsDown ? 1 : 3}; // the two rows three pixels wide
    for (int y = 0; y < 4; ++y) {
        const bool whole = y == broad[0] || y == broad[1];
        painter.fillRect(whole ? QRect(0, y, 3, 1) : QRect(1, y, 1, 1), colourValue);
    }
}
