#include "core/harmony/FieldColours.h"
#include "core/colour/MixReference.h"
#include "core/harmony/Positions.h"
#include "core/harmony/RecomputeFakes.h"

#include <gtest/gtest.h>

namespace
{

void setzeStufen(MainState& s, int k)
{
    s.stufenAnzahl = k;
    for (int i = 2; i <= 7; ++i)
        s.stufeAktiv[static_cast<std::size_t>(i)] = i <= k;
}

// Distinct base colours and row amounts, so that any mix-up of elements,
// triples or light/dark indexes shows.
MainState rowState(HarmonyMode harmonyMode, int stepCount)
{
    MainState s;
    s.actionSet.harmonyMode = harmonyMode;
    setzeStufen(s, stepCount);
    for (int i = 1; i <= 48; ++i)
        s.farbWerte[i] = 3 * i + 5;
    for (int i = 1; i <= 15; ++i) {
        s.dunkelReihe(i) = 10 * i;
        s.hellReihe(i) = 7 * i;
    }
    s.dunkelGross() = 20;
    s.hellGross() = 5;
    s.dunkelRechts() = 30;
    s.hellRechts() = 40;
    s.dunkelLinks() = 60;
    s.hellLinks() = 2;
    s.dunkelMitte() = 250; // not used by the rows
    s.hellMitte() = 250;
    return s;
}

Rgb mixed(const MainState& s, int basisSlot, int dunkel, int hell)
{
    return {referenzMischung(s.farbWerte[basisSlot], dunkel, hell),
            referenzMischung(s.farbWerte[basisSlot + 1], dunkel, hell),
            referenzMischung(s.farbWerte[basisSlot + 2], dunkel, hell)};
}

Rgb end(const MainState& s, int first)
{
    return {s.endFarben[first], s.endFarben[first + 1], s.endFarben[first + 2]};
}

} // namespace

TEST(FieldColours, FanningOfFifteenFieldsFillsEveryEndColour)
{
    MainState s = rowState(HarmonyMode::fanning, 7);
    RecordingTarget target;
    farbenA(s, target);

    EXPECT_EQ(end(s, 37), mixed(s, slot::basisGross, 20, 5));
    EXPECT_EQ(end(s, 40), mixed(s, slot::basisRechts, 30, 40));
    EXPECT_EQ(end(s, 43), mixed(s, slot::basisLinks, 60, 2));
    EXPECT_EQ(end(s, 46), mixed(s, slot::basisMitte, s.dunkelReihe(1), s.hellReihe(1)));
    for (int k = 1; k <= 6; ++k) {
        const int first = slot::basisReihe + 6 * (k - 1);
        EXPECT_EQ(end(s, 6 * k - 5), mixed(s, first, s.dunkelReihe(2 * k), s.hellReihe(2 * k))) << k;
        EXPECT_EQ(end(s, 6 * k - 2), mixed(s, first + 3, s.dunkelReihe(2 * k + 1), s.hellReihe(2 * k + 1)))
            << k;
    }
    EXPECT_EQ(s.endFarbenFix, s.endFarben);

    // Each panel gets the colour kept for it: R(8+k) the first field of ring k.
    ASSERT_EQ(target.calls.size(), 4u + 12u);
    EXPECT_EQ(target.calls[3],
              (PaintCall{"KleineFlaecheN", s.endFarben[46], s.endFarben[47], s.endFarben[48], 8}));
    EXPECT_EQ(target.calls[4],
              (PaintCall{"KleineFlaecheN", s.endFarben[1], s.endFarben[2], s.endFarben[3], 9}));
    EXPECT_EQ(target.calls[5],
              (PaintCall{"KleineFlaecheN", s.endFarben[4], s.endFarben[5], s.endFarben[6], 7}));
    EXPECT_EQ(target.calls[15],
              (PaintCall{"KleineFlaecheN", s.endFarben[34], s.endFarben[35], s.endFarben[36], 2}));
}

