#include "core/harmony/FieldColours.h"

#include "core/colour/Conversions.h"
#include "core/colour/LightDark.h"

#include <algorithm>
#include <array>

Rgb mixColour(const MainState& s, int basisSlot, int dunkel, int hell)
{
    return {rechneHellDunkel(s.farbWerte[basisSlot], dunkel, hell),
            rechneHellDunkel(s.farbWerte[basisSlot + 1], dunkel, hell),
            rechneHellDunkel(s.farbWerte[basisSlot + 2], dunkel, hell)};
}

namespace
{

int endValue(const MainState& s, int v)
{
    return s.nurWebsicher ? websicher(v) : v;
}

// Keeps one channel's final value; endFarbenFix is frozen while a combination is fixed.
void rememberEndValue(MainState& s, int element, int v)
{
    s.endFarben[element] = endValue(s, v);
    if (!s.actionSet.fixieren)
        s.endFarbenFix[element] = endValue(s, v);
}

void paintField(PaintTarget& target, Field f, Rgb c)
{
    switch (f) {
    case Field::big:
        target.GrosseFlaeche(c.r, c.g, c.b);
        break;
    case Field::right:
        target.KleineFlaecheA(c.r, c.g, c.b);
        break;
    case Field::left:
        target.KleineFlaecheB(c.r, c.g, c.b);
        break;
    case Field::centre:
        target.KleineFlaecheC(c.r, c.g, c.b);
        break;
    }
}

} // namespace

void farben(const MainState& s, PaintTarget& target, unsigned also)
{
    for (Field f : allFields) {
        if (!s.fieldOn[f] && !(also & (1u << fieldIndex(f))))
            continue;
        const Rgb c = mixColour(s, MainState::basisSlot(f), s.dunkel[f], s.hell[f]);
        paintField(target, f, c);
    }
}

void paintHarmony(const MainState& s, PaintTarget& target)
{
    const HarmonyMode m = s.harmonyMode();
    for (Field f : allFields) {
        if ((f == Field::left && m == HarmonyMode::twoColour) ||
            (f == Field::centre && m != HarmonyMode::fourColour))
            continue;
        paintField(target, f, mixColour(s, MainState::basisSlot(f), s.dunkel[f], s.hell[f]));
    }
}

namespace
{

// The six channels of a ring's two fields, from basisReihe element j0 on: row
// light/dark index i for the first field, i + 1 for the second.
std::array<int, 6> ringValues(const MainState& s, int i, int j0)
{
    std::array<int, 6> valueSet{};
    for (int j = 0; j < 6; ++j) {
        const int index = j < 3 ? i : i + 1;
        valueSet[static_cast<std::size_t>(j)] = rechneHellDunkel(s.farbWerte[slot::basisReihe - 1 + j0 + j],
                                                                 s.dunkelReihe(index), s.hellReihe(index));
    }
    return valueSet;
}

// Mixes every field of a row in painting order; merke(element, value) sees
// each channel, from endFarben element 1 on.
template <typename Merke> void mixRow(const MainState& s, PaintTarget& target, Merke merke)
{
    const auto merkeFarbe = [&](int erstes, Rgb c) {
        merke(erstes, c.r);
        merke(erstes + 1, c.g);
        merke(erstes + 2, c.b);
    };
    // A colour row has no big field: the row stands on the window background.
    if (s.harmonyMode() != HarmonyMode::colourRows) {
        const Rgb c = mixColour(s, slot::basisGross, s.dunkelGross(), s.hellGross());
        merkeFarbe(37, c);
        target.GrosseFlaeche(c.r, c.g, c.b);
    }
    {
        const Rgb c = mixColour(s, slot::basisRechts, s.dunkelRechts(), s.hellRechts());
        merkeFarbe(40, c);
        target.KleineFlaecheA(c.r, c.g, c.b);
    }
    {
        const Rgb c = mixColour(s, slot::basisLinks, s.dunkelLinks(), s.hellLinks());
        merkeFarbe(43, c);
        target.KleineFlaecheB(c.r, c.g, c.b);
    }
    {
        // The centre follows the interpolated row amounts, not its own.
        const Rgb c = mixColour(s, slot::basisMitte, s.dunkelReihe(1), s.hellReihe(1));
        merkeFarbe(46, c);
        target.KleineFlaecheN(c.r, c.g, c.b, 8);
    }
    for (int k = 1; k <= 6; ++k) {
        if (!s.stufeAktiv[static_cast<std::size_t>(k + 1)])
            continue;
        const int j0 = 6 * k - 5;
        const std::array<int, 6> valueSet = ringValues(s, 2 * k, j0);
        for (int j = 0; j < 6; ++j)
            merke(j0 + j, valueSet[static_cast<std::size_t>(j)]);
        target.KleineFlaecheN(valueSet[0], valueSet[1], valueSet[2], 8 + k);
        target.KleineFlaecheN(valueSet[3], valueSet[4], valueSet[5], 8 - k);
    }
}

} // namespace

void farbenA(MainState& s, PaintTarget& target)
{
    mixRow(s, target, [&s](int element, int v) { rememberEndValue(s, element, v); });
}

void paintRows(const MainState& s, PaintTarget& target)
{
    mixRow(s, target, [](int, int) {});
}

void farbeUebertrag(MainState& s, PaintTarget& target, int i, int j0, int j1, int a, int b)
{
    // Two fields of three channels inside the 36 ring elements, else nothing to do.
    if (j1 - j0 != 5 || j0 < 1 || j1 > 36 || i < 1 || i > 14)
        return;
    const std::array<int, 6> valueSet = ringValues(s, i, j0);
    for (int j = 0; j < 6; ++j)
        rememberEndValue(s, j0 + j, valueSet[static_cast<std::size_t>(j)]);
    target.KleineFlaecheN(valueSet[0], valueSet[1], valueSet[2], a);
    target.KleineFlaecheN(valueSet[3], valueSet[4], valueSet[5], b);
}

Rgb displayColour(int r, int g, int b, bool nurWebsicher)
{
    Rgb c{std::min(r, 255), std::min(g, 255), std::min(b, 255)};
    if (nurWebsicher)
        c = {websicher(c.r), websicher(c.g), websicher(c.b)};
    return c;
}
