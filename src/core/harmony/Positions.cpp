#include "core/harmony/Positions.h"

#include "core/colour/BandTables.h"
#include "core/colour/Rounding.h"
#include "core/harmony/RecomputeHooks.h"

#include <algorithm>
#include <array>
#include <span>

namespace
{

void setBase(MainState& s, int slotR, int p)
{
    zuweisungAnR_R(s, slotR, slotR + 1, slotR + 2, p);
}

// The drawn-position slot of the first field taking part, or 0 when none does.
int drawnSlot(const MainState& s)
{
    for (Field f : allFields)
        if (s.fieldOn[f])
            return slot::posGezeichnetGross + fieldIndex(f);
    return 0;
}

// 2- and 3-colour harmonies leave the centre field alone.
constexpr std::array<Field, 3> withoutCentre{Field::big, Field::right, Field::left};

// Each of the fields taking part gets its base colour, in field order.
void setFields(MainState& s, std::span<const Field> fields, const PerField<int>& positions)
{
    for (Field f : fields)
        if (s.fieldOn[f])
            setBase(s, MainState::basisSlot(f), positions[f]);
}

void rememberPositions(MainState& s, std::span<const Field> fields, const PerField<int>& positions)
{
    for (Field f : fields)
        if (s.fieldOn[f])
            s.pos(f) = positions[f];
}

} // namespace

int bandPosition(int p)
{
    const int m = p % bandLength;
    return m < 0 ? m + bandLength : m;
}

int dH0(int x, int d)
{
    return x - d;
}
int dH1(int x, int d)
{
    return x < bandLength - d ? x + d : x + d - bandLength;
}
int dH2(int x, int d)
{
    return x + d;
}
int dH3(int x, int d)
{
    return d <= x ? x - d : x - d + bandLength;
}

void zuweisungAnR_R(MainState& s, int slotR, int slotG, int slotB, int p)
{
    const Rgb c = bandTable(s.bandLuminoes).at(bandPosition(p));
    s.farbWerte[slotR] = c.r;
    s.farbWerte[slotG] = c.g;
    s.farbWerte[slotB] = c.b;
}

void zuweisungAnRRR(MainState& s, int k, int q1, int q2)
{
    if (k < 1 || k > 6)
        return;                                       // there are six rings
    const int first = slot::basisReihe + 6 * (k - 1); // triple 2k-1
    setBase(s, first, q1);
    setBase(s, first + 3, q2);
}

SmallFieldPositions smallFieldPositions(int p, int d)
{
    p = bandPosition(p);
    const int cp = complement(p);
    if (d <= 0)
        return {cp, cp};
    // Both results are taken modulo a turn, so is the distance: the same
    // positions, and no overflow for a distance no control gives.
    d %= bandLength;
    int r = 0;
    int l = 0;
    if (p < bandHalf) {
        r = p + bandHalf - d;
        l = p + bandHalf < bandLength - d ? p + bandHalf + d : p + bandHalf + d - bandLength;
    } else if (p > bandHalf) {
        r = p - bandHalf >= d ? p - bandHalf - d : p - bandHalf - d + bandLength;
        l = p - bandHalf + d;
    } else {
        r = bandLength - d;
        l = d;
    }
    // Distances stay far below half a turn in practice; the reduction only
    // keeps odd distances inside the band.
    return {bandPosition(r), bandPosition(l)};
}

FourColourPositions fourColourPositions(int p, int d1, int d2, bool winkeltyp2)
{
    p = bandPosition(p);
    if (winkeltyp2) {
        const SmallFieldPositions rl = smallFieldPositions(p, d1);
        return {rl.right, rl.left, complement(p)};
    }
    // The four hues form a rectangle: centre 2*d2 from the base, the opposite
    // pair spread by d1 around the point opposite their middle. Every step
    // counts modulo a turn, so the distances may be reduced first: the same
    // positions, and no overflow for distances no control gives.
    d1 = bandPosition(d1);
    d2 = bandPosition(d2);
    const auto einmalReduziert = [](int v) { return v >= bandLength ? v - bandLength : v; };
    const int m = einmalReduziert(p + 2 * d2);
    const int r = einmalReduziert(m + bandHalf - d1 - d2);
    const int l = einmalReduziert(r + 2 * d1);
    return {bandPosition(r), bandPosition(l), bandPosition(m)};
}

int ringStep(int d1, int stufenAnzahl)
{
    const int k = std::clamp(stufenAnzahl, 1, 7);
    return roundHalfEven(static_cast<double>(d1) / k);
}

