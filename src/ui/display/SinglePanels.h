#pragma once

#include "ui/widgets/MainWidgets.h"

#include "core/state/MainState.h"

class DisplayHost;
class PanelHold;

// The single display's panels: which fields it shows for a mode, the rings of
// its row, and the parking of panels neither display uses. The modes' layout.
class SinglePanels
{
public:
    // The widgets this part draws or reads; no others.
    struct Widgets {
        FieldWidgets& fields;
    };

    SinglePanels(DisplayHost& host, Widgets widgets, const PanelHold& panels);

    // The fields of a mode in the single display.
    void showMode(HarmonyMode harmonyMode);
    // The single display laid out for the state's mode, after fixing.
    void showSingleDisplay();
    // Panels the state's display does not use are parked; another combination's
    // (the fixed half not edited) by its own mode.
    void hideAll();
    void hideAll(const MainState& s);
    void showZweier();
    void showDreier();
    void showVierer();
    void showAuffaecher();
    void hidePanels();
    void showPanels();
    // Both layout steps of the rows, as resizing and the compact layout ask.
    void relayOutRows();
    // The display and the row's background take the window's background colour.
    void rowsOnBackground();

private:
    DisplayHost& m_host;
    Widgets m_w;
    const PanelHold& m_panels;
};
