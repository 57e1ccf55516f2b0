#include "core/colour/LightDark.h"
#include "core/state/MainState.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{

std::vector<int> row(const MainState& s, bool dunkel, int bis)
{
    std::vector<int> v;
    for (int i = 1; i <= bis; ++i)
        v.push_back(dunkel ? s.dunkelReihe(i) : s.hellReihe(i));
    return v;
}

MainState reihenZustand(HarmonyMode harmonyMode, int stepCount)
{
    MainState s;
    s.actionSet.harmonyMode = harmonyMode;
    s.stufenAnzahl = stepCount;
    for (int i = 1; i <= 15; ++i)
        s.dunkelReihe(i) = s.hellReihe(i) = 99; // anything not written stays visible
    return s;
}

void waehleRechts(MainState& s)
{
    s.lightDarkTarget = Field::right;
}

} // namespace

TEST(LightDarkPoint, NormalFieldMapsOnePixelToOneStep)
{
    EXPECT_EQ(pointToAmounts(100, 0, false), (LightDarkPoint{100, 255, 100, 0}));
    EXPECT_EQ(pointToAmounts(1, 255, false), (LightDarkPoint{1, 0, 1, 255}));
    EXPECT_EQ(pointToAmounts(255, 254, false), (LightDarkPoint{255, 1, 255, 254}));
    // Corners and beyond hold the limits; the cross-hair stops at the edge.
    EXPECT_EQ(pointToAmounts(0, 0, false), (LightDarkPoint{0, 255, 0, 0}));
    EXPECT_EQ(pointToAmounts(256, 256, false), (LightDarkPoint{255, 0, 256, 255}));
    EXPECT_EQ(pointToAmounts(-40, 900, false), (LightDarkPoint{0, 0, 0, 255}));
    EXPECT_EQ(pointToAmounts(900, -40, false), (LightDarkPoint{255, 255, 256, 0}));
}

TEST(LightDarkPoint, CompactFieldDoublesTheAmounts)
{
    EXPECT_EQ(pointToAmounts(100, 27, true), (LightDarkPoint{200, 200, 100, 27}));
    EXPECT_EQ(pointToAmounts(127, 1, true), (LightDarkPoint{254, 252, 127, 1}));
    EXPECT_EQ(pointToAmounts(128, 127, true), (LightDarkPoint{255, 0, 128, 127}));
    EXPECT_EQ(pointToAmounts(256, 256, true), (LightDarkPoint{255, 0, 128, 127}));
}

TEST(LightDarkPoint, StoresAmountsAndUnclampedPointInTheSelectedFieldOnly)
{
    MainState s;
    s.lightDarkTarget = Field::left;
    const LightDarkPoint p = computeLightDarkMove(s, 300, -4);
    EXPECT_EQ(p, (LightDarkPoint{255, 255, 256, 0}));
    EXPECT_EQ(s.dunkelLinks(), 255);
    EXPECT_EQ(s.hellLinks(), 255);
    EXPECT_EQ(s.hdPunktLinksX(), 300);
    EXPECT_EQ(s.hdPunktLinksY(), -4);
    EXPECT_EQ(s.dunkelGross(), 0);
    EXPECT_EQ(s.hdPunktGrossY(), 255);
    EXPECT_EQ(s.dunkelRechts(), 0);
    EXPECT_EQ(s.dunkelMitte(), 0);
}

TEST(LightDarkRow, SettingSmallRightSpreadsBothAmountsOverTheRow)
{
    MainState s = reihenZustand(HarmonyMode::colourRows, 4);
    waehleRechts(s);
    computeLightDarkMove(s, 80, 255); // dark 80, light 0; small left stays 0/0
    EXPECT_EQ(row(s, true, 8), (std::vector<int>{40, 50, 30, 60, 20, 70, 10, 99}));
    EXPECT_EQ(row(s, false, 8), (std::vector<int>{0, 0, 0, 0, 0, 0, 0, 99}));
}

TEST(LightDarkRow, SettingSmallLeftUsesItAsTheAmountJustSet)
{
    MainState s = reihenZustand(HarmonyMode::fanning, 4);
    s.dunkelRechts() = 80;
    s.lightDarkTarget = Field::left;
    computeLightDarkMove(s, 20, 255);
    // Centre 50, step 7.5: the running values hit halves, which go to even.
    EXPECT_EQ(row(s, true, 7), (std::vector<int>{50, 58, 42, 65, 35, 72, 28}));
}

TEST(LightDarkRow, OnlySmallRightOrLeftInRowModesTouchTheRow)
{
    MainState harmonie = reihenZustand(HarmonyMode::fourColour, 4);
    waehleRechts(harmonie);
    computeLightDarkMove(harmonie, 80, 0);
    EXPECT_EQ(row(harmonie, true, 1), std::vector<int>{99});

    MainState big = reihenZustand(HarmonyMode::fanning, 4);
    computeLightDarkMove(big, 80, 0);
    EXPECT_EQ(row(big, true, 1), std::vector<int>{99});
    EXPECT_EQ(big.dunkelGross(), 80);
}

TEST(LightDarkRow, RunsInSinglePrecision)
{
    // Six steps from 0 to 2: exactly 1.5 at element 6, which would round to 2,
    // but three float additions of 1/6 land just below it (double lands above).
    EXPECT_EQ(rowAmounts(2, 0, 2, 0, 6), (std::vector<int>{1, 1, 1, 1, 1, 1, 0, 2, 0, 2, 0}));
    // A centre of one half rounds to the even neighbour.
    EXPECT_EQ(rowAmounts(1, 0, 1, 0, 1), std::vector<int>{0});
    EXPECT_EQ(rowAmounts(3, 0, 3, 0, 1), std::vector<int>{2});
}

TEST(LightDarkRow, StepCountIsHeldToTheFifteenRowFields)
{
    EXPECT_EQ(rowAmounts(80, 0, 80, 0, 9).size(), 13u);
    EXPECT_EQ(rowAmounts(80, 0, 80, 0, 0).size(), 1u);

    MainState s = reihenZustand(HarmonyMode::colourRows, 7);
    waehleRechts(s);
    computeLightDarkMove(s, 140, 255);
    EXPECT_EQ(s.dunkelReihe(12), 130);
    EXPECT_EQ(s.dunkelReihe(13), 10);
    EXPECT_EQ(s.dunkelReihe(14), 99);
    EXPECT_EQ(s.dunkelReihe(15), 99);
}

TEST(LightDarkPercent, RoundsTheSelectedFieldsAmount)
{
    MainState s;
    s.hellGross() = 255;
    s.dunkelGross() = 128;
    EXPECT_EQ(berechneProzente(s, 0), QStringLiteral("100 %"));
    EXPECT_EQ(berechneProzente(s, 1), QStringLiteral("50 %"));
    s.lightDarkTarget = Field::centre;
    s.dunkelMitte() = 1;
    EXPECT_EQ(berechneProzente(s, 1), QStringLiteral("0 %"));
    s.dunkelMitte() = 254;
    EXPECT_EQ(berechneProzente(s, 1), QStringLiteral("100 %"));
    // The light amount of the same field.
    EXPECT_EQ(berechneProzente(s, 0), QStringLiteral("0 %"));
}
