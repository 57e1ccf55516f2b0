#include "ui/display/DisplayRender.h"

#include "core/documents/Palette.h"
#include "ui/display/BandAngleControls.h"
#include "ui/display/DisplayHost.h"
#include "ui/display/DisplayParts.h"
#include "ui/display/FieldDisplay.h"
#include "ui/display/FieldSelection.h"
#include "ui/display/FixedPanels.h"
#include "ui/display/LightDarkField.h"
#include "ui/display/ModeActions.h"
#include "ui/display/SeparateAdjustment.h"
#include "ui/display/SinglePanels.h"
#include "ui/display/TextView.h"
#include "ui/display/WebSafeDisplay.h"
#include "ui/layout/WindowLayoutUi.h"
#include "ui/widgets/ColourPanel.h"

DisplayRender::DisplayRender(DisplayHost& host, DisplayParts& parts) : m_host(host), m_parts(parts) {}

// One pass per announcement, in a fixed order: the fields first, since the
// angle controls' legend and the light/dark field repeat what they show.
void DisplayRender::renderPass(Changes was, Redraw how)
{
    // Traded halves: both are on show already, with their colours and values.
    const auto held = m_parts.panelHold.hold(how.halvesTraded);
    m_parts.display->follow(was, how);
    m_parts.band->follow(was, how);
    m_parts.lightDark->follow(was);
    m_parts.websicher->follow(was);
    if (how.whole)
        drawDisplay(how.bothHalves);
    else if (was & Change::fixing)
        showFixing(false);
}

void DisplayRender::connectDocument()
{
    QObject::connect(&m_host.colourDocument(), &ColourDocument::modified, &m_host.mainWindow(),
                     [this](Changes was, Redraw how) { renderPass(was, how); });
}

// Cross-hair, percentages and the light/dark colour follow the document's
// announcement of the change itself.
void DisplayRender::drawDisplay(bool bothHalves)
{
    const MainState& s = m_host.state();
    showFixing(true);
    if (bothHalves && s.fixiert)
        paintOtherHalf();
    // The wheel turns by the marker's place: the marker moves first.
    if (!m_host.colourDocument().window().inputOnOuterField)
        m_parts.band->showBandMarker(s.separatModus ? m_host.colourDocument().involvedFieldPosition()
                                                    : s.posGross());
    m_parts.band->showBandType();
    m_parts.modes->showHarmonyMode();
    m_parts.band->showControls();
    m_parts.modes->showFieldCount();
    m_parts.separate->present();
    m_parts.websicher->present();
    m_parts.display->paintAll();
    m_parts.text->present();
    m_parts.selection->showSelection();
    m_parts.band->colourLegend();
}

void DisplayRender::showFixing(bool whole)
{
    const MainState& s = m_host.state();
    FixedPanels& fixedHalves = *m_parts.fixedPanels;
    if (s.fixiert && !fixedHalves.fixedShown()) {
        const HarmonyMode andere = static_cast<HarmonyMode>(s.fixStand.fixModus);
        fixedHalves.fillHalves();
        m_parts.display->fillLowerRow();
        fixedHalves.showOnBackground();
        // Fields an earlier fixed session showed in the left half must not stay.
        fixedHalves.hideEverything();
        fixedHalves.showHalf(s.fixLinksAktiv ? andere : s.harmonyMode(), false);
        fixedHalves.showHalf(s.fixLinksAktiv ? s.harmonyMode() : andere, true);
        m_parts.singlePanels->hideAll();
    } else if (!s.fixiert && fixedHalves.fixedShown()) {
        const bool left = fixedHalves.leftShown();
        fixedHalves.fillSingle(!whole);
        m_parts.display->clearLowerRow();
        // Separate adjustment keeps the right half's colours, which then are the state's.
        if (!whole && !(s.separatModus && !left)) {
            // The upper row may still be laid out for the right half's mode.
            m_parts.display->prepareValueRows(s.harmonyMode());
            m_parts.display->paintAll();
        }
        fixedHalves.hideEverything();
        m_parts.singlePanels->showSingleDisplay();
    }
    fixedHalves.displayed();
}

// The half not edited shows the stored combination, computed as opening a
// file computes it and drawn by the routines that draw the edited half.
void DisplayRender::paintOtherHalf()
{
    const MainState& s = m_host.state();
    MainState andere = snapshotState(s.fixStand, s.nurWebsicher);
    andere.fixiert = true;
    andere.fixLinksAktiv = !s.fixLinksAktiv;
    andere.fixStand = s.fixStand;
    andere.actionSet.fixieren = true;
    andere.stufenFixLinks = s.stufenFixLinks;
    andere.stufenFixRechts = s.stufenFixRechts;
    const HarmonyMode harmonyMode = andere.harmonyMode();
    m_parts.fixedPanels->showHalf(harmonyMode, andere.fixLinksAktiv, andere);
    // Fields of another mode this half showed earlier go.
    m_parts.singlePanels->hideAll(andere);
    m_parts.display->prepareValueRows(harmonyMode, andere);
    m_parts.display->paintAll(andere);
    m_parts.text->present(andere);
}
