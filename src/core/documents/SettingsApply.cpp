#include "core/documents/SettingsApply.h"

#include "core/colour/AnglePicture.h"
#include "core/colour/BandTables.h"
#include "core/colour/LightDark.h"
#include "core/harmony/FieldColours.h"
#include "core/harmony/Positions.h"
#include "core/harmony/StateHooks.h"

#include <algorithm>

namespace
{

std::optional<bool> schalter(int wert)
{
    if (wert == 1)
        return true;
    if (wert == 0)
        return false;
    return std::nullopt;
}

std::optional<Modus> modusAus(int wert)
{
    switch (wert) {
    case static_cast<int>(Modus::zweier):
    case static_cast<int>(Modus::dreier):
    case static_cast<int>(Modus::vierer):
    case static_cast<int>(Modus::auffaecher):
    case static_cast<int>(Modus::reihen):
        return static_cast<Modus>(wert);
    default:
        return std::nullopt;
    }
}

int position(int wert)
{
    return std::clamp(wert, 0, letzteBandPosition);
}

int abstand(int wert)
{
    return std::clamp(wert, 0, groessterAbstand);
}

// The file keeps the cross-hairs as x, y pairs in field order.
int xSlot(Feld feld)
{
    return dateiSlot::hdGrossX + 2 * feldIndex(feld);
}

void teilnahmeSetzen(MainState& s, Feld feld)
{
    for (Feld f : alleFelder)
        s.feldAn[f] = f == feld;
}

void gezeichnetVergessen(MainState& s)
{
    for (Feld f : alleFelder)
        s.posGezeichnet(f) = -1;
}

// Every field of the mode takes part again, as switching separate adjustment off leaves it.
void separatAus(MainState& s)
{
    gezeichnetVergessen(s);
    s.aktionen.farbenSeparatEinstellen = false;
    s.separatModus = false;
    const Modus modus = s.modus();
    s.feldGrossAn() = true;
    s.feldRechtsAn() = true;
    s.feldLinksAn() = modus == Modus::dreier || modus == Modus::vierer;
    s.feldMitteAn() = modus == Modus::vierer;
}

void separatEin(MainState& s)
{
    gezeichnetVergessen(s);
    s.aktionen.farbenSeparatEinstellen = true;
    s.separatModus = true;
    teilnahmeSetzen(s, Feld::gross);
    s.hdZiel = Feld::gross;
}

// The mode's fields, and a light/dark target the new mode has.
void modusSetzen(MainState& s, Modus modus)
{
    if (istReihenModus(modus) && s.separatModus)
        separatAus(s);
    bool nachRechts = false;
    switch (modus) {
    case Modus::zweier:
        nachRechts = s.hdZielMitte() || s.hdZielLinks();
        s.feldLinksAn() = false;
        s.feldMitteAn() = false;
        break;
    case Modus::dreier:
        nachRechts = s.hdZielMitte();
        s.feldLinksAn() = !s.separatModus;
        s.feldMitteAn() = false;
        break;
    case Modus::vierer:
        s.feldLinksAn() = !s.separatModus;
        s.feldMitteAn() = !s.separatModus;
        break;
    case Modus::auffaecher:
        nachRechts = s.hdZielMitte();
        break;
    case Modus::reihen:
        nachRechts = s.hdZielMitte() || s.hdZielGross();
        break;
    }
    if (nachRechts)
        s.hdZiel = Feld::rechts;
    s.aktionen.modus = modus;
}

void stufenSetzen(MainState& s, int stufen)
{
    s.stufenAnzahl = stufen;
    for (int k = 2; k <= 7; ++k)
        s.stufeAktiv[static_cast<std::size_t>(k)] = k <= stufen;
    if (s.fixiert)
        (s.fixLinksAktiv ? s.stufenFixLinks : s.stufenFixRechts) = stufen;
}

} // namespace

std::vector<Feld> fadenkreuzFelder(int modus)
{
    using F = Feld;
    switch (modus) {
    case static_cast<int>(Modus::zweier):
        return {F::rechts, F::gross};
    case static_cast<int>(Modus::dreier):
    case static_cast<int>(Modus::auffaecher):
        return {F::rechts, F::links, F::gross};
    case static_cast<int>(Modus::vierer):
        return {F::rechts, F::links, F::mitte, F::gross};
    case static_cast<int>(Modus::reihen):
        return {F::links, F::rechts};
    default:
        return {};
    }
}

