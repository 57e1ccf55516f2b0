#include "core/harmony/StateHooks.h"

#include "core/colour/AnglePicture.h"
#include "core/harmony/FieldColours.h"

void StateHooks::farbenA()
{
    NullPaintTarget nichts;
    ::farbenA(m_s, nichts);
}

void StateHooks::winkelZeichnen()
{
    if (checkAngleDrawing(m_s, m_window.shown))
        m_notes.angleMarkerDue = true;
}

void StateHooks::moveBandMarker(int p)
{
    m_notes.bandMarker = p;
    m_notes.bandMarkerDue = true;
}

bool StateHooks::manualInputToOuterRowField() const
{
    return m_window.inputOnOuterField;
}

void StateHooks::recolour()
{
    // Harmonies keep no mixed colours; only rows have final values to keep.
    if (isRowMode(m_s.harmonyMode()))
        farbenA();
}
