#pragma once

#include "core/state/Feld.h"

#include <array>

// Harmony mode numbers as stored in settings files and the fixed snapshot.
enum class Modus : int {
    zweier = 0,     // 2-colour harmony
    dreier = 1,     // 3-colour harmony
    vierer = 2,     // 4-colour harmony
    auffaecher = 3, // fanning
    reihen = 4,     // colour rows
};

// Fanning and colour rows show a row of fields instead of a harmony.
constexpr bool istReihenModus(Modus m)
{
    return m == Modus::auffaecher || m == Modus::reihen;
}

// Binding slot numbers of farbWerte (1-based; several routines compute them).
namespace slot
{
inline constexpr int basisGross = 1;   // 1..3
inline constexpr int basisRechts = 4;  // 4..6
inline constexpr int basisLinks = 7;   // 7..9
inline constexpr int basisMitte = 10;  // 10..12
inline constexpr int basisReihe = 13;  // 13..48, triple t at 13 + 3(t-1)
inline constexpr int dunkelReihe = 49; // 49..63, element i at 48 + i
inline constexpr int hellReihe = 64;   // 64..78, element i at 63 + i
inline constexpr int posGross = 79;
inline constexpr int posRechts = 80;
inline constexpr int posLinks = 81;
inline constexpr int posMitte = 82;
inline constexpr int posGezeichnetGross = 83;
inline constexpr int posGezeichnetRechts = 84;
inline constexpr int posGezeichnetLinks = 85;
inline constexpr int posGezeichnetMitte = 86;
inline constexpr int abstand1 = 87;
inline constexpr int abstand2 = 88;
} // namespace slot

// 1-based integer table; element 0 exists only so that indexes match the numbering.
template <int N> struct OneBased {
    std::array<int, N + 1> v{};
    int& operator[](int i) { return v[static_cast<std::size_t>(i)]; }
    int operator[](int i) const { return v[static_cast<std::size_t>(i)]; }
    static constexpr int size() { return N; }
    bool operator==(const OneBased&) const = default;
};

// The fixed snapshot, in the order it is written to a settings file.
struct FixStand {
    int fixRealistisch = 0;
    int fixModus = 0;
    int fixPosGross = 0;
    int fixWinkeltyp = 0;
    int fixAbstand1 = 0;
    int fixAbstand2 = 0;
    int fixSeparat = 0;
    std::array<int, 8> fixHdPunkte{};
    int fixPosGross2 = 0;
    int fixPosRechts = 0;
    int fixPosLinks = 0;
    int fixPosMitte = 0;
    int fixStufenIndex = 0;
    int fixTextStattFlaechen = 0;
    bool operator==(const FixStand&) const = default;
};

// The choices the window's checkable actions stand for. These are the truth:
// the actions' check marks follow them when the document announces a change.
struct AktionsStand {
    Modus modus = Modus::zweier; // the one checked mode action
    bool realistisch = true;     // band type action checked
    bool fixieren = false;
    bool farbenSeparatEinstellen = false;
    bool nurWebsichereFarbenAnzeigen = false;
    bool textAnstelleFlaechen = false;
    bool farbstreifenVerstecken = false;
    bool operator==(const AktionsStand&) const = default;
};

// How far the window has got with what it is doing: a mouse held down, the
// layout locked, a pass that only computes, what was last drawn. Not colour
// state: no view draws it, a file does not keep it, changing it is no change.
struct Ablauf {
    bool bandMausUnten = false;
    bool hdMausUnten = false;
    bool hdCursorVersteckt = false;
    bool formularBereit = false;
    bool layoutGesperrt = true;
    bool anzeigeSperre = false;
    bool sperreHdFarbe = false;
    bool sammelLauf = false;
    bool kleinesLayout = false;
    bool ersterStart = true;
    bool ohneRand = false;
    int letzterDrehwinkel = -1;
    int letzteHdFarbeR = -1, letzteHdFarbeG = -1, letzteHdFarbeB = -1;
    int druckZeile = 300;
    // What the recompute left for the views to show: the band marker's place
    // and whether the angle markers are due.
    int bandMarker = 0;
    bool bandMarkerFaellig = false;
    bool winkelMarkerFaellig = false;
    // The manual input is applying a colour to an outer field of a colour row:
    // the band markers and the angle picture stay.
    bool eingabeAussenfeld = false;
};

