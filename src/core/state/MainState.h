#pragma once

#include "core/state/Field.h"

#include <array>

// Harmony mode numbers as stored in settings files and the fixed snapshot.
enum class HarmonyMode : int {
    twoColour = 0,   // 2-colour harmony
    threeColour = 1, // 3-colour harmony
    fourColour = 2,  // 4-colour harmony
    fanning = 3,     // fanning
    colourRows = 4,  // colour rows
};

// Fanning and colour rows show a row of fields instead of a harmony.
constexpr bool isRowMode(HarmonyMode m)
{
    return m == HarmonyMode::fanning || m == HarmonyMode::colourRows;
}

// Whether a harmony of this mode has the field (left: 3- and 4-colour; centre: 4-colour).
constexpr bool modeHasField(HarmonyMode m, Field f)
{
    if (f == Field::left)
        return m == HarmonyMode::threeColour || m == HarmonyMode::fourColour;
    if (f == Field::centre)
        return m == HarmonyMode::fourColour;
    return true;
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
struct FixSnapshot {
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
    bool operator==(const FixSnapshot&) const = default;
};

// The choices the window's checkable actions currentState for. These are the truth:
// the actions' check marks follow them when the document announces a change.
struct ActionChoices {
    HarmonyMode harmonyMode = HarmonyMode::twoColour; // the one checked mode action
    bool realistisch = true;                          // band type action checked
    bool fixieren = false;
    bool farbenSeparatEinstellen = false;
    bool nurWebsichereFarbenAnzeigen = false;
    bool textInsteadOfFields = false;
    bool farbstreifenVerstecken = false;
    bool operator==(const ActionChoices&) const = default;
};

// The whole colour state of the main window, with the start values it has
// before the window is first shown.
struct MainState {
    // --- fields of the main window object ---
    bool bandLuminoes = false;
    OneBased<48> endFarben{};
    OneBased<48> endFarbenFix{};
    PerField<int> dunkel{}, hell{};
    // The cross-hair of each field, where it was put (it may lie beyond the field).
    PerField<int> lightDarkPointX{}, lightDarkPointY{{255, 255, 255, 255}};
    std::array<bool, 8> stufeAktiv{false, false, true, true, true, false, false, false}; // [2..7]
    bool eingabeFarbeAktiv = false;
    bool eingabeUebernommen = false;
    bool fixReihen = false;
    bool fixAuffaecher = false;
    bool eingabeTexteZeigen = false;
    bool websicherUebernommen = false;
    bool webSafeLeft = false; // the allocation was made in the left fixed half
    bool fixiert = false;
    bool fixLinksAktiv = false;
    Field lightDarkTarget = Field::big; // the field the light/dark field works on
    // A colour typed into the manual input: shown while it is applied, and
    // still shown on inputField after the dialog closed until that field is
    // painted anew (inputShown), with the texts as typed (R, G, B, hex).
    bool inputShown = false;
    bool inputWithTexts = false;
    Field inputField = Field::big;
    std::array<int, 3> inputValue{};
    std::array<std::array<char16_t, 8>, 4> inputText{};

    // --- the colour value table, slots 1..88 ---
    OneBased<88> farbWerte = startFarbWerte();

    // --- program-wide state ---
    PerField<bool> fieldOn{{true, true, false, false}}; // the fields the band moves
    // The field separate adjustment chose last (its radio button is marked); the
    // mark stays, greyed, while separate adjustment is off.
    Field separateChoice = Field::big;
    bool separatModus = false;
    bool winkeltyp2 = false;
    // Positions of the angle track bars (the first and the second angle).
    int angleSlider1 = 40, angleSlider2 = 34;
    bool nurWebsicher = false;
    bool fixWechselRechts = false, fixWechselLinks = false;
    int stufenAnzahl = 4;
    int stufenFixLinks = 4, stufenFixRechts = 4;
    // kopierWert (text) and winkelBild (picture) live with the views, which own
    // the Qt types; everything here is plain data.
    int dateiRealistisch = 1, dateiModus = 0, dateiWinkeltyp = 1, dateiAbstand1 = 40, dateiAbstand2 = 34,
        dateiSeparat = 0;

    // --- the fixed snapshot ---
    FixSnapshot fixStand{};

    // --- checked actions ---
    ActionChoices actionSet{};

    // Per-field views into farbWerte; the slots of the four fields follow each other.
    int& pos(Field f) { return farbWerte[slot::posGross + fieldIndex(f)]; }
    int pos(Field f) const { return farbWerte[slot::posGross + fieldIndex(f)]; }
    int& posGezeichnet(Field f) { return farbWerte[slot::posGezeichnetGross + fieldIndex(f)]; }
    int posGezeichnet(Field f) const { return farbWerte[slot::posGezeichnetGross + fieldIndex(f)]; }
    // First of the field's three base colour slots.
    static constexpr int basisSlot(Field f) { return slot::basisGross + 3 * fieldIndex(f); }

    // Named views into farbWerte.
    int& posGross() { return pos(Field::big); }
    int& posRechts() { return pos(Field::right); }
    int& posLinks() { return pos(Field::left); }
    int& posMitte() { return pos(Field::centre); }
    int& abstand1() { return farbWerte[slot::abstand1]; }
    int& abstand2() { return farbWerte[slot::abstand2]; }
    int& dunkelReihe(int i) { return farbWerte[slot::dunkelReihe - 1 + i]; }
    int& hellReihe(int i) { return farbWerte[slot::hellReihe - 1 + i]; }
    int posGross() const { return pos(Field::big); }
    int posRechts() const { return pos(Field::right); }
    int posLinks() const { return pos(Field::left); }
    int posMitte() const { return pos(Field::centre); }
    int abstand1() const { return farbWerte[slot::abstand1]; }
    int abstand2() const { return farbWerte[slot::abstand2]; }
    int dunkelReihe(int i) const { return farbWerte[slot::dunkelReihe - 1 + i]; }
    int hellReihe(int i) const { return farbWerte[slot::hellReihe - 1 + i]; }

    // Named views into the per-field values.
    int& dunkelGross() { return dunkel[Field::big]; }
    int& dunkelRechts() { return dunkel[Field::right]; }
    int& dunkelLinks() { return dunkel[Field::left]; }
    int& dunkelMitte() { return dunkel[Field::centre]; }
    int& hellGross() { return hell[Field::big]; }
    int& hellRechts() { return hell[Field::right]; }
    int& hellLinks() { return hell[Field::left]; }
    int& hellMitte() { return hell[Field::centre]; }
    int dunkelGross() const { return dunkel[Field::big]; }
    int dunkelRechts() const { return dunkel[Field::right]; }
    int dunkelLinks() const { return dunkel[Field::left]; }
    int dunkelMitte() const { return dunkel[Field::centre]; }
    int hellGross() const { return hell[Field::big]; }
    int hellRechts() const { return hell[Field::right]; }
    int hellLinks() const { return hell[Field::left]; }
    int hellMitte() const { return hell[Field::centre]; }
    int& hdPunktGrossX() { return lightDarkPointX[Field::big]; }
    int& hdPunktRechtsX() { return lightDarkPointX[Field::right]; }
    int& hdPunktLinksX() { return lightDarkPointX[Field::left]; }
    int& hdPunktMitteX() { return lightDarkPointX[Field::centre]; }
    int& hdPunktGrossY() { return lightDarkPointY[Field::big]; }
    int& hdPunktRechtsY() { return lightDarkPointY[Field::right]; }
    int& hdPunktLinksY() { return lightDarkPointY[Field::left]; }
    int& hdPunktMitteY() { return lightDarkPointY[Field::centre]; }
    int hdPunktGrossX() const { return lightDarkPointX[Field::big]; }
    int hdPunktRechtsX() const { return lightDarkPointX[Field::right]; }
    int hdPunktLinksX() const { return lightDarkPointX[Field::left]; }
    int hdPunktMitteX() const { return lightDarkPointX[Field::centre]; }
    int hdPunktGrossY() const { return lightDarkPointY[Field::big]; }
    int hdPunktRechtsY() const { return lightDarkPointY[Field::right]; }
    int hdPunktLinksY() const { return lightDarkPointY[Field::left]; }
    int hdPunktMitteY() const { return lightDarkPointY[Field::centre]; }
    bool& feldGrossAn() { return fieldOn[Field::big]; }
    bool& feldRechtsAn() { return fieldOn[Field::right]; }
    bool& feldLinksAn() { return fieldOn[Field::left]; }
    bool& feldMitteAn() { return fieldOn[Field::centre]; }
    bool feldGrossAn() const { return fieldOn[Field::big]; }
    bool feldRechtsAn() const { return fieldOn[Field::right]; }
    bool feldLinksAn() const { return fieldOn[Field::left]; }
    bool feldMitteAn() const { return fieldOn[Field::centre]; }
    bool hdZielGross() const { return lightDarkTarget == Field::big; }
    bool hdZielRechts() const { return lightDarkTarget == Field::right; }
    bool hdZielLinks() const { return lightDarkTarget == Field::left; }
    bool hdZielMitte() const { return lightDarkTarget == Field::centre; }

    HarmonyMode harmonyMode() const { return actionSet.harmonyMode; }
    // The light/dark target lies on a field the mode lacks (colour rows: the
    // big field too); it moves to the small right field.
    bool targetLeaves(HarmonyMode m) const
    {
        switch (m) {
        case HarmonyMode::twoColour:
            return hdZielMitte() || hdZielLinks();
        case HarmonyMode::threeColour:
        case HarmonyMode::fanning:
            return hdZielMitte();
        case HarmonyMode::colourRows:
            return hdZielMitte() || hdZielGross();
        case HarmonyMode::fourColour:
            break;
        }
        return false;
    }
    // True when field f shows the typed colour instead of its own.
    bool inputOn(Field f) const
    {
        if (eingabeFarbeAktiv) {
            if (harmonyMode() ==
                HarmonyMode::colourRows) // a row has no big field: the selected outer field takes it
                return (f == Field::right || f == Field::left) && lightDarkTarget == f;
            return f == Field::big;
        }
        return inputShown && f == inputField;
    }
    // The value row of the big field shows the typed texts.
    bool inputTextsOn() const
    {
        return eingabeTexteZeigen || (inputShown && inputWithTexts && inputField == Field::big);
    }

    static OneBased<88> startFarbWerte()
    {
        OneBased<88> w{};
        const int start[] = {218, 37, 29, 0, 146, 141, 0, 146, 141};
        for (int i = 0; i < 9; ++i)
            w[1 + i] = start[i];
        const PerField<int> startPos{{0, 339, 413, 67}};
        for (Field f : allFields)
            w[slot::posGross + fieldIndex(f)] = w[slot::posGezeichnetGross + fieldIndex(f)] = startPos[f];
        return w;
    }
};
