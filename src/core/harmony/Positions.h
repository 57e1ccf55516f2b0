#pragma once

#include "core/state/MainState.h"

#include <array>

class RecomputeHooks;

// Central recompute: band position and base colour of every field of the
// current mode; paints through the hooks when recolour is true.
void datenHolen(MainState& s, int p, int ignored, bool recolour, RecomputeHooks& hooks);
// 4-colour harmonies (angle type 1 and 2).
void datenHolenV(MainState& s, int p, bool recolour, RecomputeHooks& hooks);
// Fanning and colour rows.
void datenHolenA(MainState& s, int p, int ignored, bool recolour, RecomputeHooks& hooks);

// Colour of band position p (current band type) into three farbWerte slots.
void zuweisungAnR_R(MainState& s, int slotR, int slotG, int slotB, int p);
// Colour of q1 into basisReihe triple 2k-1, colour of q2 into triple 2k.
void zuweisungAnRRR(MainState& s, int k, int q1, int q2);

// Wrap steps of the row geometry (x a position, d a distance 0..339).
int dH0(int x, int d); // x - d, for x >= 339
int dH1(int x, int d); // x + d, wrapping past 677
int dH2(int x, int d); // x + d, for x <= 338
int dH3(int x, int d); // x - d, wrapping below 0

// Band position reduced to 0..677.
int bandPosition(int p);

// Small right and left of the 2- and 3-colour harmonies (and angle type 2):
// the complement of p moved by -d and +d.
struct SmallFieldPositions {
    int right = 0;
    int left = 0;
    bool operator==(const SmallFieldPositions&) const = default;
};
SmallFieldPositions smallFieldPositions(int p, int d);

struct FourColourPositions {
    int right = 0;
    int left = 0;
    int centre = 0;
    bool operator==(const FourColourPositions&) const = default;
};
FourColourPositions fourColourPositions(int p, int d1, int d2, bool winkeltyp2);

// Positions of a fanning or colour row around its centre cp. minus/plus hold
// the outer pair (cp -/+ d1) and ring k at index k (cp -/+ k*step); rings not
// in use stay at cp.
struct RowPositions {
    int step = 0;
    int centre = 0;
    int outerMinus = 0;
    int outerPlus = 0;
    std::array<int, 7> ringMinus{};
    std::array<int, 7> ringPlus{};
};
// Ring step: d1 / K rounded half to even.
int ringStep(int d1, int stufenAnzahl);
RowPositions rowPositions(int cp, int d1, int stufenAnzahl, const std::array<bool, 8>& stufeAktiv);