TEST(FieldColours, UnusedRingsStayUntouched)
{
    MainState s = rowState(HarmonyMode::fanning, 3);
    for (int i = 1; i <= 48; ++i)
        s.endFarben[i] = s.endFarbenFix[i] = -3;
    RecordingTarget target;
    farbenA(s, target);
    for (int j = 13; j <= 36; ++j) {
        EXPECT_EQ(s.endFarben[j], -3) << j;
        EXPECT_EQ(s.endFarbenFix[j], -3) << j;
    }
    for (int k = 1; k <= 2; ++k) {
        const int first = slot::basisReihe + 6 * (k - 1);
        EXPECT_EQ(end(s, 6 * k - 5), mixed(s, first, s.dunkelReihe(2 * k), s.hellReihe(2 * k))) << k;
        EXPECT_EQ(end(s, 6 * k - 2), mixed(s, first + 3, s.dunkelReihe(2 * k + 1), s.hellReihe(2 * k + 1)))
            << k;
    }
    EXPECT_EQ(target.routines(),
              (std::vector<std::string>{"GrosseFlaeche", "KleineFlaecheA", "KleineFlaecheB",
                                        "KleineFlaecheN8", "KleineFlaecheN9", "KleineFlaecheN7",
                                        "KleineFlaecheN10", "KleineFlaecheN6"}));
}

TEST(FieldColours, ColourRowHasNoBigField)
{
    MainState s = rowState(HarmonyMode::colourRows, 2);
    s.endFarben[37] = -3;
    RecordingTarget target;
    farbenA(s, target);
    EXPECT_EQ(s.endFarben[37], -3);
    EXPECT_EQ(target.routines(),
              (std::vector<std::string>{"KleineFlaecheA", "KleineFlaecheB", "KleineFlaecheN8",
                                        "KleineFlaecheN9", "KleineFlaecheN7"}));
}

TEST(FieldColours, WebSafeSnapsTheKeptValuesButNotThePaintArguments)
{
    MainState s;
    s.actionSet.harmonyMode = HarmonyMode::fanning;
    setzeStufen(s, 2);
    s.nurWebsicher = true;
    for (int i = 1; i <= 48; ++i)
        s.farbWerte[i] = 26;
    RecordingTarget target;
    farbenA(s, target);
    for (int j : {1, 2, 3, 4, 5, 6, 37, 40, 43, 46, 48})
        EXPECT_EQ(s.endFarben[j], 51) << j;
    EXPECT_EQ(s.endFarbenFix[37], 51);
    for (const PaintCall& c : target.calls)
        EXPECT_EQ((Rgb{c.r, c.g, c.b}), (Rgb{26, 26, 26})) << c.routine;
}

TEST(FieldColours, FixedCombinationKeepsItsEndValues)
{
    MainState s = rowState(HarmonyMode::fanning, 7);
    RecordingTarget target;
    farbenA(s, target);
    const OneBased<48> fixiert = s.endFarbenFix;

    s.actionSet.fixieren = true;
    for (int i = 1; i <= 48; ++i)
        s.farbWerte[i] = 200 - i;
    farbenA(s, target);
    EXPECT_EQ(s.endFarbenFix, fixiert);
    EXPECT_EQ(end(s, 37), mixed(s, slot::basisGross, 20, 5)); // the shown values follow the new colours

    s.actionSet.fixieren = false;
    farbenA(s, target);
    EXPECT_EQ(s.endFarbenFix, s.endFarben);
}

TEST(FieldColours, HarmoniesPaintOnlyTheFieldsTakingPart)
{
    MainState s;
    s.dunkelGross() = 51;
    s.hellGross() = 51;
    s.farbWerte[1] = 200;
    RecordingTarget target;
    farben(s, target);
    ASSERT_EQ(target.routines(), (std::vector<std::string>{"GrosseFlaeche", "KleineFlaecheA"}));
    // 37 -> 29.6 + 51 x 225.4 / 255 = 74.68; 29 -> 23.2 + 51 x 231.8 / 255 = 69.56.
    EXPECT_EQ(target.calls[0], (PaintCall{"GrosseFlaeche", 179, 75, 70, 0}));
    EXPECT_EQ(target.calls[1], (PaintCall{"KleineFlaecheA", 0, 146, 141, 0}));

    s.feldLinksAn() = s.feldMitteAn() = true;
    target.calls.clear();
    farben(s, target);
    EXPECT_EQ(target.routines(), (std::vector<std::string>{"GrosseFlaeche", "KleineFlaecheA",
                                                           "KleineFlaecheB", "KleineFlaecheC"}));
    EXPECT_EQ(s.endFarben, OneBased<48>{}); // harmonies keep no end values
}

