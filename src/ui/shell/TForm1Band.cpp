// Band type switching and the band markers of the main window.

#include "ui/shell/TForm1.h"

#include "core/colour/AnglePicture.h"
#include "core/colour/Rotation.h"
#include "core/harmony/Positions.h"
#include "ui/display/BandAngleControls.h"
#include "ui/display/DisplayParts.h"
#include "ui/display/ModeActions.h"
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

// A typed-in big-field colour belongs to the luminous band: the realistic band
// drops it, the luminous band fetches the big field again to show it.
void TForm1::switchBandType(bool luminoes)
{
    const ColourDocument::Operation bandTyp(m_dokument, StepKind::bandType);
    const bool texteGezeigt = state().eingabeTexteZeigen;
    if (state().hdZielGross())
        m_dokument.eingabeTexteZeigen(false);
    if (!luminoes)
        m_dokument.eingabeFarbeAktiv(false);
    setBandType(luminoes);
    realistischLuminoesExecute();
    if (texteGezeigt) {
        m_dokument.eingabeTexteZeigen(true);
        if (luminoes && state().feldGrossAn())
            reloadBigField();
    }
    wheelForBandType();
}

void TForm1::setBandType(bool luminoes)
{
    m_dokument.applyBandType(luminoes);
    m_parts->band->showBandPicture();
}

void TForm1::wheelForBandType()
{
    m_parts->band->wheelForBandType();
    // Separate adjustment shows the unturned wheel of the new band under its markers.
    m_dokument.renewSeparateAngleMarkers();
}

// Recomputes every field of the mode after a band type switch.
void TForm1::realistischLuminoesExecute()
{
    m_parts->modes->realistischLuminoesExecute();
}

void TForm1::reloadBigField()
{
    m_dokument.datenHolen(state().posGross(), true);
}

// PaintBox1Paint and PaintBox2Paint: a small filled triangle pointing at the
// band, gray while the background is black.
void TForm1::paintMarker(QPainter& painter, bool pointsDown) const
{
    const QColor colourValue =
        m_w.regions.ComboBox2->currentIndex() == 3 ? QColor(119, 119, 119) : QColor(0, 0, 0);
    const int broad[2] = {pointsDown ? 0 : 2, pointsDown ? 1 : 3}; // the two rows three pixels wide
    for (int y = 0; y < 4; ++y) {
        const bool whole = y == broad[0] || y == broad[1];
        painter.fillRect(whole ? QRect(0, y, 3, 1) : QRect(1, y, 1, 1), colourValue);
    }
}
