#pragma once

class DisplayHost;

// Hiding the colour band and the wheel pictures; the band stays usable blind
// through its currentState-in Panel2.
class HiddenBand
{
public:
    explicit HiddenBand(DisplayHost& host);
    void connectWidgets();

    void farbstreifenVersteckenExecute();

private:
    void followState();
    void hideBand();
    void present();

    DisplayHost& m_host;
};