TEST(FieldColours, RingTransferUsesIndexAndIndexPlusOne)
{
    MainState s = rowState(HarmonyMode::fanning, 7);
    RecordingTarget target;
    farbeUebertrag(s, target, 4, 7, 12, 10, 6);
    ASSERT_EQ(target.calls.size(), 2u);
    const Rgb first = mixed(s, slot::basisReihe + 6, s.dunkelReihe(4), s.hellReihe(4));
    const Rgb second = mixed(s, slot::basisReihe + 9, s.dunkelReihe(5), s.hellReihe(5));
    EXPECT_EQ(target.calls[0], (PaintCall{"KleineFlaecheN", first.r, first.g, first.b, 10}));
    EXPECT_EQ(target.calls[1], (PaintCall{"KleineFlaecheN", second.r, second.g, second.b, 6}));

    target.calls.clear();
    farbeUebertrag(s, target, 14, 34, 39, 14, 2); // would run past the ring elements
    EXPECT_TRUE(target.calls.empty());
}

TEST(FieldColours, DisplayColourClampsOnlyAboveAndSnapsWhenAsked)
{
    EXPECT_EQ(displayColour(256, 255, 300, false), (Rgb{255, 255, 255}));
    EXPECT_EQ(displayColour(-5, 0, 26, false), (Rgb{-5, 0, 26}));
    EXPECT_EQ(displayColour(-5, 300, 26, true), (Rgb{0, 255, 51}));
    EXPECT_EQ(displayColour(25, 128, 229, true), (Rgb{0, 153, 204}));
}

TEST(FieldColours, RecomputeOfEveryModePaintsInOrder)
{
    struct Fall {
        HarmonyMode harmonyMode;
        bool left, centre;
        std::vector<std::string> erwartet;
    };
    const std::vector<Fall> faelle = {
        {HarmonyMode::twoColour, false, false, {"GrosseFlaeche", "KleineFlaecheA"}},
        {HarmonyMode::threeColour, true, false, {"GrosseFlaeche", "KleineFlaecheA", "KleineFlaecheB"}},
        {HarmonyMode::fourColour,
         true,
         true,
         {"GrosseFlaeche", "KleineFlaecheA", "KleineFlaecheB", "KleineFlaecheC"}},
        {HarmonyMode::fanning,
         false,
         false,
         {"GrosseFlaeche", "KleineFlaecheA", "KleineFlaecheB", "KleineFlaecheN8", "KleineFlaecheN9",
          "KleineFlaecheN7"}},
        {HarmonyMode::colourRows,
         false,
         false,
         {"KleineFlaecheA", "KleineFlaecheB", "KleineFlaecheN8", "KleineFlaecheN9", "KleineFlaecheN7"}},
    };
    for (const Fall& f : faelle) {
        MainState s;
        s.actionSet.harmonyMode = f.harmonyMode;
        s.feldLinksAn() = f.left;
        s.feldMitteAn() = f.centre;
        s.abstand1() = 40;
        setzeStufen(s, 2);
        RecordingHooks hooks(s);
        datenHolen(s, 250, 0, true, hooks);
        EXPECT_EQ(hooks.target.routines(), f.erwartet) << static_cast<int>(f.harmonyMode);
        EXPECT_EQ(hooks.markerPositions, std::vector<int>{250});
    }
}

// Painting a row from the state shows what mixing it shows, and keeps nothing.
TEST(FieldColours, PaintingARowFromTheStatePaintsWhatMixingPaints)
{
    for (const HarmonyMode m : {HarmonyMode::fanning, HarmonyMode::colourRows}) {
        MainState s = rowState(m, 7);
        for (int i = 1; i <= 48; ++i)
            s.endFarben[i] = -3;
        RecordingTarget painted;
        paintRows(s, painted);
        EXPECT_EQ(s.endFarben[1], -3);
        RecordingTarget mixedColour;
        farbenA(s, mixedColour);
        EXPECT_EQ(painted.calls, mixedColour.calls) << static_cast<int>(m);
    }
}
