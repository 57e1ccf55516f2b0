#pragma once

class DisplayHost;

// The command that hides the colour band and the wheel pictures; the band
// stays usable blind through its stand-in Panel2. The band and angle controls
// and the light/dark field each follow the state's choice themselves.
class HiddenBand
{
public:
    explicit HiddenBand(DisplayHost& host);
    void connectWidgets();

    void farbstreifenVersteckenExecute();

private:
    DisplayHost& m_host;
};
