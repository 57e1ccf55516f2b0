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
    // A half's colour row stands on the window's background colour.
    void rowOnBackground(bool left);

    // What the display shows now: two halves, and whether the left one is edited.
    bool fixedShown() const { return m_fixiertGezeigt; }
    bool leftShown() const { return m_linksGezeigt; }
    // Both halves take the single display's colours and texts.
    void fillHalves();
    // The single display takes the edited half's texts, and its colours when withColours.
    void fillSingle(bool withColours);
    // The display now shows what the state says.
    void displayed();

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
    void colourHalves();
    void duplicateTextFields();
    void colourSingleDisplay();
    void mergeTextFields(bool leftEdited);

    DisplayHost& m_host;

    Widgets m_w;
    const PanelHold& m_panels;
    DrawnState m_drawn;
    bool m_fixiertGezeigt = false; // the display shows two halves
    bool m_linksGezeigt = false;   // and the left one is edited
};
