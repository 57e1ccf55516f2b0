#include "ui/display/SinglePanels.h"

#include "ui/display/DisplayHost.h"
#include "ui/display/PanelHold.h"
#include "ui/layout/WindowLayoutUi.h"
#include "ui/widgets/ColourPanel.h"

#include <algorithm>

SinglePanels::SinglePanels(DisplayHost& host, Widgets widgets, const PanelHold& panels)
    : m_host(host), m_w(widgets), m_panels(panels)
{
}

// A colour row stands on the window background.
void SinglePanels::rowsOnBackground()
{
    const QColor backgroundColour = m_host.layout().backgroundColour();
    m_w.fields.Anzeige->setColour(backgroundColour);
    m_w.fields.AnzeigeReihen->setColour(backgroundColour);
}

// The fields of a mode in the single display.
void SinglePanels::showMode(HarmonyMode harmonyMode)
{
    switch (harmonyMode) {
    case HarmonyMode::twoColour:
        showZweier();
        break;
    case HarmonyMode::threeColour:
        showDreier();
        break;
    case HarmonyMode::fourColour:
        showVierer();
        break;
    case HarmonyMode::fanning:
    case HarmonyMode::colourRows:
        // The marker follows the live mode, which a fixed half may have changed.
        m_w.fields.AnzeigeReihen->setMarker(harmonyMode == HarmonyMode::fanning ? 1 : 0);
        showAuffaecher();
        // Rings of a longer row fixed earlier are not in use now.
        hidePanels();
        break;
    }
}

// The single display laid out for the state's mode, after fixing.
void SinglePanels::showSingleDisplay()
{
    auto& w = m_w;
    showMode(m_host.state().harmonyMode());
    w.fields.FixedLinksReihen->setMarker(1);
    w.fields.FixedRechtsReihen->setMarker(1);
    hideAll();
}

void SinglePanels::hideAll()
{
    hideAll(m_host.state());
}

void SinglePanels::hideAll(const MainState& s)
{
    if (m_panels.held())
        return;
    auto& w = m_w;
    ColourPanel* versteck = w.fields.PanelContainer2;
    if (s.actionSet.fixieren) {
        moveInto(w.fields.Anzeige_Normal, versteck);
        moveInto(w.fields.AnzeigeReihen, versteck);
    } else {
        for (ColourPanel* p : {w.fields.FixedLinksReihen, w.fields.FixedRechtsReihen, w.fields.FixedLinks,
                               w.fields.FixedRechts})
            moveInto(p, versteck);
    }
    const HarmonyMode harmonyMode = s.harmonyMode();
    if (harmonyMode != HarmonyMode::fourColour) {
        moveInto(w.fields.KleinMitte, versteck);
        moveInto(s.fixLinksAktiv ? w.fields.FixedLinksKleinMitte : w.fields.FixedKleinMitte, versteck);
    }
    if (harmonyMode != HarmonyMode::threeColour && harmonyMode != HarmonyMode::fourColour) {
        moveInto(w.fields.KleinLinks, versteck);
        moveInto(s.fixLinksAktiv ? w.fields.FixedLinksKleinLinks : w.fields.FixedKleinLinks, versteck);
    }
}

void SinglePanels::showZweier()
{
    auto& w = m_w;
    moveInto(w.fields.KleinRechts, w.fields.Anzeige_Normal);
    moveInto(w.fields.Anzeige_Normal, w.fields.Anzeige, true);
    w.fields.Anzeige_Normal->raise();
}

void SinglePanels::showDreier()
{
    moveInto(m_w.fields.KleinLinks, m_w.fields.Anzeige_Normal);
    showZweier();
}

void SinglePanels::showVierer()
{
    moveInto(m_w.fields.KleinMitte, m_w.fields.Anzeige_Normal);
    showDreier();
}

void SinglePanels::showAuffaecher()
{
    auto& w = m_w;
    if (m_host.state().harmonyMode() == HarmonyMode::colourRows)
        rowsOnBackground();
    showPanels();
    moveInto(w.fields.AnzeigeReihen, w.fields.Anzeige, true);
    w.fields.AnzeigeReihen->raise();
}

// Rings from the step count outwards are not in use.
void SinglePanels::hidePanels()
{
    const int stepCount = m_host.state().stufenAnzahl;
    auto& w = m_w;
    for (int k = 1; k <= 6; ++k) {
        if (k < stepCount)
            continue;
        moveInto(w.fields.R[static_cast<std::size_t>(8 - k)], w.fields.PanelContainer2);
        moveInto(w.fields.R[static_cast<std::size_t>(8 + k)], w.fields.PanelContainer2);
    }
}

// Rings in use join the row; the outer fields close it at its ends.
void SinglePanels::showPanels()
{
    const MainState& s = m_host.state();
    auto& w = m_w;
    const int stepCount = std::clamp(s.stufenAnzahl, 1, 7);
    for (int k = 1; k < stepCount; ++k) {
        moveInto(w.fields.R[static_cast<std::size_t>(8 - k)], w.fields.AnzeigeReihen);
        moveInto(w.fields.R[static_cast<std::size_t>(8 + k)], w.fields.AnzeigeReihen);
    }
    ColourPanel* r1 = w.fields.R[1];
    ColourPanel* r15 = w.fields.R[15];
    if (m_host.colourDocument().window().compactLayout) {
        r1->move(210 - 34 * (stepCount - 1), r1->y());
        r15->move(278 + 34 * (stepCount - 1), r15->y());
        return;
    }
    int left = 0, right = 0;
    if (stepCount < 7) {
        left = w.fields.R[static_cast<std::size_t>(8 - stepCount)]->tag();
        right = w.fields.R[static_cast<std::size_t>(8 + stepCount)]->tag();
    } else {
        // Their home positions; their tags hold where they currentState now. A hint
        // that is no number leaves the panel where it is.
        bool zahl1 = false, zahl15 = false;
        left = r1->hint().toInt(&zahl1);
        right = r15->hint().toInt(&zahl15);
        if (!zahl1)
            left = r1->x();
        if (!zahl15)
            right = r15->x();
    }
    r1->move(left, r1->y());
    r1->setTag(left);
    r15->move(right, r15->y());
    r15->setTag(right);
}

void SinglePanels::relayOutRows()
{
    hidePanels();
    showPanels();
}
