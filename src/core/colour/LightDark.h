#pragma once

#include <QString>

#include <vector>

struct MainState;

// A drag's coordinates are held to 0..fieldLimit on both axes; so are the
// cross-hairs a settings file sets.
inline constexpr int fieldLimit = 256;

// Mixes one channel: darken towards 0 by dunkel/255, then lighten towards 255
// by hell/255.
int rechneHellDunkel(int base, int dunkel, int hell);

// Amounts chosen by a point of the light/dark field, and where the cross-hair
// goes for that point.
struct LightDarkPoint {
    int dunkel = 0;
    int hell = 0;
    int column = 0;  // cross-hair column
    int rowLine = 0; // cross-hair row
    bool operator==(const LightDarkPoint&) const = default;
};

// Maps a point of the light/dark field to amounts. The compact field is half
// as wide, so one pixel there is worth two amount steps.
LightDarkPoint pointToAmounts(int x, int y, bool compact);

// The computing half of bewegeHellDunkel: stores the amounts and the unclamped
// point in the selected field and, in fanning and colour rows, spreads the
// amounts of the small right or left field over the row. Moving the cross-hair
// and repainting are the caller's.
LightDarkPoint computeLightDarkMove(MainState& s, int x, int y, bool compact = false);

// Row amounts between small left and small right: element 1 (the centre) first,
// then elements 2 .. 2 * stufenAnzahl - 1. isSet is the amount just set,
// other the other small field's. Single precision on purpose: the stored rows
// depend on its rounding.
std::vector<int> rowAmounts(int isSet, int other, int right, int left, int stufenAnzahl);

// Writes dunkelReihe and hellReihe from the small right and left amounts;
// rightSet tells which of the two was just set.
void interpolateRow(MainState& s, bool rightSet);

// Percentage text of the selected field's light (which = 0) or dark (which = 1)
// amount, e.g. "50 %".
QString berechneProzente(const MainState& s, int which);