RowPositions rowPositions(int cp, int d1, int stufenAnzahl, const std::array<bool, 8>& stufeAktiv)
{
    cp = bandPosition(cp);
    RowPositions row;
    row.step = ringStep(d1, stufenAnzahl);
    row.centre = cp;
    row.outerMinus = row.outerPlus = cp;
    row.ringMinus.fill(cp);
    row.ringPlus.fill(cp);
    if (row.step <= 0)
        return row;

    // Every branch counts modulo a turn, so the distance may be reduced first:
    // the same positions, and no overflow for distances no control gives.
    const auto minus = [cp](int d) {
        d %= bandLength;
        if (cp >= bandHalf)
            return bandPosition(dH0(cp, d));
        if (cp >= 1)
            return bandPosition(dH3(cp, d));
        return bandPosition(bandLength - d);
    };
    const auto plus = [cp](int d) {
        d %= bandLength;
        if (cp >= bandHalf)
            return bandPosition(dH1(cp, d));
        if (cp >= 1)
            return bandPosition(dH2(cp, d));
        return bandPosition(d);
    };
    row.outerMinus = minus(d1);
    row.outerPlus = plus(d1);
    const int step = row.step % bandLength; // k * step, taken modulo a turn
    for (int k = 1; k <= 6; ++k) {
        if (!stufeAktiv[static_cast<std::size_t>(k + 1)])
            continue;
        const auto i = static_cast<std::size_t>(k);
        row.ringMinus[i] = minus(k * step);
        row.ringPlus[i] = plus(k * step);
    }
    return row;
}

void datenHolen(MainState& s, int p, int ignored, bool recolour, RecomputeHooks& hooks)
{
    p = bandPosition(p);
    if (s.separatModus) {
        if (const int gezeichnet = drawnSlot(s); gezeichnet != 0)
            s.farbWerte[gezeichnet] = p;
        hooks.winkelZeichnen();
    }

    const HarmonyMode harmonyMode = s.harmonyMode();
    if (harmonyMode == HarmonyMode::fourColour) {
        datenHolenV(s, p, recolour, hooks);
        return;
    }
    if (isRowMode(harmonyMode)) {
        datenHolenA(s, p, ignored, recolour, hooks);
        return;
    }

    const int d = harmonyMode == HarmonyMode::twoColour ? 0 : s.abstand1();
    const SmallFieldPositions rl = smallFieldPositions(p, d);
    // Without the big field (separate adjustment) the flagged small field
    // takes the band position itself.
    const PerField<int> positions{{p, s.feldGrossAn() ? rl.right : p, s.feldGrossAn() ? rl.left : p, 0}};
    setFields(s, withoutCentre, positions);
    if (recolour)
        hooks.farben();
    rememberPositions(s, withoutCentre, positions);
    hooks.moveBandMarker(p);
}

void datenHolenV(MainState& s, int p, bool recolour, RecomputeHooks& hooks)
{
    p = bandPosition(p);
    const FourColourPositions f = fourColourPositions(p, s.abstand1(), s.abstand2(), s.winkeltyp2);
    const bool gekoppelt = s.feldGrossAn();
    const PerField<int> positions{
        {p, gekoppelt ? f.right : p, gekoppelt ? f.left : p, gekoppelt ? f.centre : p}};
    setFields(s, allFields, positions);
    rememberPositions(s, allFields, positions);

    if (recolour)
        hooks.farben();
    hooks.moveBandMarker(p);
}

void datenHolenA(MainState& s, int p, int /*ignored*/, bool recolour, RecomputeHooks& hooks)
{
    p = bandPosition(p);
    const bool colourRows = s.harmonyMode() == HarmonyMode::colourRows;
    // Fanning spreads around the complement of the base; a colour row is
    // centred on the base itself.
    const int x = colourRows ? complement(p) : p;
    if (!colourRows)
        setBase(s, slot::basisGross, p);
    const int cp = complement(x);
    const RowPositions row = rowPositions(cp, s.abstand1(), s.stufenAnzahl, s.stufeAktiv);

    setBase(s, slot::basisMitte, cp);
    // Colour rows are the mirror image: right runs towards higher positions.
    setBase(s, slot::basisRechts, colourRows ? row.outerPlus : row.outerMinus);
    setBase(s, slot::basisLinks, colourRows ? row.outerMinus : row.outerPlus);
    for (int k = 1; k <= 6; ++k) {
        if (!s.stufeAktiv[static_cast<std::size_t>(k + 1)])
            continue;
        const auto i = static_cast<std::size_t>(k);
        if (colourRows)
            zuweisungAnRRR(s, k, row.ringPlus[i], row.ringMinus[i]);
        else
            zuweisungAnRRR(s, k, row.ringMinus[i], row.ringPlus[i]);
    }

    if (recolour)
        hooks.farbenA();
    s.posGross() = p;
    if (!hooks.manualInputToOuterRowField())
        hooks.moveBandMarker(p);
}
