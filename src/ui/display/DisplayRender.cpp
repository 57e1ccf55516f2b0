#include "ui/display/DisplayRender.h"

#include "core/documents/Palette.h"
#include "ui/display/BandAngleControls.h"
#include "ui/display/DisplayHost.h"
#include "ui/display/DisplayParts.h"
#include "ui/display/FieldDisplay.h"
#include "ui/display/FieldSelection.h"
#include "ui/display/FixedPanels.h"
#include "ui/display/Fixing.h"
#include "ui/display/ModeActions.h"
#include "ui/display/SeparateAdjustment.h"
#include "ui/display/TextView.h"
#include "ui/display/WebSafeDisplay.h"
#include "ui/widgets/ColourPanel.h"

DisplayRender::DisplayRender(DisplayHost& host, DisplayParts& parts) : m_host(host), m_parts(parts) {}

void DisplayRender::connectDocument()
{
    QObject::connect(&m_host.dokument(), &ColourDocument::geaendert, &m_host.hauptfenster(),
                     [this](Aenderungen was) {
                         if (was & Aenderung::ganz)
                             zeichnen(was & Aenderung::schritt);
                         else if (was & Aenderung::fixierung)
                             fixierungZeigen(false);
                     });
}

// Cross-hair, percentages and the light/dark colour follow the document's
// announcement of the change itself.
void DisplayRender::zeichnen(bool beideHaelften)
{
    const MainState& s = m_host.state();
    fixierungZeigen(true);
    if (beideHaelften && s.fixiert)
        andereHaelfteMalen();
    // The wheel turns by the marker's place: the marker moves first.
    if (!s.ablauf.eingabeAussenfeld)
        m_parts.band->bandMarkerZeigen(s.separatModus ? m_host.dokument().teilnehmerPosition()
                                                      : s.posGross());
    m_host.bandTypZeigen();
    m_parts.modes->modusZeigen();
    m_parts.band->steuerungZeigen();
    m_parts.separat->zeigen();
    m_parts.websicher->zeigen();
    m_parts.display->allesMalen();
    m_parts.text->zeigen();
    m_parts.selection->auswahlZeigen();
    m_parts.band->legendeFaerben();
}

void DisplayRender::fixierungZeigen(bool ganz)
{
    const MainState& s = m_host.state();
    Fixing& fix = *m_parts.fixing;
    FixedPanels& haelften = m_parts.modes->haelften();
    if (s.fixiert && !fix.fixiertGezeigt()) {
        const Modus andere = static_cast<Modus>(s.fixStand.fixModus);
        fix.haelftenFuellen();
        m_host.w().Anzeige->setColour(m_host.w().panelHintergrund->colour());
        // Fields an earlier fixed session showed in the left half must not stay.
        haelften.allesVerstecken();
        haelften.halbeZeigen(s.fixLinksAktiv ? andere : s.modus(), false);
        haelften.halbeZeigen(s.fixLinksAktiv ? s.modus() : andere, true);
        m_parts.modes->hideAll();
    } else if (!s.fixiert && fix.fixiertGezeigt()) {
        const bool links = fix.linksGezeigt();
        fix.einzelFuellen(!ganz);
        // Separate adjustment keeps the right half's colours, which then are the state's.
        if (!ganz && !(s.separatModus && !links)) {
            // The upper row may still be laid out for the right half's mode.
            m_parts.modes->werteReihenVorbereiten(s.modus());
            m_parts.display->allesMalen();
        }
        haelften.allesVerstecken();
        m_parts.modes->einzelAnzeigeZeigen();
    }
    fix.gezeigt();
}

// The half not edited shows the stored combination, computed as opening a
// file computes it and drawn by the routines that draw the edited half.
void DisplayRender::andereHaelfteMalen()
{
    const MainState& s = m_host.state();
    MainState andere = schnappschussZustand(s.fixStand, s.nurWebsicher);
    andere.fixiert = true;
    andere.fixLinksAktiv = !s.fixLinksAktiv;
    andere.fixStand = s.fixStand;
    andere.aktionen.fixieren = true;
    andere.stufenFixLinks = s.stufenFixLinks;
    andere.stufenFixRechts = s.stufenFixRechts;
    m_host.dokument().mitStand(andere, [this] {
        const Modus modus = m_host.state().modus();
        m_parts.modes->haelften().halbeZeigen(modus, m_host.state().fixLinksAktiv);
        // Fields of another mode this half showed earlier go.
        m_parts.modes->hideAll();
        m_parts.modes->werteReihenVorbereiten(modus);
        m_parts.display->allesMalen();
        m_parts.text->zeigen();
    });
}
