#pragma once

#include "ui/widgets/MainWidgets.h"

#include "core/state/MainState.h"

class LanguageTable;
class QAction;
class DisplayHost;
struct DisplayParts;

// The five harmony modes and the showing and hiding of fields.
class ModeActions
{
public:
    // The widgets this part draws or reads; no others.
    struct Widgets {
        RowControlWidgets& rowControls;
        FurnitureWidgets& furniture;
    };

    ModeActions(DisplayHost& host, Widgets widgets, DisplayParts& parts);
    // Connects and enables the five mode actions and the field count box, and
    // gives the window layout the row display's steps.
    void connectWidgets();

    void zweierHarmonienExecute();
    void dreierHarmonienExecute();
    void viererHarmonienExecute();
    void auffaecherungenExecute();
    void farbreihenExecute();
    // Runs the action handler of a mode, as its menu entry does.
    void chooseHarmonyMode(HarmonyMode harmonyMode);

    // The field count box shows the state's count, without running its handler.
    void showFieldCount();

    void ComboBox1Change();
    // Each field whose text is on show selected once, ending on separate adjustment's choice.
    void checkBoxenResetten2();
    // The window follows a mode change the document made: the mode's
    // controls, fields, value rows and texts.
    void followModeChange();

    // The mode action for a mode.
    QAction& harmonyModeAction(HarmonyMode harmonyMode) const;
    // The state's mode shown: fields, controls, value rows; nothing computed.
    void showHarmonyMode();

private:
    // The document changes the mode; the window follows.
    void switchHarmonyMode(HarmonyMode harmonyMode);
    void showAngleControls(HarmonyMode harmonyMode);
    void showStatusText(HarmonyMode harmonyMode);
    void actionsForMode(HarmonyMode harmonyMode);
    void showDisplay(HarmonyMode harmonyMode);

    DisplayHost& m_host;

    Widgets m_w;
    DisplayParts& m_parts;
};
