#pragma once

#include "ui/widgets/MainWidgets.h"

class DisplayHost;
struct DisplayParts;

// Separate adjustment: the band moves only the field of the checked radio
// button instead of all fields coupled by the angle distances.
class SeparateAdjustment
{
public:
    // Shows the state's separate adjustment without changing it.
    void present();
    SeparateAdjustment(DisplayHost& host, DisplayParts& parts);
    // Connects and enables the action (the window starts in 2-colour harmony).
    void connectWidgets();

    // Toggles separate adjustment; also switches it off for the row modes.
    void farbenSeparatEinstellenExecute();

private:
    DisplayHost& m_host;
    DisplayParts& m_parts;
};
