#include "ui/display/FixedPanels.h"

#include "ui/display/DisplayHost.h"
#include "ui/display/PanelHold.h"
#include "ui/layout/WindowLayoutUi.h"
#include "ui/widgets/ColourPanel.h"

#include <QTextEdit>

#include <algorithm>

struct FixedPanels::Half {
    ColourPanel* field;
    ColourPanel* colourRows;
    ColourPanel *right, *left, *centre;
    const std::array<ColourPanel*, 16>& row;
    int stepCount;
};

// The halves need no other part; the signature matches the other parts'.
FixedPanels::FixedPanels(DisplayHost& host, Widgets widgets, const PanelHold& panels)
    : m_host(host), m_w(widgets), m_panels(panels), m_drawn(host)
{
}

FixedPanels::Half FixedPanels::half(bool left) const
{
    auto& w = m_w;
    const MainState& s = m_drawn();
    if (left)
        return {w.fields.FixedLinks,
                w.fields.FixedLinksReihen,
                w.fields.FixedLinksKleinRechts,
                w.fields.FixedLinksKleinLinks,
                w.fields.FixedLinksKleinMitte,
                w.fields.RLi,
                std::clamp(s.stufenFixLinks, 1, 7)};
    return {w.fields.FixedRechts,
            w.fields.FixedRechtsReihen,
            w.fields.FixedKleinRechts,
            w.fields.FixedKleinLinks,
            w.fields.FixedKleinMitte,
            w.fields.RRe,
            std::clamp(s.stufenFixRechts, 1, 7)};
}

void FixedPanels::showZweierFixedRe()
{
    showZweierFixed(false);
}
void FixedPanels::showZweierFixedLi()
{
    showZweierFixed(true);
}
void FixedPanels::showDreierFixedRe()
{
    showDreierFixed(false);
}
void FixedPanels::showDreierFixedLi()
{
    showDreierFixed(true);
}
void FixedPanels::showViererFixedRe()
{
    showViererFixed(false);
}
void FixedPanels::showViererFixedLi()
{
    showViererFixed(true);
}
void FixedPanels::showAuffaecherFixedRe()
{
    showAuffaecherFixed(false);
}
void FixedPanels::showAuffaecherFixedLi()
{
    showAuffaecherFixed(true);
}
void FixedPanels::hidePanelsFixedRe()
{
    hidePanelsFixed(false);
}
void FixedPanels::hidePanelsFixedLi()
{
    hidePanelsFixed(true);
}
void FixedPanels::showPanelsFixedRe()
{
    showPanelsFixed(false);
}
void FixedPanels::showPanelsFixedLi()
{
    showPanelsFixed(true);
}

void FixedPanels::showZweierFixed(bool left)
{
    if (m_panels.held())
        return;
    const Half h = half(left);
    moveInto(h.right, h.field);
    moveInto(h.field, m_w.fields.Anzeige);
    h.field->raise();
    leftOnTop();
    // A harmony has a big field behind its fields, whatever the half showed before.
    h.colourRows->setMarker(1);
}

void FixedPanels::showDreierFixed(bool left)
{
    if (m_panels.held())
        return;
    moveInto(half(left).left, half(left).field);
    showZweierFixed(left);
}

void FixedPanels::showViererFixed(bool left)
{
    if (m_panels.held())
        return;
    moveInto(half(left).centre, half(left).field);
    showDreierFixed(left);
}

void FixedPanels::showAuffaecherFixed(bool left)
{
    const MainState& s = m_drawn();
    if (m_panels.held())
        return;
    auto& w = m_w;
    const Half h = half(left);
    if (s.harmonyMode() == HarmonyMode::colourRows)
        h.colourRows->setColour(m_host.layout().backgroundColour());
    showPanelsFixed(left);
    moveInto(h.colourRows, w.fields.Anzeige);
    // The row half covers exactly the harmony half it stands for.
    h.colourRows->move(h.field->x(), h.field->y());
    h.colourRows->raise();
    leftOnTop();
}

void FixedPanels::leftOnTop()
{
    const Half l = half(true);
    const QObjectList unten = m_w.fields.Anzeige->children(); // bottom first
    for (QObject* kind : unten)
        if (kind == l.field || kind == l.colourRows)
            static_cast<QWidget*>(kind)->raise();
}

