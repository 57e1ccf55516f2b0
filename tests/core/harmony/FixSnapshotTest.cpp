#include "core/harmony/FixSnapshot.h"

#include <gtest/gtest.h>

namespace
{

// A 4-colour combination on the luminous band, every value distinct.
MainState bekannterStand()
{
    MainState s;
    s.actionSet.realistisch = false;
    s.actionSet.harmonyMode = HarmonyMode::fourColour;
    s.actionSet.farbenSeparatEinstellen = true;
    s.actionSet.textInsteadOfFields = true;
    s.posGross() = 500;
    s.posRechts() = 121;
    s.posLinks() = 201;
    s.posMitte() = 77;
    s.hdPunktGrossX() = 11, s.hdPunktGrossY() = 12;
    s.hdPunktRechtsX() = 21, s.hdPunktRechtsY() = 22;
    s.hdPunktLinksX() = 31, s.hdPunktLinksY() = 32;
    s.hdPunktMitteX() = 41, s.hdPunktMitteY() = 42;
    return s;
}

} // namespace

TEST(FixSnapshot, TwentyOneValuesInTheStoredOrder)
{
    const FixSnapshot f =
        fixSnapshotFrom(bekannterStand(), {.angleIndex = 1, .abstand1 = 40, .abstand2 = 34, .stepIndex = 5});
    const std::array<int, 21> erwartet{0,  2,  500, 2,  40,  34,  1,   11, 12, 21, 22,
                                       31, 32, 41,  42, 500, 121, 201, 77, 5,  1};
    EXPECT_EQ(fixSnapshotValues(f), erwartet);
}

TEST(FixSnapshot, TextViewAndAngleTypeAsStored)
{
    MainState s = bekannterStand();
    s.actionSet.harmonyMode = HarmonyMode::colourRows;
    s.actionSet.realistisch = true;
    const FixSnapshot f = fixSnapshotFrom(s, {.angleIndex = 0});
    EXPECT_EQ(f.fixTextStattFlaechen, 0); // rows have no text view
    EXPECT_EQ(f.fixWinkeltyp, 1);
    EXPECT_EQ(f.fixRealistisch, 1);
    EXPECT_EQ(f.fixModus, 4);
}

TEST(FixSnapshot, AnyChangedValueDiffers)
{
    MainState s = bekannterStand();
    const FixInputs e{.angleIndex = 1, .abstand1 = 40, .abstand2 = 34, .stepIndex = 5};
    s.fixStand = fixSnapshotFrom(s, e);
    EXPECT_FALSE(deviates(s, e));
    // Angle type is compared by kind: any index but 0 is type 2.
    EXPECT_FALSE(deviates(s, {.angleIndex = 3, .abstand1 = 40, .abstand2 = 34, .stepIndex = 5}));
    EXPECT_TRUE(deviates(s, {.angleIndex = 0, .abstand1 = 40, .abstand2 = 34, .stepIndex = 5}));
    EXPECT_TRUE(deviates(s, {.angleIndex = 1, .abstand1 = 40, .abstand2 = 34, .stepIndex = 4}));
    s.hdPunktMitteY() = 43;
    EXPECT_TRUE(deviates(s, e));
}
