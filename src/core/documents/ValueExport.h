#pragma once

#include "core/documents/IntermediateRows.h"

#include <QString>

#include <array>
#include <vector>

// The texts and the printed page of all values: a field list for the 2-, 3-
// and 4-colour modes (big, left, centre, right) and a row table for
// fannings and colour rows.

inline constexpr int druckStart = 300;

// Field list text: four five-line blocks, one empty line between them,
// CR LF line breaks and none at the end.
QString feldListeText(const std::array<FeldTexte, 4>& felder);

// Row table text: name line, then the values indented by 5 tabs (8 in the
// English interface), blocks separated by one empty line.
QString reihenTabelleText(const std::vector<FeldTexte>& zeilen, bool englisch);

// The active text, two empty lines, the separator, one empty line, the fixed text.
QString fixiertText(const QString& aktiv, const QString& trenner, const QString& fix);

// One text on the printed page, at printer device units.
struct DruckText {
    int x = 0;
    int y = 0;
    QString text;
    bool operator==(const DruckText&) const = default;
};

// A page being laid out; druckZeile is the y of the next line.
struct DruckSeite {
    std::vector<DruckText> texte;
    int druckZeile = druckStart;
};

void feldListeDrucken(DruckSeite& seite, const std::array<FeldTexte, 4>& felder);
void reihenTabelleDrucken(DruckSeite& seite, const std::vector<FeldTexte>& zeilen);
void trennerDrucken(DruckSeite& seite, const QString& trenner);

class LanguageTable;

// The combinations a display shows, in the order copying and printing give
// them: the state alone, or for a fixed display the right half (the upper
// value row) and then the left half, whichever of them is being edited.
std::vector<MainState> ausgabeHaelften(const MainState& s);

// The four value blocks of a 2-, 3- or 4-colour state (big, left, centre,
// right); fields the mode lacks show "-".
std::array<FeldTexte, 4> feldListeWerte(const MainState& s, const LanguageTable& t);

// The rows of a fanning or colour row, as the intermediate values list has them.
std::vector<FeldTexte> reihenListeWerte(const MainState& s, const LanguageTable& t);

// The text copying all values gives for a state: its combinations, the
// separator between the two halves of a fixed display.
QString zustandWerteText(const MainState& s, const LanguageTable& t);

// The printed page of all values for a state, from the print position y on.
DruckSeite zustandWerteSeite(const MainState& s, const LanguageTable& t, int y);
