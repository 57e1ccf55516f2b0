#pragma once

#include "ui/display/PanelHold.h"

#include <memory>

class DisplayHost;
struct MainWidgets;
class FieldDisplay;
class SinglePanels;
class FixedPanels;
class ModeActions;
class FieldSelection;
class BandAngleControls;
class LightDarkField;
class Fixing;
class HalfSwap;
class SeparateAdjustment;
class WebSafeDisplay;
class TextView;
class HiddenBand;
class ManualInputApply;
class DisplayRender;

// The working parts of the field display, created once by the main window.
// They reach each other through this record, never through globals, and only
// to carry out a gesture; what they draw follows the document's announcements.
struct DisplayParts {
    // Each part is given the widget groups it draws; no part sees the others.
    DisplayParts(DisplayHost& host, MainWidgets& w);
    ~DisplayParts();
    DisplayParts(const DisplayParts&) = delete;
    DisplayParts& operator=(const DisplayParts&) = delete;

    // Connects every part's widgets and actions; run once after the menus exist.
    void connectAll();

    // Panels keep what they show while a fixed half is swapped in.
    PanelHold panelHold;

    std::unique_ptr<FieldDisplay> display;      // painting of fields and value rows
    std::unique_ptr<SinglePanels> singlePanels; // the single display's layout for a mode
    std::unique_ptr<FixedPanels> fixedPanels;   // the fixed display's halves and their layout
    std::unique_ptr<ModeActions> modes;         // the five harmony modes
    std::unique_ptr<FieldSelection> selection;  // field clicks, radio buttons, value texts
    std::unique_ptr<BandAngleControls> band;    // band mouse, track bars, angle image
    std::unique_ptr<LightDarkField> lightDark;  // the light/dark field
    std::unique_ptr<Fixing> fixing;             // freezing combinations
    std::unique_ptr<HalfSwap> halves;           // swapping the halves of a fixed display

    // View options and modifiers of the harmony engine.
    std::unique_ptr<SeparateAdjustment> separate; // one field at a time on the band
    std::unique_ptr<WebSafeDisplay> websicher;    // web-safe display and its warning
    std::unique_ptr<TextView> text;               // text instead of fields
    std::unique_ptr<HiddenBand> hiddenBand;       // the hidden colour band

    // Colours from outside.
    std::unique_ptr<ManualInputApply> input;

    // The whole display drawn from the state.
    std::unique_ptr<DisplayRender> render;
};