// The whole colour state of the main window, with the start values it has
// before the window is first shown.
struct MainState {
    // --- fields of the main window object ---
    bool bandLuminoes = false;
    OneBased<48> endFarben{};
    OneBased<48> endFarbenFix{};
    FeldWerte<int> dunkel{}, hell{};
    // The cross-hair of each field, where it was put (it may lie beyond the field).
    FeldWerte<int> hdPunktX{}, hdPunktY{{255, 255, 255, 255}};
    std::array<bool, 8> stufeAktiv{false, false, true, true, true, false, false, false}; // [2..7]
    bool eingabeFarbeAktiv = false;
    bool eingabeUebernommen = false;
    bool fixReihen = false;
    bool fixAuffaecher = false;
    bool eingabeTexteZeigen = false;
    bool websicherUebernommen = false;
    bool websicherLinks = false; // the allocation was made in the left fixed half
    bool fixiert = false;
    bool fixLinksAktiv = false;
    Feld hdZiel = Feld::gross; // the field the light/dark field works on
    // A colour typed into the manual input: shown while it is applied, and
    // still shown on eingabeFeld after the dialog closed until that field is
    // painted anew (eingabeGezeigt), with the texts as typed (R, G, B, hex).
    bool eingabeGezeigt = false;
    bool eingabeMitTexten = false;
    Feld eingabeFeld = Feld::gross;
    std::array<int, 3> eingabeWert{};
    std::array<std::array<char16_t, 8>, 4> eingabeText{};

    // --- the colour value table, slots 1..88 ---
    OneBased<88> farbWerte = startFarbWerte();

    // --- program-wide state ---
    FeldWerte<bool> feldAn{{true, true, false, false}}; // the fields the band moves
    bool separatModus = false;
    bool winkeltyp2 = false;
    // Positions of the angle track bars (the first and the second angle).
    int winkelRegler1 = 40, winkelRegler2 = 34;
    bool nurWebsicher = false;
    bool fixWechselRechts = false, fixWechselLinks = false;
    int stufenAnzahl = 4;
    int stufenFixLinks = 4, stufenFixRechts = 4;
    // kopierWert (text) and winkelBild (picture) live with the window, which owns
    // the Qt types; everything here is plain data.
    int dateiRealistisch = 1, dateiModus = 0, dateiWinkeltyp = 1, dateiAbstand1 = 40, dateiAbstand2 = 34,
        dateiSeparat = 0;

    Ablauf ablauf{};

    // --- the fixed snapshot ---
    FixStand fixStand{};

    // --- checked actions ---
    AktionsStand aktionen{};

    // Per-field views into farbWerte; the slots of the four fields follow each other.
    int& pos(Feld f) { return farbWerte[slot::posGross + feldIndex(f)]; }
    int pos(Feld f) const { return farbWerte[slot::posGross + feldIndex(f)]; }
    int& posGezeichnet(Feld f) { return farbWerte[slot::posGezeichnetGross + feldIndex(f)]; }
    int posGezeichnet(Feld f) const { return farbWerte[slot::posGezeichnetGross + feldIndex(f)]; }
    // First of the field's three base colour slots.
    static constexpr int basisSlot(Feld f) { return slot::basisGross + 3 * feldIndex(f); }

    // Named views into farbWerte.
    int& posGross() { return pos(Feld::gross); }
    int& posRechts() { return pos(Feld::rechts); }
    int& posLinks() { return pos(Feld::links); }
    int& posMitte() { return pos(Feld::mitte); }
    int& abstand1() { return farbWerte[slot::abstand1]; }
    int& abstand2() { return farbWerte[slot::abstand2]; }
    int& dunkelReihe(int i) { return farbWerte[slot::dunkelReihe - 1 + i]; }
    int& hellReihe(int i) { return farbWerte[slot::hellReihe - 1 + i]; }
    int posGross() const { return pos(Feld::gross); }
    int posRechts() const { return pos(Feld::rechts); }
    int posLinks() const { return pos(Feld::links); }
    int posMitte() const { return pos(Feld::mitte); }
    int abstand1() const { return farbWerte[slot::abstand1]; }
    int abstand2() const { return farbWerte[slot::abstand2]; }
    int dunkelReihe(int i) const { return farbWerte[slot::dunkelReihe - 1 + i]; }
    int hellReihe(int i) const { return farbWerte[slot::hellReihe - 1 + i]; }

