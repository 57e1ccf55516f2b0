#include "core/harmony/FieldColours.h"

#include "core/colour/Conversions.h"
#include "core/colour/LightDark.h"

#include <algorithm>
#include <array>

Rgb mische(const MainState& s, int basisSlot, int dunkel, int hell)
{
    return {rechneHellDunkel(s.farbWerte[basisSlot], dunkel, hell),
            rechneHellDunkel(s.farbWerte[basisSlot + 1], dunkel, hell),
            rechneHellDunkel(s.farbWerte[basisSlot + 2], dunkel, hell)};
}

namespace
{

int endWert(const MainState& s, int v)
{
    return s.nurWebsicher ? websicher(v) : v;
}

// Keeps one channel's final value; endFarbenFix is frozen while a combination is fixed.
void merkeEndWert(MainState& s, int element, int v)
{
    s.endFarben[element] = endWert(s, v);
    if (!s.aktionen.fixieren)
        s.endFarbenFix[element] = endWert(s, v);
}

void flaecheMalen(PaintTarget& target, Feld f, Rgb c)
{
    switch (f) {
    case Feld::gross:
        target.GrosseFlaeche(c.r, c.g, c.b);
        break;
    case Feld::rechts:
        target.KleineFlaecheA(c.r, c.g, c.b);
        break;
    case Feld::links:
        target.KleineFlaecheB(c.r, c.g, c.b);
        break;
    case Feld::mitte:
        target.KleineFlaecheC(c.r, c.g, c.b);
        break;
    }
}

} // namespace

void farben(const MainState& s, PaintTarget& target)
{
    for (Feld f : alleFelder) {
        if (!s.feldAn[f])
            continue;
        const Rgb c = mische(s, MainState::basisSlot(f), s.dunkel[f], s.hell[f]);
        flaecheMalen(target, f, c);
    }
}

void harmonieMalen(const MainState& s, PaintTarget& target)
{
    const Modus m = s.modus();
    for (Feld f : alleFelder) {
        if ((f == Feld::links && m == Modus::zweier) || (f == Feld::mitte && m != Modus::vierer))
            continue;
        flaecheMalen(target, f, mische(s, MainState::basisSlot(f), s.dunkel[f], s.hell[f]));
    }
}

namespace
{

// The six channels of a ring's two fields, from basisReihe element j0 on: row
// light/dark index i for the first field, i + 1 for the second.
std::array<int, 6> ringWerte(const MainState& s, int i, int j0)
{
    std::array<int, 6> werte{};
    for (int j = 0; j < 6; ++j) {
        const int index = j < 3 ? i : i + 1;
        werte[static_cast<std::size_t>(j)] =
            rechneHellDunkel(s.farbWerte[slot::basisReihe - 1 + j0 + j], s.dunkelReihe(index), s.hellReihe(index));
    }
    return werte;
}

// Mixes every field of a row in painting order; merke(element, value) sees
// each channel, from endFarben element 1 on.
template <typename Merke> void reiheMischen(const MainState& s, PaintTarget& target, Merke merke)
{
    const auto merkeFarbe = [&](int erstes, Rgb c) {
        merke(erstes, c.r);
        merke(erstes + 1, c.g);
        merke(erstes + 2, c.b);
    };
    // A colour row has no big field: the row stands on the window background.
    if (s.modus() != Modus::reihen) {
        const Rgb c = mische(s, slot::basisGross, s.dunkelGross(), s.hellGross());
        merkeFarbe(37, c);
        target.GrosseFlaeche(c.r, c.g, c.b);
    }
    {
        const Rgb c = mische(s, slot::basisRechts, s.dunkelRechts(), s.hellRechts());
        merkeFarbe(40, c);
        target.KleineFlaecheA(c.r, c.g, c.b);
    }
    {
        const Rgb c = mische(s, slot::basisLinks, s.dunkelLinks(), s.hellLinks());
        merkeFarbe(43, c);
        target.KleineFlaecheB(c.r, c.g, c.b);
    }
    {
        // The centre follows the interpolated row amounts, not its own.
        const Rgb c = mische(s, slot::basisMitte, s.dunkelReihe(1), s.hellReihe(1));
        merkeFarbe(46, c);
        target.KleineFlaecheN(c.r, c.g, c.b, 8);
    }
    for (int k = 1; k <= 6; ++k) {
        if (!s.stufeAktiv[static_cast<std::size_t>(k + 1)])
            continue;
        const int j0 = 6 * k - 5;
        const std::array<int, 6> werte = ringWerte(s, 2 * k, j0);
        for (int j = 0; j < 6; ++j)
            merke(j0 + j, werte[static_cast<std::size_t>(j)]);
        target.KleineFlaecheN(werte[0], werte[1], werte[2], 8 + k);
        target.KleineFlaecheN(werte[3], werte[4], werte[5], 8 - k);
    }
}

} // namespace

void farbenA(MainState& s, PaintTarget& target)
{
    reiheMischen(s, target, [&s](int element, int v) { merkeEndWert(s, element, v); });
}

void reihenMalen(const MainState& s, PaintTarget& target)
{
    reiheMischen(s, target, [](int, int) {});
}

void farbeUebertrag(MainState& s, PaintTarget& target, int i, int j0, int j1, int a, int b)
{
    // Two fields of three channels inside the 36 ring elements, else nothing to do.
    if (j1 - j0 != 5 || j0 < 1 || j1 > 36 || i < 1 || i > 14)
        return;
    const std::array<int, 6> werte = ringWerte(s, i, j0);
    for (int j = 0; j < 6; ++j)
        merkeEndWert(s, j0 + j, werte[static_cast<std::size_t>(j)]);
    target.KleineFlaecheN(werte[0], werte[1], werte[2], a);
    target.KleineFlaecheN(werte[3], werte[4], werte[5], b);
}

Rgb anzeigeFarbe(int r, int g, int b, bool nurWebsicher)
{
    Rgb c{std::min(r, 255), std::min(g, 255), std::min(b, 255)};
    if (nurWebsicher)
        c = {websicher(c.r), websicher(c.g), websicher(c.b)};
    return c;
}
