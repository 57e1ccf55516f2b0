#pragma once

#include "ui/widgets/MainWidgets.h"

class DisplayHost;

// Hiding the colour band and the wheel pictures; the band stays usable blind
// through its currentState-in Panel2.
class HiddenBand
{
public:
    // The widgets this part draws or reads; no others.
    struct Widgets {
        RegionWidgets& regions;
        BandWidgets& band;
        LightDarkWidgets& lightDark;
        AngleWidgets& angle;
    };

    HiddenBand(DisplayHost& host, Widgets widgets);
    void connectWidgets();

    void farbstreifenVersteckenExecute();

private:
    void followState();
    void hideBand();
    void present();

    DisplayHost& m_host;

    Widgets m_w;
};
