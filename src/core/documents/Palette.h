#pragma once

#include "core/state/MainState.h"

#include <QRgb>
#include <QString>
#include <QVector>

class LanguageTable;

struct PaletteEntry {
    QString name; // the field's name as copying all values names it
    QRgb rgb = 0; // opaque
    bool operator==(const PaletteEntry&) const = default;
};

struct PaletteGroup {
    QString name;
    QVector<PaletteEntry> entries;
    bool operator==(const PaletteGroup&) const = default;
};

// Fields and their colours: one group, or one per half of a fixed display.
struct Palette {
    QVector<PaletteGroup> groups;
    bool operator==(const Palette&) const = default;
};

// What the display shows, as it stands on the screen: the left half before the
// right one. Every view and report of the shown colours takes them from here.
Palette shownFields(const MainState& s, const LanguageTable& t);

// The shown fields as a palette file keeps them: the half being edited first.
Palette paletteFrom(const MainState& s, const LanguageTable& t);

// Every entry's colour, group after group.
QVector<QRgb> paletteColours(const Palette& p);

// Each colour once, opaque, in the order it first comes: what the scales and
// confusion reports list.
QVector<QRgb> distinctColours(const QVector<QRgb>& colours);

// The rows' final values as the display shows them: a typed colour where the
// state shows it, else endFarben.
OneBased<48> shownEndColours(const MainState& s);

// The fields of the combination a state holds, without a fixed half. In the
// 2-, 3- and 4-colour modes big, left, centre, right as far as the mode has
// them; in fanning and colour rows the rows of the intermediate values list.
QVector<PaletteEntry> combinationColours(const MainState& s, const LanguageTable& t);

// The state of a fixed snapshot, computed as opening a file computes a block;
// websicher as the display has it for both halves.
MainState snapshotState(const FixSnapshot& f, bool websicher);
