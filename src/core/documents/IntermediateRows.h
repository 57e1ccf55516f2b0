#pragma once

#include "core/state/MainState.h"

#include <QString>

#include <array>
#include <vector>

class LanguageTable;

// What a row of the intermediate values list stands for.
enum class RowRole { big, left, intermediateLeft, centre, intermediateRight, right };

// One shown row of the intermediate values list, in window order.
struct IntermediateRow {
    RowRole role = RowRole::big;
    int ring = 0;     // 1..6 for intermediate rows, 0 otherwise
    int endIndex = 0; // first of the R, G, B triple in endFarben
    int y = 0;        // top of the row panel in the window
    QString label;    // the window's (renumbered) label
    QString name;     // the name printed and copied
};

// The window's height, the top of its buttons and the height of its frame.
struct IntermediateMetrics {
    int fullHeight = 0;
    int buttonTop = 0;
    int frameHeight = 0;
    bool operator==(const IntermediateMetrics&) const = default;
};

// Steps of a fanning or colour row: 1 plus the leading rings in use
// (stufeAktiv[2..7]).
int stepCountFrom(const std::array<bool, 8>& stufeAktiv);

// Window measures for n steps; n outside 1..7 is clamped.
IntermediateMetrics intermediateMetrics(int n);

// The rows of a row of 2n + 1 fields; the big row leads unless it is hidden
// (colour rows have no big field).
std::vector<IntermediateRow> intermediateRows(int n, bool withBigRow, const LanguageTable& t);

// Displayed value texts of one field.
struct FieldTexts {
    QString name;
    QString r, g, b, hex;
    bool operator==(const FieldTexts&) const = default;
};

// A row's values from endFarben (decimal and hex, as displayed).
FieldTexts rowValues(const IntermediateRow& rowLine, const OneBased<48>& endFarben);
std::vector<FieldTexts> rowValues(const std::vector<IntermediateRow>& rowList, const OneBased<48>& endFarben);
