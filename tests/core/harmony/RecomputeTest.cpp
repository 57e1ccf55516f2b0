#include "core/colour/BandTables.h"
#include "core/harmony/Positions.h"
#include "core/harmony/RecomputeFakes.h"

#include <gtest/gtest.h>

namespace
{

Rgb basis(const MainState& s, int slotR)
{
    return {s.farbWerte[slotR], s.farbWerte[slotR + 1], s.farbWerte[slotR + 2]};
}

// basisReihe triple t (1..12).
Rgb triple(const MainState& s, int t)
{
    return basis(s, slot::basisReihe + 3 * (t - 1));
}

Rgb band(int p, bool luminoes = false)
{
    return bandTable(luminoes).at(p);
}

void setzeStufen(MainState& s, int k)
{
    s.stufenAnzahl = k;
    for (int i = 2; i <= 7; ++i)
        s.stufeAktiv[static_cast<std::size_t>(i)] = i <= k;
}

// Marks every basisReihe slot so that untouched triples show.
void markiereReihe(MainState& s)
{
    for (int i = slot::basisReihe; i < slot::basisReihe + 36; ++i)
        s.farbWerte[i] = -7;
}

class Recompute : public ::testing::Test
{
protected:
    MainState s;
    RecordingHooks hooks{s};
};

} // namespace

TEST_F(Recompute, TwoColourAlwaysUsesTheComplement)
{
    s.abstand1() = 40; // no effect in 2-colour mode
    datenHolen(s, 339, 0, true, hooks);
    EXPECT_EQ(basis(s, slot::basisGross), band(339));
    EXPECT_EQ(basis(s, slot::basisRechts), band(0));
    EXPECT_EQ(s.posGross(), 339);
    EXPECT_EQ(s.posRechts(), 0);
    EXPECT_EQ(s.posLinks(), 413); // the left field is not part of the mode
    EXPECT_EQ(hooks.log, (std::vector<std::string>{"farben", "marker"}));
    EXPECT_EQ(hooks.markerPositions, std::vector<int>{339});
}

TEST_F(Recompute, ThreeColourPlacesBothSmallFieldsAndTheirColours)
{
    s.actionSet.harmonyMode = HarmonyMode::threeColour;
    s.feldLinksAn() = true;
    s.abstand1() = 40;
    datenHolen(s, 500, 0, true, hooks);
    EXPECT_EQ(s.posRechts(), 121);
    EXPECT_EQ(s.posLinks(), 201);
    EXPECT_EQ(basis(s, slot::basisGross), band(500));
    EXPECT_EQ(basis(s, slot::basisRechts), band(121));
    EXPECT_EQ(basis(s, slot::basisLinks), band(201));
    EXPECT_EQ(hooks.target.routines(),
              (std::vector<std::string>{"GrosseFlaeche", "KleineFlaecheA", "KleineFlaecheB"}));
}

TEST_F(Recompute, LuminousBandSuppliesTheColours)
{
    s.bandLuminoes = true;
    datenHolen(s, 100, 0, false, hooks);
    EXPECT_EQ(basis(s, slot::basisGross), band(100, true));
    EXPECT_EQ(basis(s, slot::basisRechts), band(439, true));
}

TEST_F(Recompute, WithoutRecolourValuesAndMarkersChangeButNothingIsPainted)
{
    s.actionSet.harmonyMode = HarmonyMode::threeColour;
    s.feldLinksAn() = true;
    s.abstand1() = 117;
    datenHolen(s, 600, 0, false, hooks);
    EXPECT_EQ(s.posRechts(), 144);
    EXPECT_EQ(s.posLinks(), 378);
    EXPECT_EQ(basis(s, slot::basisLinks), band(378));
    EXPECT_TRUE(hooks.target.calls.empty());
    EXPECT_EQ(hooks.log, std::vector<std::string>{"marker"});
    EXPECT_EQ(hooks.markerPositions, std::vector<int>{600});

    s.actionSet.harmonyMode = HarmonyMode::fanning;
    datenHolen(s, 10, 0, false, hooks);
    EXPECT_TRUE(hooks.target.calls.empty());
    EXPECT_EQ(hooks.markerPositions, (std::vector<int>{600, 10}));
}

