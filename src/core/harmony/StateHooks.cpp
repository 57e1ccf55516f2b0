#include "core/harmony/StateHooks.h"

#include "core/colour/AnglePicture.h"
#include "core/harmony/FieldColours.h"

void StateHooks::farbenA()
{
    OhneAnzeige nichts;
    ::farbenA(m_s, nichts);
}

void StateHooks::winkelZeichnen()
{
    if (winkelZeichnenPruefen(m_s))
        m_s.ablauf.winkelMarkerFaellig = true;
}

void StateHooks::bandMarkerVerschieben(int p)
{
    m_s.ablauf.bandMarker = p;
    m_s.ablauf.bandMarkerFaellig = true;
}

bool StateHooks::manualInputToOuterRowField() const
{
    return m_s.ablauf.eingabeAussenfeld;
}

void StateHooks::neuFaerben()
{
    // Harmonies keep no mixed colours; only rows have final values to keep.
    if (istReihenModus(m_s.modus()))
        farbenA();
}
