#include "core/documents/SettingsApply.h"
#include "core/colour/AnglePicture.h"
#include "core/colour/BandTables.h"
#include "core/colour/LightDark.h"
#include "core/harmony/Positions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>

namespace
{

// 3-colour at 500 (small right 121, left 201), big cross-hair at (64, 100).
SettingsBlock dreierBlock()
{
    SettingsBlock b;
    const int valueSet[] = {1, 1,   500, 1,   40,  34, 0, 64, 100, 0, 255, 0, 255,
                            0, 255, 500, 121, 201, 67, 3, 0,  0,   1, 2,   3};
    for (int i = 1; i <= 25; ++i)
        b.valueSet[i] = valueSet[i - 1];
    b.hex = "#010203";
    return b;
}

SettingsBlock allItems(int value, int harmonyMode)
{
    SettingsBlock b;
    for (int i = 1; i <= 25; ++i)
        b.valueSet[i] = value;
    b.valueSet[fileSlot::harmonyMode] = harmonyMode;
    return b;
}

} // namespace

TEST(SettingsApply, AValidBlockGivesItsOwnValues)
{
    const FileSetting e = fileSetting(dreierBlock());
    EXPECT_EQ(e.realistisch, true);
    EXPECT_EQ(e.harmonyMode, HarmonyMode::threeColour);
    EXPECT_EQ(e.bandClick, 500);
    EXPECT_EQ(e.abstand1, 40);
    EXPECT_FALSE(e.abstand2 || e.winkeltyp2 || e.stepIndex);
    EXPECT_EQ(e.separate, false);
    EXPECT_EQ((std::array{e.pos[Field::big], e.pos[Field::right], e.pos[Field::left], e.pos[Field::centre]}),
              (std::array{500, 121, 201, 67}));
    const std::vector<CrossHair> kreuze{{Field::right, 0, 255}, {Field::left, 0, 255}, {Field::big, 64, 100}};
    EXPECT_EQ(e.crossHairs, kreuze);
    ASSERT_TRUE(e.textSet);
    EXPECT_EQ(e.textSet->hex, QStringLiteral("#010203"));
}

TEST(SettingsApply, HostileNumbersGiveValuesTheDisplayCanTake)
{
    for (int value : {INT_MIN, -1, 2, 678, INT_MAX}) {
        for (int harmonyMode : {INT_MIN, -1, 5, INT_MAX}) {
            const FileSetting e = fileSetting(allItems(value, harmonyMode));
            EXPECT_FALSE(e.harmonyMode || e.realistisch || e.separate || e.websicher || e.textInstead);
            EXPECT_FALSE(e.abstand1 || e.abstand2 || e.winkeltyp2 || e.stepIndex);
            EXPECT_TRUE(e.crossHairs.empty());
            EXPECT_TRUE(e.textSet); // only colour rows have none
        }
        const FileSetting vier = fileSetting(allItems(value, static_cast<int>(HarmonyMode::fourColour)));
        EXPECT_EQ(vier.winkeltyp2, true);
        EXPECT_EQ(vier.abstand1, std::clamp(value, 0, maxAngleDistance));
        for (int p : {vier.bandClick, vier.pos[Field::big], vier.pos[Field::right], vier.pos[Field::left],
                      vier.pos[Field::centre]})
            EXPECT_EQ(p, std::clamp(value, 0, lastBandPosition));
        for (const CrossHair& k : vier.crossHairs)
            EXPECT_TRUE(k.x == std::clamp(value, 0, fieldLimit) && k.y == k.x);
        const FileSetting row = fileSetting(allItems(value, static_cast<int>(HarmonyMode::colourRows)));
        EXPECT_EQ(row.stepIndex, std::clamp(value, 0, lastStepIndex));
        EXPECT_FALSE(row.textSet);
    }
}

TEST(SettingsApply, AppliedToAStateWithoutAWindowItGivesTheFilesColours)
{
    MainState s;
    applySetting(s, fileSetting(dreierBlock()));
    EXPECT_EQ(s.harmonyMode(), HarmonyMode::threeColour);
    EXPECT_TRUE(s.feldLinksAn());
    EXPECT_EQ(s.abstand1(), 40);
    EXPECT_EQ((std::array{s.posGross(), s.posRechts(), s.posLinks()}), (std::array{500, 121, 201}));
    EXPECT_TRUE(s.hdZielGross());
    EXPECT_EQ((std::array{s.hdPunktGrossX(), s.hdPunktGrossY(), s.dunkelGross(), s.hellGross()}),
              (std::array{64, 100, 64, 155}));
    const Rgb left = realisticBand().at(201);
    EXPECT_EQ((std::array{s.farbWerte[slot::basisLinks], s.farbWerte[slot::basisLinks + 1],
                          s.farbWerte[slot::basisLinks + 2]}),
              (std::array{left.r, left.g, left.b}));
}

TEST(SettingsApply, HostileBlocksLeaveEveryValueInRange)
{
    for (int value : {INT_MIN, INT_MAX}) {
        for (int harmonyMode = 0; harmonyMode <= 4; ++harmonyMode) {
            SettingsBlock b = allItems(value, harmonyMode);
            b.valueSet[fileSlot::separate] = 1;
            MainState s;
            applySetting(s, fileSetting(b));
            for (int p : {s.posGross(), s.posRechts(), s.posLinks(), s.posMitte()})
                EXPECT_TRUE(p >= 0 && p <= lastBandPosition) << p;
            for (int k : {s.hdPunktGrossX(), s.hdPunktGrossY(), s.hdPunktRechtsX(), s.hdPunktRechtsY()})
                EXPECT_TRUE(k >= 0 && k <= fieldLimit) << k;
            EXPECT_TRUE(s.stufenAnzahl >= 1 && s.stufenAnzahl <= 7);
            EXPECT_EQ(s.separatModus, harmonyMode <= 2);
        }
    }
}