TEST_F(Recompute, SeparateAdjustmentMovesOnlyTheFlaggedField)
{
    s.actionSet.harmonyMode = HarmonyMode::threeColour;
    s.separatModus = true;
    s.feldGrossAn() = false;
    s.feldRechtsAn() = true;
    s.feldLinksAn() = false;
    s.abstand1() = 40;
    const MainState vorher = s;

    datenHolen(s, 250, 0, true, hooks);
    EXPECT_EQ(basis(s, slot::basisRechts), band(250));
    EXPECT_EQ(s.posRechts(), 250);
    EXPECT_EQ(s.farbWerte[slot::posGezeichnetRechts], 250);
    for (int i : {1, 2, 3, 7, 8, 9, 10, 11, 12, slot::posGross, slot::posLinks, slot::posMitte,
                  slot::posGezeichnetGross, slot::posGezeichnetLinks, slot::posGezeichnetMitte})
        EXPECT_EQ(s.farbWerte[i], vorher.farbWerte[i]) << "slot " << i;
    EXPECT_EQ(hooks.log, (std::vector<std::string>{"winkelZeichnen", "farben", "marker"}));
    EXPECT_EQ(hooks.target.routines(), std::vector<std::string>{"KleineFlaecheA"});
}

TEST_F(Recompute, SeparateAdjustmentOfTheBigFieldKeepsTheSmallOnes)
{
    s.actionSet.harmonyMode = HarmonyMode::fourColour;
    s.separatModus = true;
    s.feldRechtsAn() = false;
    const MainState vorher = s;
    datenHolen(s, 42, 0, false, hooks);
    EXPECT_EQ(s.farbWerte[slot::posGezeichnetGross], 42);
    EXPECT_EQ(s.posGross(), 42);
    EXPECT_EQ(basis(s, slot::basisGross), band(42));
    for (int i = 4; i <= 12; ++i)
        EXPECT_EQ(s.farbWerte[i], vorher.farbWerte[i]) << "slot " << i;
    EXPECT_EQ(s.posRechts(), 339);
    EXPECT_EQ(s.farbWerte[slot::posGezeichnetRechts], 339);
}

TEST_F(Recompute, SeparateAdjustmentOfTheFourColourCentre)
{
    s.actionSet.harmonyMode = HarmonyMode::fourColour;
    s.separatModus = true;
    s.feldGrossAn() = s.feldRechtsAn() = s.feldLinksAn() = false;
    s.feldMitteAn() = true;
    datenHolen(s, 77, 0, true, hooks);
    EXPECT_EQ(basis(s, slot::basisMitte), band(77));
    EXPECT_EQ(s.posMitte(), 77);
    EXPECT_EQ(s.farbWerte[slot::posGezeichnetMitte], 77);
    EXPECT_EQ(s.posGross(), 0);
    EXPECT_EQ(hooks.target.routines(), std::vector<std::string>{"KleineFlaecheC"});
}

TEST_F(Recompute, FourColourAngleTypesOneAndTwo)
{
    s.actionSet.harmonyMode = HarmonyMode::fourColour;
    s.feldLinksAn() = s.feldMitteAn() = true;
    s.abstand1() = 40;
    s.abstand2() = 34;
    datenHolen(s, 600, 0, true, hooks);
    EXPECT_EQ((std::array{s.posMitte(), s.posRechts(), s.posLinks()}), (std::array{668, 255, 335}));
    EXPECT_EQ(basis(s, slot::basisMitte), band(668));
    EXPECT_EQ(basis(s, slot::basisRechts), band(255));
    EXPECT_EQ(basis(s, slot::basisLinks), band(335));
    EXPECT_EQ(hooks.target.routines(), (std::vector<std::string>{"GrosseFlaeche", "KleineFlaecheA",
                                                                 "KleineFlaecheB", "KleineFlaecheC"}));

    s.winkeltyp2 = true;
    datenHolen(s, 0, 0, false, hooks);
    EXPECT_EQ((std::array{s.posMitte(), s.posRechts(), s.posLinks()}), (std::array{339, 299, 379}));
    EXPECT_EQ(basis(s, slot::basisMitte), band(339));
}

