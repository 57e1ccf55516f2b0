#pragma once

// The web-safe conversion dialog's rules that do not need a window.

// The marked stretch of a level track bar: the levels that give distinct
// proposals from the proposal just computed.
struct StufenBereich {
    int start = 0, ende = 4;
    bool operator==(const StufenBereich&) const = default;
};
StufenBereich stufenBereich(int vorschlag);

// The level after the bar was moved to p: a proposal already at 255 (or 0)
// refuses to go further up (or down) and the bar goes back to the level.
int stufeNachZug(int vorschlag, int stufe, int p);

// The fields the dialog visits, in the order "Next One" takes them.
enum class WebFeld { gross, links, mitte, rechts };
WebFeld naechstesFeld(WebFeld aktuell, bool linksInUse, bool rechtsInUse, bool mitteInUse);
