#pragma once

class DisplayHost;

// Hiding the colour band and the wheel pictures; the band stays usable blind
// through its stand-in Panel2.
class HiddenBand
{
public:
    explicit HiddenBand(DisplayHost& host);
    void connectWidgets();

    void farbstreifenVersteckenExecute();

private:
    void zeigenWieStand();
    void verstecken();
    void zeigen();

    DisplayHost& m_host;
};
