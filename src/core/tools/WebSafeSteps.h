#pragma once

#include "core/state/Field.h"

// The web-safe conversion dialog's rules that do not need a window.

// The marked stretch of a level track bar: the levels that give distinct
// proposals from the proposal just computed.
struct StepRange {
    int start = 0, endPoint = 4;
    bool operator==(const StepRange&) const = default;
};
StepRange stepRange(int suggestion);

// The level after the bar was moved to p: a proposal already at 255 (or 0)
// refuses to go further up (or down) and the bar goes back to the level.
int stepAfterDrag(int suggestion, int level, int p);

// The field "Next One" takes after the current one. The dialog visits the
// fields in the order big, left, centre, right (not the fields' own order),
// skipping those the mode does not use, and then starts again at the big one.
Field nextField(Field current, bool leftInUse, bool rightInUse, bool centreInUse);
