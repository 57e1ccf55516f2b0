#pragma once

#include "core/documents/IntermediateRows.h"

#include <QString>

#include <array>
#include <vector>

// The texts and the printed page of all values: a field list for the 2-, 3-
// and 4-colour modes (big, left, centre, right) and a row table for
// fannings and colour rows.

inline constexpr int printStart = 300;
// The printer's resolution: the page's coordinates are units of it, so the
// page keeps its proportions on every printer and in PDF.
inline constexpr int printResolution = 600;

// Field list text: four five-line blocks, one empty line between them,
// CR LF line breaks and none at the end.
QString fieldListText(const std::array<FieldTexts, 4>& fields);

// Row table text: name line, then the values indented by 5 tabs (8 in the
// English interface), blocks separated by one empty line.
QString rowTableText(const std::vector<FieldTexts>& rowList, bool english);

// The active text, two empty lines, the separator, one empty line, the fixed text.
QString fixedText(const QString& active, const QString& separator, const QString& fix);

// One text on the printed page, at printer device units.
struct PrintText {
    int x = 0;
    int y = 0;
    QString text;
    bool operator==(const PrintText&) const = default;
};

// A page being laid out; druckZeile is the y of the next line.
struct PrintPage {
    std::vector<PrintText> textSet;
    int druckZeile = printStart;
};

void printFieldList(PrintPage& page, const std::array<FieldTexts, 4>& fields);
void printRowTable(PrintPage& page, const std::vector<FieldTexts>& rowList);
void printSeparator(PrintPage& page, const QString& separator);

class LanguageTable;

// The combinations a display shows, in the order copying and printing give
// them: the state alone, or for a fixed display the right half (the upper
// value row) and then the left half, whichever of them is being edited.
std::vector<MainState> outputHalves(const MainState& s);

// The four value blocks of a 2-, 3- or 4-colour state (big, left, centre,
// right); fields the mode lacks show "-".
std::array<FieldTexts, 4> fieldListValues(const MainState& s, const LanguageTable& t);

// The rows of a fanning or colour row, as the intermediate values list has them.
std::vector<FieldTexts> rowListValues(const MainState& s, const LanguageTable& t);

// The text copying all values gives for a state: its combinations, the
// separator between the two halves of a fixed display.
QString stateValuesText(const MainState& s, const LanguageTable& t);

// The printed page of all values for a state, from the print position y on.
PrintPage stateValuesPage(const MainState& s, const LanguageTable& t, int y);
