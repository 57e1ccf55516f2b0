#pragma once

#include "core/state/MainState.h"

#include <QString>

#include <array>
#include <vector>

class LanguageTable;

// What a row of the intermediate values list stands for.
enum class ZeilenRolle { gross, links, zwischenLinks, mitte, zwischenRechts, rechts };

// One shown row of the intermediate values list, in window order.
struct ZwischenZeile {
    ZeilenRolle rolle = ZeilenRolle::gross;
    int ring = 0;     // 1..6 for intermediate rows, 0 otherwise
    int endIndex = 0; // first of the R, G, B triple in endFarben
    int y = 0;        // top of the row panel in the window
    QString label;    // the window's (renumbered) label
    QString name;     // the name printed and copied
};

// The window's height, the top of its buttons and the height of its frame.
struct ZwischenMasse {
    int hoehe = 0;
    int knopfOben = 0;
    int rahmenHoehe = 0;
    bool operator==(const ZwischenMasse&) const = default;
};

// Steps of a fanning or colour row: 1 plus the leading rings in use
// (stufeAktiv[2..7]).
int stufenAus(const std::array<bool, 8>& stufeAktiv);

// Window measures for n steps; n outside 1..7 is clamped.
ZwischenMasse zwischenMasse(int n);

// The rows of a row of 2n + 1 fields; the big row leads unless it is hidden
// (colour rows have no big field).
std::vector<ZwischenZeile> zwischenZeilen(int n, bool mitGrosserZeile, const LanguageTable& t);

// Displayed value texts of one field.
struct FeldTexte {
    QString name;
    QString r, g, b, hex;
    bool operator==(const FeldTexte&) const = default;
};

// A row's values from endFarben (decimal and hex, as displayed).
FeldTexte zeilenWerte(const ZwischenZeile& zeile, const OneBased<48>& endFarben);
std::vector<FeldTexte> zeilenWerte(const std::vector<ZwischenZeile>& zeilen, const OneBased<48>& endFarben);
