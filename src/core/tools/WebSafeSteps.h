#pragma once

#include "core/state/Feld.h"

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

// The field "Next One" takes after the current one. The dialog visits the
// fields in the order big, left, centre, right (not the fields' own order),
// skipping those the mode does not use, and then starts again at the big one.
Feld naechstesFeld(Feld aktuell, bool linksInUse, bool rechtsInUse, bool mitteInUse);
