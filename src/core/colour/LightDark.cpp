#include "core/colour/LightDark.h"

#include "core/colour/Rounding.h"
#include "core/state/MainState.h"

#include <algorithm>

int rechneHellDunkel(int base, int dunkel, int hell)
{
    if (dunkel == 0 && hell == 0)
        return base;
    if (base == 0)
        return hell;
    if (base == 255 && dunkel == 0)
        return 255;
    const double b = base;
    const double d = b - dunkel / (255.0 / b);
    return roundHalfEven(d + hell / (255.0 / (255.0 - d)));
}

HdPunkt punktZuMengen(int x, int y, bool kompakt)
{
    const int xMax = kompakt ? 128 : 256;
    const int yMax = kompakt ? 127 : 255;
    const int faktor = kompakt ? 2 : 1;
    HdPunkt p;
    if (x <= 0) {
        p.dunkel = 0;
        p.spalte = 0;
    } else if (x >= xMax) {
        p.dunkel = 255;
        p.spalte = xMax;
    } else {
        p.dunkel = x * faktor;
        p.spalte = x;
    }
    if (y <= 0) {
        p.hell = 255;
        p.zeile = 0;
    } else if (y > yMax) {
        p.hell = 0;
        p.zeile = yMax;
    } else {
        p.hell = (yMax - y) * faktor;
        p.zeile = y;
    }
    return p;
}

HdPunkt bewegeHellDunkelRechnen(MainState& s, int x, int y)
{
    const HdPunkt p = punktZuMengen(x, y, s.ablauf.kleinesLayout);
    const Feld feld = s.hdZiel;
    s.dunkel[feld] = p.dunkel;
    s.hell[feld] = p.hell;
    s.hdPunktX[feld] = x;
    s.hdPunktY[feld] = y;
    if (istReihenModus(s.modus()) && (feld == Feld::rechts || feld == Feld::links))
        interpoliereReihe(s, feld == Feld::rechts);
    return p;
}

std::vector<int> reihenMengen(int gesetzt, int anderer, int rechts, int links, int stufenAnzahl)
{
    // More than seven steps would run past the 15 row fields.
    const int n = std::clamp(stufenAnzahl, 1, 7);
    const int m = 2 * n;
    std::vector<int> werte(static_cast<std::size_t>(m - 1));

    const auto a = static_cast<float>(gesetzt);
    const auto b = static_cast<float>(anderer);
    const float mitte = b - (b - a) / 2.0f;
    werte[0] = roundHalfEven(mitte);

    const float schritt = static_cast<float>(rechts - links) / static_cast<float>(m);
    float laufend = mitte;
    for (int i = 2; i < m; i += 2) {
        laufend += schritt;
        werte[static_cast<std::size_t>(i - 1)] = roundHalfEven(laufend);
    }
    laufend = mitte;
    for (int i = 3; i < m; i += 2) {
        laufend -= schritt;
        werte[static_cast<std::size_t>(i - 1)] = roundHalfEven(laufend);
    }
    return werte;
}

void interpoliereReihe(MainState& s, bool rechtsGesetzt)
{
    const auto verteile = [&](int rechts, int links, auto&& ziel) {
        const int gesetzt = rechtsGesetzt ? rechts : links;
        const int anderer = rechtsGesetzt ? links : rechts;
        const std::vector<int> werte = reihenMengen(gesetzt, anderer, rechts, links, s.stufenAnzahl);
        for (std::size_t i = 0; i < werte.size(); ++i)
            ziel(static_cast<int>(i) + 1) = werte[i];
    };
    verteile(s.dunkelRechts(), s.dunkelLinks(), [&](int i) -> int& { return s.dunkelReihe(i); });
    verteile(s.hellRechts(), s.hellLinks(), [&](int i) -> int& { return s.hellReihe(i); });
}

QString berechneProzente(const MainState& s, int which)
{
    const int menge = which == 0 ? s.hell[s.hdZiel] : s.dunkel[s.hdZiel];
    return QString::number(roundHalfEven(menge * 100.0 / 255.0)) + QStringLiteral(" %");
}