TEST_F(Recompute, FanningFillsRingsAroundTheComplement)
{
    s.actionSet.harmonyMode = HarmonyMode::fanning;
    s.abstand1() = 40;
    setzeStufen(s, 3);
    markiereReihe(s);
    datenHolen(s, 100, 0, true, hooks);

    EXPECT_EQ(basis(s, slot::basisGross), band(100));
    EXPECT_EQ(basis(s, slot::basisMitte), band(439));  // R8
    EXPECT_EQ(basis(s, slot::basisRechts), band(399)); // R15
    EXPECT_EQ(basis(s, slot::basisLinks), band(479));  // R1
    EXPECT_EQ(triple(s, 1), band(426));                // R9
    EXPECT_EQ(triple(s, 2), band(452));                // R7
    EXPECT_EQ(triple(s, 3), band(413));                // R10
    EXPECT_EQ(triple(s, 4), band(465));                // R6
    for (int t = 5; t <= 12; ++t)
        EXPECT_EQ(triple(s, t), (Rgb{-7, -7, -7})) << "triple " << t;

    // Rows store only the base position.
    EXPECT_EQ(s.posGross(), 100);
    EXPECT_EQ((std::array{s.posRechts(), s.posLinks(), s.posMitte()}), (std::array{339, 413, 67}));
    EXPECT_EQ(hooks.log, (std::vector<std::string>{"farbenA", "marker"}));
}

TEST_F(Recompute, FanningWithTinyDistanceShowsTheCentreColourEverywhere)
{
    s.actionSet.harmonyMode = HarmonyMode::fanning;
    s.abstand1() = 1;
    setzeStufen(s, 3);
    datenHolen(s, 100, 0, false, hooks);
    for (int slotR : {slot::basisMitte, slot::basisRechts, slot::basisLinks})
        EXPECT_EQ(basis(s, slotR), band(439));
    for (int t = 1; t <= 4; ++t)
        EXPECT_EQ(triple(s, t), band(439)) << "triple " << t;
}

TEST_F(Recompute, ColourRowIsCentredOnTheBaseAndMirrored)
{
    s.actionSet.harmonyMode = HarmonyMode::colourRows;
    s.abstand1() = 40;
    setzeStufen(s, 3);
    const Rgb grossVorher = basis(s, slot::basisGross);
    datenHolen(s, 339, 0, true, hooks);

    EXPECT_EQ(basis(s, slot::basisGross), grossVorher);
    EXPECT_EQ(basis(s, slot::basisMitte), band(339));
    EXPECT_EQ(basis(s, slot::basisRechts), band(379));
    EXPECT_EQ(basis(s, slot::basisLinks), band(299));
    EXPECT_EQ(triple(s, 1), band(352));
    EXPECT_EQ(triple(s, 2), band(326));
    EXPECT_EQ(triple(s, 3), band(365));
    EXPECT_EQ(triple(s, 4), band(313));
    EXPECT_EQ(s.posGross(), 339);
    EXPECT_EQ(hooks.target.routines().front(), "KleineFlaecheA"); // no big field in a row
}

TEST_F(Recompute, ManualInputOnAnOuterRowFieldKeepsTheBandMarkers)
{
    s.actionSet.harmonyMode = HarmonyMode::colourRows;
    hooks.inputToOuterField = true;
    datenHolen(s, 200, 0, true, hooks);
    EXPECT_TRUE(hooks.markerPositions.empty());
    EXPECT_EQ(s.posGross(), 200);
}

TEST_F(Recompute, PositionsOutsideTheBandAreWrappedInsteadOfReadPastTheTable)
{
    // -1 is 677 once round the band; its complement is 338.
    datenHolen(s, -1, 0, false, hooks);
    EXPECT_EQ(s.posGross(), 677);
    EXPECT_EQ(s.posRechts(), 338);
    EXPECT_EQ(basis(s, slot::basisGross), (Rgb{218, 37, 29})); // listed row 677
    EXPECT_EQ(basis(s, slot::basisRechts), band(338));

    // 1000 is 322, complement 661; a broken step count is taken as one ring
    // step of the whole distance, and 661 -+ 500 wraps to 161 and 483.
    s.actionSet.harmonyMode = HarmonyMode::fanning;
    s.stufenAnzahl = 0;
    s.abstand1() = 500;
    datenHolen(s, 1000, 0, false, hooks);
    EXPECT_EQ(s.posGross(), 322);
    EXPECT_EQ(basis(s, slot::basisMitte), band(661));
    EXPECT_EQ(basis(s, slot::basisRechts), band(161));
    EXPECT_EQ(basis(s, slot::basisLinks), band(483));
    EXPECT_EQ(hooks.markerPositions, (std::vector<int>{677, 322}));

    // There are six rings: other ring numbers write nothing.
    const MainState vorher = s;
    for (int k : {0, 7, 9, -1})
        zuweisungAnRRR(s, k, 0, 0);
    EXPECT_EQ(s.farbWerte, vorher.farbWerte);
}