DateiEinstellung dateiEinstellung(const EinstellungsBlock& b)
{
    DateiEinstellung e;
    const int modus = b.werte[dateiSlot::modus];
    e.realistisch = schalter(b.werte[dateiSlot::realistisch]);
    e.modus = modusAus(modus);
    e.bandKlick = position(b.werte[dateiSlot::posGross]);
    switch (modus) {
    case static_cast<int>(Modus::dreier):
        e.abstand1 = abstand(b.werte[dateiSlot::abstand1]);
        break;
    case static_cast<int>(Modus::vierer):
        e.winkeltyp2 = b.werte[dateiSlot::winkeltyp] != 1;
        if (!*e.winkeltyp2)
            e.abstand2 = abstand(b.werte[dateiSlot::abstand2]);
        e.abstand1 = abstand(b.werte[dateiSlot::abstand1]);
        break;
    case static_cast<int>(Modus::auffaecher):
    case static_cast<int>(Modus::reihen):
        e.abstand1 = abstand(b.werte[dateiSlot::abstand1]);
        // An index past the list is held to its ends, as the list offers no other.
        e.stufenIndex = std::clamp(b.werte[dateiSlot::stufenIndex], 0, letzterStufenIndex);
        break;
    default:
        break;
    }
    e.separat = schalter(b.werte[dateiSlot::separat]);
    e.websicher = schalter(b.werte[dateiSlot::websicher]);
    e.textStatt = schalter(b.werte[dateiSlot::textStatt]);
    for (Feld f : alleFelder)
        e.pos[f] = position(b.werte[dateiSlot::posGross2 + feldIndex(f)]);
    for (const Feld feld : fadenkreuzFelder(modus)) {
        const int x = xSlot(feld);
        e.fadenkreuze.push_back(
            {feld, std::clamp(b.werte[x], 0, feldGrenze), std::clamp(b.werte[x + 1], 0, feldGrenze)});
    }
    if (modus != static_cast<int>(Modus::reihen))
        e.texte = WerteTexte{QString::number(b.werte[dateiSlot::grossR]),
                             QString::number(b.werte[dateiSlot::grossR + 1]),
                             QString::number(b.werte[dateiSlot::grossR + 2]), QString::fromLatin1(b.hex)};
    return e;
}

DateiEinstellung schnappschussEinstellung(const FixStand& f, bool websicherAn)
{
    const DateiBloecke bloecke = dateiBloecke(
        f, f, false, {.websicher = websicherAn, .textStatt = f.fixTextStattFlaechen == 1}, {}, {});
    return dateiEinstellung(bloecke.block1);
}

void dateiWerteMerken(MainState& s, const EinstellungsBlock& b)
{
    s.dateiRealistisch = b.werte[dateiSlot::realistisch];
    s.dateiModus = b.werte[dateiSlot::modus];
    s.dateiWinkeltyp = b.werte[dateiSlot::winkeltyp];
    s.dateiAbstand1 = b.werte[dateiSlot::abstand1];
    s.dateiAbstand2 = b.werte[dateiSlot::abstand2];
    s.dateiSeparat = b.werte[dateiSlot::separat];
}

void positionenSetzen(MainState& s, const DateiEinstellung& e)
{
    for (Feld f : alleFelder)
        s.pos(f) = e.pos[f];
}

void einstellungAnwenden(MainState& s, const DateiEinstellung& e)
{
    StateHooks hooks(s);
    if (e.realistisch) {
        s.aktionen.realistisch = *e.realistisch;
        s.bandLuminoes = !*e.realistisch;
    }
    if (e.modus)
        modusSetzen(s, *e.modus);
    const Modus modus = s.modus();
    if (e.winkeltyp2)
        s.winkeltyp2 = *e.winkeltyp2;
    if (e.abstand2) {
        s.abstand2() = *e.abstand2;
        s.winkelRegler2 = *e.abstand2;
    }
    if (e.abstand1) {
        s.abstand1() = ersterAbstand(*e.abstand1, modus);
        s.winkelRegler1 = *e.abstand1;
    }
    if (e.stufenIndex)
        stufenSetzen(s, *e.stufenIndex + 1);

    if (e.separat && !istReihenModus(modus) && *e.separat != s.separatModus) {
        if (*e.separat)
            separatEin(s);
        else
            separatAus(s);
    }
    if (e.websicher)
        s.aktionen.nurWebsichereFarbenAnzeigen = s.nurWebsicher = *e.websicher;
    if (e.textStatt)
        s.aktionen.textAnstelleFlaechen = *e.textStatt;

    datenHolen(s, e.bandKlick, 0, true, hooks);
    positionenSetzen(s, e);

    for (const Fadenkreuz& k : e.fadenkreuze) {
        if (s.separatModus) {
            teilnahmeSetzen(s, k.feld);
            datenHolen(s, s.pos(k.feld), 0, false, hooks);
        }
        s.hdZiel = k.feld;
        bewegeHellDunkelRechnen(s, k.x, k.y);
        hooks.neuFaerben();
    }
}
