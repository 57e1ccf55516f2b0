#pragma once

#include "ui/display/DrawnState.h"

#include "ui/widgets/MainWidgets.h"

#include "core/state/MainState.h"

class ColourPanel;
class DisplayHost;
class PanelHold;

// The two halves of the fixed display: which panels each half shows for its
// mode, and the layout of its row. The mode actions' layout of the halves.
class FixedPanels
{
public:
    // The widgets this part draws or reads; no others.
    struct Widgets {
        FieldWidgets& fields;
    };

    FixedPanels(DisplayHost& host, Widgets widgets, const PanelHold& panels);

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
    void showHalf(HarmonyMode harmonyMode, bool left);
    // The same for another combination than the document's (the fixed half not edited).
    void showHalf(HarmonyMode harmonyMode, bool left, const MainState& s);
    // A half's row laid out again for its step count.
    void layOutRow(bool left);
    // Every ring panel and small field of both halves parked.
    void hideEverything();
    // The display behind the two halves takes the window's background colour.
    void showOnBackground();

private:
    struct Half;
    Half half(bool left) const;
    // The halves share one column; the left half lies on top whichever was shown last.
    void leftOnTop();
    void showZweierFixed(bool left);
    void showDreierFixed(bool left);
    void showViererFixed(bool left);
    void showAuffaecherFixed(bool left);
    void hidePanelsFixed(bool left);
    void showPanelsFixed(bool left);

    DisplayHost& m_host;

    Widgets m_w;
    const PanelHold& m_panels;
    DrawnState m_drawn;
};
