#pragma once

#include "core/state/MainState.h"

class ColourPanel;
class DisplayHost;

// The two halves of the fixed display: which panels each half shows for its
// mode, and the layout of its row. The mode actions' layout of the halves.
class FixedPanels
{
public:
    explicit FixedPanels(DisplayHost& host);

    void showZweierFixedRe();
    void showZweierFixedLi();
    void showDreierFixedRe();
    void showDreierFixedLi();
    void showViererFixedRe();
    void showViererFixedLi();
    void showAuffaecherFixedRe();
    void showAuffaecherFixedLi();
    void hidePanelsFixedRe();
    void hidePanelsFixedLi();
    void showPanelsFixedRe();
    void showPanelsFixedLi();

    // One half shown for a mode (rows with their marker and layout).
    void halbeZeigen(Modus modus, bool links);
    // A half's row laid out again for its step count.
    void reiheAuslegen(bool links);
    // Every ring panel and small field of both halves parked.
    void allesVerstecken();

private:
    struct Haelfte;
    Haelfte haelfte(bool links) const;
    // The halves share one column; the left half lies on top whichever was shown last.
    void linksOben();
    void showZweierFixed(bool links);
    void showDreierFixed(bool links);
    void showViererFixed(bool links);
    void showAuffaecherFixed(bool links);
    void hidePanelsFixed(bool links);
    void showPanelsFixed(bool links);

    DisplayHost& m_host;
};
