#pragma once

#include <array>

class ColourPanel;
struct WebFeldZugang;
class DisplayHost;
struct DisplayParts;

// The web-safe display mode and its warning when row fields fold together.
class WebSafeDisplay
{
public:
    WebSafeDisplay(DisplayHost& host, DisplayParts& parts);
    // The action stays invisible; the program runs the toggle itself.
    void connectWidgets();

    void nurWebsichereFarbenAnzeigenExecute();
    // The dialog's action as the state's web-safe display allows it.
    void zeigen();
    // The conversion dialog, created anew each time; rows only get a message.
    void inWebsichereFarbenUmwandelnExecute();
    // Whether two compared row fields of the shown row display are equal.
    bool checkFarbengleichheit() const;
    // After a row field was painted: shows or hides the warning Panel1.
    void warnungPruefen();

private:
    bool reiheGleich(const std::array<ColourPanel*, 16>& reihe) const;
    void neuBerechnen();
    // The conversion dialog's way into the value rows of the edited half.
    WebFeldZugang webFeldZugang();

    DisplayHost& m_host;
    DisplayParts& m_parts;
    // The conversion dialog's action as it was before web-safe display took it away.
    bool m_umwandelnWarAn = false;
    bool m_angezeigt = false; // web-safe display as the actions show it
};