    // Named views into the per-field values.
    int& dunkelGross() { return dunkel[Feld::gross]; }
    int& dunkelRechts() { return dunkel[Feld::rechts]; }
    int& dunkelLinks() { return dunkel[Feld::links]; }
    int& dunkelMitte() { return dunkel[Feld::mitte]; }
    int& hellGross() { return hell[Feld::gross]; }
    int& hellRechts() { return hell[Feld::rechts]; }
    int& hellLinks() { return hell[Feld::links]; }
    int& hellMitte() { return hell[Feld::mitte]; }
    int dunkelGross() const { return dunkel[Feld::gross]; }
    int dunkelRechts() const { return dunkel[Feld::rechts]; }
    int dunkelLinks() const { return dunkel[Feld::links]; }
    int dunkelMitte() const { return dunkel[Feld::mitte]; }
    int hellGross() const { return hell[Feld::gross]; }
    int hellRechts() const { return hell[Feld::rechts]; }
    int hellLinks() const { return hell[Feld::links]; }
    int hellMitte() const { return hell[Feld::mitte]; }
    int& hdPunktGrossX() { return hdPunktX[Feld::gross]; }
    int& hdPunktRechtsX() { return hdPunktX[Feld::rechts]; }
    int& hdPunktLinksX() { return hdPunktX[Feld::links]; }
    int& hdPunktMitteX() { return hdPunktX[Feld::mitte]; }
    int& hdPunktGrossY() { return hdPunktY[Feld::gross]; }
    int& hdPunktRechtsY() { return hdPunktY[Feld::rechts]; }
    int& hdPunktLinksY() { return hdPunktY[Feld::links]; }
    int& hdPunktMitteY() { return hdPunktY[Feld::mitte]; }
    int hdPunktGrossX() const { return hdPunktX[Feld::gross]; }
    int hdPunktRechtsX() const { return hdPunktX[Feld::rechts]; }
    int hdPunktLinksX() const { return hdPunktX[Feld::links]; }
    int hdPunktMitteX() const { return hdPunktX[Feld::mitte]; }
    int hdPunktGrossY() const { return hdPunktY[Feld::gross]; }
    int hdPunktRechtsY() const { return hdPunktY[Feld::rechts]; }
    int hdPunktLinksY() const { return hdPunktY[Feld::links]; }
    int hdPunktMitteY() const { return hdPunktY[Feld::mitte]; }
    bool& feldGrossAn() { return feldAn[Feld::gross]; }
    bool& feldRechtsAn() { return feldAn[Feld::rechts]; }
    bool& feldLinksAn() { return feldAn[Feld::links]; }
    bool& feldMitteAn() { return feldAn[Feld::mitte]; }
    bool feldGrossAn() const { return feldAn[Feld::gross]; }
    bool feldRechtsAn() const { return feldAn[Feld::rechts]; }
    bool feldLinksAn() const { return feldAn[Feld::links]; }
    bool feldMitteAn() const { return feldAn[Feld::mitte]; }
    bool hdZielGross() const { return hdZiel == Feld::gross; }
    bool hdZielRechts() const { return hdZiel == Feld::rechts; }
    bool hdZielLinks() const { return hdZiel == Feld::links; }
    bool hdZielMitte() const { return hdZiel == Feld::mitte; }

    Modus modus() const { return aktionen.modus; }
    // True when field f shows the typed colour instead of its own.
    bool eingabeAuf(Feld f) const
    {
        if (eingabeFarbeAktiv) {
            if (modus() == Modus::reihen) // a row has no big field: the selected outer field takes it
                return (f == Feld::rechts || f == Feld::links) && hdZiel == f;
            return f == Feld::gross;
        }
        return eingabeGezeigt && f == eingabeFeld;
    }
    // The value row of the big field shows the typed texts.
    bool eingabeTexteAuf() const
    {
        return eingabeTexteZeigen || (eingabeGezeigt && eingabeMitTexten && eingabeFeld == Feld::gross);
    }

    static OneBased<88> startFarbWerte()
    {
        OneBased<88> w{};
        const int start[] = {218, 37, 29, 0, 146, 141, 0, 146, 141};
        for (int i = 0; i < 9; ++i)
            w[1 + i] = start[i];
        const FeldWerte<int> startPos{{0, 339, 413, 67}};
        for (Feld f : alleFelder)
            w[slot::posGross + feldIndex(f)] = w[slot::posGezeichnetGross + feldIndex(f)] = startPos[f];
        return w;
    }
};