// Rings from the half's step count outwards are not in use.
void FixedPanels::hidePanelsFixed(bool left)
{
    if (m_panels.held())
        return;
    const Half h = half(left);
    for (int k = h.stepCount; k <= 6; ++k) {
        moveInto(h.row[static_cast<std::size_t>(8 - k)], m_w.fields.PanelContainer2);
        moveInto(h.row[static_cast<std::size_t>(8 + k)], m_w.fields.PanelContainer2);
    }
}

void FixedPanels::showPanelsFixed(bool left)
{
    if (m_panels.held())
        return;
    const Half h = half(left);
    for (int k = 1; k < h.stepCount; ++k) {
        moveInto(h.row[static_cast<std::size_t>(8 - k)], h.colourRows);
        moveInto(h.row[static_cast<std::size_t>(8 + k)], h.colourRows);
    }
    ColourPanel* r1 = h.row[1];
    ColourPanel* r15 = h.row[15];
    if (m_host.colourDocument().window().compactLayout) {
        r1->move(107 - 16 * (h.stepCount - 1), r1->y());
        r15->move(139 + 16 * (h.stepCount - 1), r15->y());
        return;
    }
    // The tags hold the design places; the outer fields close the row at the
    // first slot not in use, or currentState at their own places in a full row.
    const std::size_t outer = static_cast<std::size_t>(h.stepCount);
    r1->move(h.stepCount < 7 ? h.row[8 - outer]->tag() : r1->tag(), r1->y());
    r15->move(h.stepCount < 7 ? h.row[8 + outer]->tag() : r15->tag(), r15->y());
}

void FixedPanels::showOnBackground()
{
    m_w.fields.Anzeige->setColour(m_host.layout().backgroundColour());
}

void FixedPanels::rowOnBackground(bool left)
{
    (left ? m_w.fields.FixedLinksReihen : m_w.fields.FixedRechtsReihen)
        ->setColour(m_host.layout().backgroundColour());
}

void FixedPanels::showHalf(HarmonyMode harmonyMode, bool left, const MainState& s)
{
    const auto given = m_drawn.draw(s);
    showHalf(harmonyMode, left);
}

void FixedPanels::showHalf(HarmonyMode harmonyMode, bool left)
{
    switch (harmonyMode) {
    case HarmonyMode::twoColour:
        showZweierFixed(left);
        break;
    case HarmonyMode::threeColour:
        showDreierFixed(left);
        break;
    case HarmonyMode::fourColour:
        showViererFixed(left);
        break;
    case HarmonyMode::fanning:
    case HarmonyMode::colourRows:
        half(left).colourRows->setMarker(harmonyMode == HarmonyMode::fanning ? 1 : 0);
        showAuffaecherFixed(left);
        hidePanelsFixed(left);
        break;
    }
}

void FixedPanels::layOutRow(bool left)
{
    showPanelsFixed(left);
    hidePanelsFixed(left);
}

void FixedPanels::hideEverything()
{
    auto& w = m_w;
    for (ColourPanel* p :
         {w.fields.FixedKleinRechts, w.fields.FixedKleinLinks, w.fields.FixedKleinMitte,
          w.fields.FixedLinksKleinRechts, w.fields.FixedLinksKleinLinks, w.fields.FixedLinksKleinMitte})
        moveInto(p, w.fields.PanelContainer2);
    for (std::size_t n = 2; n <= 14; ++n) {
        if (n == 8)
            continue;
        moveInto(w.fields.RLi[n], w.fields.PanelContainer2);
        moveInto(w.fields.RRe[n], w.fields.PanelContainer2);
    }
}

// --- the panels' colours and texts when fixing switches ---

// Both halves take the single display's colours and texts.
void FixedPanels::fillHalves()
{
    colourHalves();
    duplicateTextFields();
}

