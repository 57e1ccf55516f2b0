#include "core/harmony/FieldColours.h"

#include "core/colour/Conversions.h"
#include "core/colour/LightDark.h"

#include <algorithm>

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

void merkeEndFarbe(MainState& s, int firstElement, Rgb c)
{
    merkeEndWert(s, firstElement, c.r);
    merkeEndWert(s, firstElement + 1, c.g);
    merkeEndWert(s, firstElement + 2, c.b);
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

void farben(MainState& s, PaintTarget& target)
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

void farbenA(MainState& s, PaintTarget& target)
{
    // A colour row has no big field: the row stands on the window background.
    if (s.modus() != Modus::reihen) {
        const Rgb c = mische(s, slot::basisGross, s.dunkelGross(), s.hellGross());
        merkeEndFarbe(s, 37, c);
        target.GrosseFlaeche(c.r, c.g, c.b);
    }
    {
        const Rgb c = mische(s, slot::basisRechts, s.dunkelRechts(), s.hellRechts());
        merkeEndFarbe(s, 40, c);
        target.KleineFlaecheA(c.r, c.g, c.b);
    }
    {
        const Rgb c = mische(s, slot::basisLinks, s.dunkelLinks(), s.hellLinks());
        merkeEndFarbe(s, 43, c);
        target.KleineFlaecheB(c.r, c.g, c.b);
    }
    {
        // The centre follows the interpolated row amounts, not its own.
        const Rgb c = mische(s, slot::basisMitte, s.dunkelReihe(1), s.hellReihe(1));
        merkeEndFarbe(s, 46, c);
        target.KleineFlaecheN(c.r, c.g, c.b, 8);
    }
    for (int k = 1; k <= 6; ++k) {
        if (s.stufeAktiv[static_cast<std::size_t>(k + 1)])
            farbeUebertrag(s, target, 2 * k, 6 * k - 5, 6 * k, 8 + k, 8 - k);
    }
}

void farbeUebertrag(MainState& s, PaintTarget& target, int i, int j0, int j1, int a, int b)
{
    // Two fields of three channels inside the 36 ring elements, else nothing to do.
    if (j1 - j0 != 5 || j0 < 1 || j1 > 36 || i < 1 || i > 14)
        return;
    int werte[6] = {};
    for (int j = j0; j <= j1; ++j) {
        const int index = j - j0 < 3 ? i : i + 1;
        const int v =
            rechneHellDunkel(s.farbWerte[slot::basisReihe - 1 + j], s.dunkelReihe(index), s.hellReihe(index));
        werte[j - j0] = v;
        merkeEndWert(s, j, v);
    }
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
