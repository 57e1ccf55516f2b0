#include "ui/display/FixedPanels.h"

#include "ui/display/DisplayHost.h"
#include "ui/widgets/ColourPanel.h"

#include <algorithm>

struct FixedPanels::Haelfte {
    ColourPanel* feld;
    ColourPanel* reihen;
    ColourPanel *rechts, *links, *mitte;
    const std::array<ColourPanel*, 16>& reihe;
    int stufen;
};

// The halves need no other part; the signature matches the other parts'.
FixedPanels::FixedPanels(DisplayHost& host) : m_host(host) {}

FixedPanels::Haelfte FixedPanels::haelfte(bool links) const
{
    MainWidgets& w = m_host.w();
    const MainState& s = m_host.state();
    if (links)
        return {w.FixedLinks,
                w.FixedLinksReihen,
                w.FixedLinksKleinRechts,
                w.FixedLinksKleinLinks,
                w.FixedLinksKleinMitte,
                w.RLi,
                std::clamp(s.stufenFixLinks, 1, 7)};
    return {w.FixedRechts,
            w.FixedRechtsReihen,
            w.FixedKleinRechts,
            w.FixedKleinLinks,
            w.FixedKleinMitte,
            w.RRe,
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

void FixedPanels::showZweierFixed(bool links)
{
    if (m_host.state().ablauf.anzeigeSperre)
        return;
    const Haelfte h = haelfte(links);
    moveInto(h.rechts, h.feld);
    moveInto(h.feld, m_host.w().Anzeige);
    h.feld->raise();
    linksOben();
    // A harmony has a big field behind its fields, whatever the half showed before.
    h.reihen->setMarker(1);
}

void FixedPanels::showDreierFixed(bool links)
{
    if (m_host.state().ablauf.anzeigeSperre)
        return;
    moveInto(haelfte(links).links, haelfte(links).feld);
    showZweierFixed(links);
}

void FixedPanels::showViererFixed(bool links)
{
    if (m_host.state().ablauf.anzeigeSperre)
        return;
    moveInto(haelfte(links).mitte, haelfte(links).feld);
    showDreierFixed(links);
}

void FixedPanels::showAuffaecherFixed(bool links)
{
    const MainState& s = m_host.state();
    if (s.ablauf.anzeigeSperre)
        return;
    MainWidgets& w = m_host.w();
    const Haelfte h = haelfte(links);
    if (s.modus() == Modus::reihen)
        h.reihen->setColour(w.panelHintergrund->colour());
    showPanelsFixed(links);
    moveInto(h.reihen, w.Anzeige);
    // The row half covers exactly the harmony half it stands for.
    h.reihen->move(h.feld->x(), h.feld->y());
    h.reihen->raise();
    linksOben();
}

void FixedPanels::linksOben()
{
    const Haelfte l = haelfte(true);
    const QObjectList unten = m_host.w().Anzeige->children(); // bottom first
    for (QObject* kind : unten)
        if (kind == l.feld || kind == l.reihen)
            static_cast<QWidget*>(kind)->raise();
}

// Rings from the half's step count outwards are not in use.
void FixedPanels::hidePanelsFixed(bool links)
{
    if (m_host.state().ablauf.anzeigeSperre)
        return;
    const Haelfte h = haelfte(links);
    for (int k = h.stufen; k <= 6; ++k) {
        moveInto(h.reihe[static_cast<std::size_t>(8 - k)], m_host.w().PanelContainer2);
        moveInto(h.reihe[static_cast<std::size_t>(8 + k)], m_host.w().PanelContainer2);
    }
}

void FixedPanels::showPanelsFixed(bool links)
{
    const MainState& s = m_host.state();
    if (s.ablauf.anzeigeSperre)
        return;
    const Haelfte h = haelfte(links);
    for (int k = 1; k < h.stufen; ++k) {
        moveInto(h.reihe[static_cast<std::size_t>(8 - k)], h.reihen);
        moveInto(h.reihe[static_cast<std::size_t>(8 + k)], h.reihen);
    }
    ColourPanel* r1 = h.reihe[1];
    ColourPanel* r15 = h.reihe[15];
    if (s.ablauf.kleinesLayout) {
        r1->move(107 - 16 * (h.stufen - 1), r1->y());
        r15->move(139 + 16 * (h.stufen - 1), r15->y());
        return;
    }
    // The tags hold the design places; the outer fields close the row at the
    // first slot not in use, or stand at their own places in a full row.
    const std::size_t aussen = static_cast<std::size_t>(h.stufen);
    r1->move(h.stufen < 7 ? h.reihe[8 - aussen]->tag() : r1->tag(), r1->y());
    r15->move(h.stufen < 7 ? h.reihe[8 + aussen]->tag() : r15->tag(), r15->y());
}

void FixedPanels::halbeZeigen(Modus modus, bool links)
{
    switch (modus) {
    case Modus::zweier:
        showZweierFixed(links);
        break;
    case Modus::dreier:
        showDreierFixed(links);
        break;
    case Modus::vierer:
        showViererFixed(links);
        break;
    case Modus::auffaecher:
    case Modus::reihen:
        haelfte(links).reihen->setMarker(modus == Modus::auffaecher ? 1 : 0);
        showAuffaecherFixed(links);
        hidePanelsFixed(links);
        break;
    }
}

void FixedPanels::reiheAuslegen(bool links)
{
    showPanelsFixed(links);
    hidePanelsFixed(links);
}

void FixedPanels::allesVerstecken()
{
    MainWidgets& w = m_host.w();
    for (ColourPanel* p : {w.FixedKleinRechts, w.FixedKleinLinks, w.FixedKleinMitte, w.FixedLinksKleinRechts,
                           w.FixedLinksKleinLinks, w.FixedLinksKleinMitte})
        moveInto(p, w.PanelContainer2);
    for (std::size_t n = 2; n <= 14; ++n) {
        if (n == 8)
            continue;
        moveInto(w.RLi[n], w.PanelContainer2);
        moveInto(w.RRe[n], w.PanelContainer2);
    }
}