void FixedPanels::colourHalves()
{
    auto& w = m_w;
    const std::pair<ColourPanel*, ColourPanel*> paare[] = {
        {w.fields.FixedLinks, w.fields.Anzeige_Normal},
        {w.fields.FixedRechts, w.fields.Anzeige_Normal},
        {w.fields.FixedLinksKleinRechts, w.fields.KleinRechts},
        {w.fields.FixedKleinRechts, w.fields.KleinRechts},
        {w.fields.FixedLinksKleinLinks, w.fields.KleinLinks},
        {w.fields.FixedKleinLinks, w.fields.KleinLinks},
        {w.fields.FixedLinksKleinMitte, w.fields.KleinMitte},
        {w.fields.FixedKleinMitte, w.fields.KleinMitte},
        {w.fields.FixedLinksReihen, w.fields.AnzeigeReihen},
        {w.fields.FixedRechtsReihen, w.fields.AnzeigeReihen},
    };
    for (const auto& [target, source] : paare)
        target->takeColourOf(*source);
    for (std::size_t n = 1; n <= 15; ++n) {
        w.fields.RLi[n]->takeColourOf(*w.fields.R[n]);
        w.fields.RRe[n]->takeColourOf(*w.fields.R[n]);
    }
}

// The right half's text fields take the single display's; the left half gets copies.
void FixedPanels::duplicateTextFields()
{
    auto& w = m_w;
    const std::array<QTextEdit*, 3> quellen{w.fields.RichEdit1, w.fields.RichEdit2, w.fields.RichEdit3};
    const std::array<QTextEdit*, 3> kopien{w.fields.RichEdit4, w.fields.RichEdit5, w.fields.RichEdit6};
    if (m_host.state().actionSet.textInsteadOfFields) {
        const std::array<ColourPanel*, 3> fields{w.fields.FixedKleinRechts, w.fields.FixedKleinLinks,
                                                 w.fields.FixedKleinMitte};
        for (std::size_t i = 0; i < 3; ++i) {
            moveInto(quellen[i], fields[i], true);
            kopien[i]->show();
        }
    }
    for (std::size_t i = 0; i < 3; ++i) {
        kopien[i]->clear();
        kopien[i]->setFont(quellen[i]->font());
        QPalette p = kopien[i]->palette();
        p.setColor(QPalette::Base, quellen[i]->palette().color(QPalette::Base));
        p.setColor(QPalette::Text, quellen[i]->palette().color(QPalette::Text));
        kopien[i]->setPalette(p);
        kopien[i]->setHtml(quellen[i]->toHtml());
    }
}

// The single display carries on with the edited half's colours (unless the
// whole display is drawn anew) and texts.
void FixedPanels::fillSingle(bool withColours)
{
    if (withColours)
        colourSingleDisplay();
    mergeTextFields(m_linksGezeigt);
}

void FixedPanels::displayed()
{
    m_fixiertGezeigt = m_host.state().fixiert;
    m_linksGezeigt = m_host.state().fixLinksAktiv;
}

void FixedPanels::colourSingleDisplay()
{
    auto& w = m_w;
    w.fields.Anzeige_Normal->takeColourOf(*w.fields.FixedRechts);
    w.fields.KleinRechts->takeColourOf(*w.fields.FixedKleinRechts);
    w.fields.KleinLinks->takeColourOf(*w.fields.FixedKleinLinks);
    w.fields.KleinMitte->takeColourOf(*w.fields.FixedKleinMitte);
    for (std::size_t n = 1; n <= 15; ++n)
        w.fields.R[n]->takeColourOf(*w.fields.RRe[n]);
    // A colour row's background is the window's, not a big field's.
    if (m_host.state().harmonyMode() != HarmonyMode::colourRows)
        w.fields.AnzeigeReihen->takeColourOf(*w.fields.FixedRechtsReihen);
}

// The single display's text fields carry on with the edited half's texts; with
// the left half edited those are in the copies, which are about to be hidden.
void FixedPanels::mergeTextFields(bool leftEdited)
{
    auto& w = m_w;
    const std::array<QTextEdit*, 3> edits{w.fields.RichEdit1, w.fields.RichEdit2, w.fields.RichEdit3};
    const std::array<QTextEdit*, 3> kopien{w.fields.RichEdit4, w.fields.RichEdit5, w.fields.RichEdit6};
    const std::array<ColourPanel*, 3> fields{w.fields.KleinRechts, w.fields.KleinLinks, w.fields.KleinMitte};
    const bool textAn = m_host.state().actionSet.textInsteadOfFields;
    for (std::size_t i = 0; i < 3; ++i) {
        if (leftEdited) {
            edits[i]->setFont(kopien[i]->font());
            edits[i]->setPalette(kopien[i]->palette());
            edits[i]->setHtml(kopien[i]->toHtml());
        }
        moveInto(edits[i], fields[i], true);
        edits[i]->setVisible(textAn);
        kopien[i]->hide();
    }
}
