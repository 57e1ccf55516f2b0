#pragma once

#include "core/colour/BandTables.h"
#include "core/state/MainState.h"

// Where the mixed field colours go. The window implements it with its panels,
// value rows and rich edits; the arguments are the mixed, not yet clamped or
// web-safe colours.
class PaintTarget
{
public:
    virtual ~PaintTarget() = default;
    virtual void GrosseFlaeche(int r, int g, int b) = 0;         // big field
    virtual void KleineFlaecheA(int r, int g, int b) = 0;        // small right / outer R15
    virtual void KleineFlaecheB(int r, int g, int b) = 0;        // small left / outer R1
    virtual void KleineFlaecheC(int r, int g, int b) = 0;        // small centre
    virtual void KleineFlaecheN(int r, int g, int b, int n) = 0; // row field n (2..14)
};

// Takes every colour and shows nothing: for computing without a window.
class NullPaintTarget : public PaintTarget
{
public:
    void GrosseFlaeche(int, int, int) override {}
    void KleineFlaecheA(int, int, int) override {}
    void KleineFlaecheB(int, int, int) override {}
    void KleineFlaecheC(int, int, int) override {}
    void KleineFlaecheN(int, int, int, int) override {}
};

// The base colour in farbWerte[basisSlot..basisSlot+2] mixed with a light/dark point.
Rgb mixColour(const MainState& s, int basisSlot, int dunkel, int hell);

// Mixes and paints the fields of the 2-, 3- and 4-colour harmonies that take part.
// also: fields painted besides those taking part (one bit per field, in field
// order), such as fields that took part earlier in the same change.
void farben(const MainState& s, PaintTarget& target, unsigned also = 0);

// Paints every field a 2-, 3- or 4-colour harmony of the state's mode shows,
// whichever of them take part in the band's moves.
void paintHarmony(const MainState& s, PaintTarget& target);

// Mixes and paints every field of a fanning or colour row and keeps the final
// values in endFarben (and endFarbenFix while nothing is fixed).
void farbenA(MainState& s, PaintTarget& target);

// Paints the fields of a fanning or colour row as farbenA mixes them, keeping nothing.
void paintRows(const MainState& s, PaintTarget& target);

// One ring: basisReihe/endFarben elements j0..j1 (six), row light/dark index i
// for the first field and i+1 for the second, painted into row panels a and b.
void farbeUebertrag(MainState& s, PaintTarget& target, int i, int j0, int j1, int a, int b);

// The colour a painting routine shows for mixed channels: values above 255
// become 255 (there is no lower clamp), then web-safe when asked.
Rgb displayColour(int r, int g, int b, bool nurWebsicher);
