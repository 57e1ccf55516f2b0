#include "core/colour/BandTables.h"
#include "core/harmony/Positions.h"

#include <gtest/gtest.h>

#include <limits>

namespace
{

std::array<bool, 8> ringsFor(int stufenAnzahl)
{
    std::array<bool, 8> active{};
    for (int k = 2; k <= 7; ++k)
        active[static_cast<std::size_t>(k)] = k <= stufenAnzahl;
    return active;
}

} // namespace

TEST(FieldGeometry, ZeroDistancePutsBothSmallFieldsOnTheComplement)
{
    EXPECT_EQ(smallFieldPositions(0, 0), (SmallFieldPositions{339, 339}));
    EXPECT_EQ(smallFieldPositions(339, 0), (SmallFieldPositions{0, 0}));
    EXPECT_EQ(smallFieldPositions(677, 0), (SmallFieldPositions{338, 338}));
    EXPECT_EQ(smallFieldPositions(339, -5), (SmallFieldPositions{0, 0}));
}

TEST(FieldGeometry, ThreeColourPairWrapsOnEitherSide)
{
    EXPECT_EQ(smallFieldPositions(500, 40), (SmallFieldPositions{121, 201}));
    EXPECT_EQ(smallFieldPositions(100, 117), (SmallFieldPositions{322, 556}));
    EXPECT_EQ(smallFieldPositions(600, 117), (SmallFieldPositions{144, 378}));
    EXPECT_EQ(smallFieldPositions(300, 100), (SmallFieldPositions{539, 61}));
    EXPECT_EQ(smallFieldPositions(340, 5), (SmallFieldPositions{674, 6}));
    EXPECT_EQ(smallFieldPositions(339, 40), (SmallFieldPositions{638, 40}));
}

TEST(FieldGeometry, FourColourRectangleAndAngleTypeTwo)
{
    EXPECT_EQ(fourColourPositions(0, 40, 34, false), (FourColourPositions{333, 413, 68}));
    EXPECT_EQ(fourColourPositions(600, 40, 34, false), (FourColourPositions{255, 335, 668}));
    // Largest sums still need only one reduction.
    EXPECT_EQ(fourColourPositions(677, 117, 117, false), (FourColourPositions{338, 572, 233}));
    EXPECT_EQ(fourColourPositions(100, 40, 34, true), (FourColourPositions{399, 479, 439}));
    EXPECT_EQ(fourColourPositions(339, 0, 34, true), (FourColourPositions{0, 0, 0}));
}

TEST(FieldGeometry, WrapStepsAtTheBandEnds)
{
    EXPECT_EQ(dH1(677, 1), 0);
    EXPECT_EQ(dH1(600, 77), 677);
    EXPECT_EQ(dH1(600, 78), 0);
    EXPECT_EQ(dH3(5, 5), 0);
    EXPECT_EQ(dH3(5, 6), 677);
    EXPECT_EQ(dH0(339, 339), 0);
    EXPECT_EQ(dH2(338, 339), 677);
}

TEST(FieldGeometry, RingStepRoundsHalfToEven)
{
    EXPECT_EQ(ringStep(45, 2), 22);
    EXPECT_EQ(ringStep(3, 2), 2);
    EXPECT_EQ(ringStep(40, 3), 13);
    EXPECT_EQ(ringStep(117, 4), 29);
    EXPECT_EQ(ringStep(1, 3), 0);
    EXPECT_EQ(ringStep(10, 0), 10); // a broken step count is taken as 1
}

TEST(FieldGeometry, FanningAroundComplementWithThreeSteps)
{
    const RowPositions row = rowPositions(complement(100), 40, 3, ringsFor(3));
    EXPECT_EQ(row.centre, 439);
    EXPECT_EQ(row.step, 13);
    EXPECT_EQ(row.outerMinus, 399);
    EXPECT_EQ(row.outerPlus, 479);
    EXPECT_EQ(row.ringMinus[1], 426);
    EXPECT_EQ(row.ringPlus[1], 452);
    EXPECT_EQ(row.ringMinus[2], 413);
    EXPECT_EQ(row.ringPlus[2], 465);
    for (std::size_t k = 3; k <= 6; ++k) {
        EXPECT_EQ(row.ringMinus[k], 439) << k;
        EXPECT_EQ(row.ringPlus[k], 439) << k;
    }
}

TEST(FieldGeometry, FanningWrapsBelowZero)
{
    const RowPositions row = rowPositions(complement(400), 117, 4, ringsFor(4));
    EXPECT_EQ(row.centre, 61);
    EXPECT_EQ(row.step, 29);
    EXPECT_EQ(row.outerMinus, 622);
    EXPECT_EQ(row.outerPlus, 178);
    EXPECT_EQ((std::array{row.ringMinus[1], row.ringPlus[1]}), (std::array{32, 90}));
    EXPECT_EQ((std::array{row.ringMinus[2], row.ringPlus[2]}), (std::array{3, 119}));
    EXPECT_EQ((std::array{row.ringMinus[3], row.ringPlus[3]}), (std::array{652, 148}));
}

TEST(FieldGeometry, RowAtZeroAndAboveHalfWraps)
{
    const RowPositions atZero = rowPositions(0, 40, 3, ringsFor(3));
    EXPECT_EQ(atZero.outerMinus, 638);
    EXPECT_EQ(atZero.outerPlus, 40);
    EXPECT_EQ(atZero.ringMinus[2], 652);
    EXPECT_EQ(atZero.ringPlus[2], 26);

    const RowPositions high = rowPositions(660, 234, 2, ringsFor(2));
    EXPECT_EQ(high.outerMinus, 426);
    EXPECT_EQ(high.outerPlus, 216);
    EXPECT_EQ(high.ringMinus[1], 543);
    EXPECT_EQ(high.ringPlus[1], 99);
}

TEST(FieldGeometry, StepRoundingToZeroKeepsEveryFieldOnTheCentre)
{
    const RowPositions flat = rowPositions(439, 1, 3, ringsFor(3));
    EXPECT_EQ(flat.step, 0);
    EXPECT_EQ(flat.outerMinus, 439);
    EXPECT_EQ(flat.outerPlus, 439);
    EXPECT_EQ(flat.ringMinus[1], 439);
    EXPECT_EQ(flat.ringPlus[2], 439);

    const RowPositions single = rowPositions(439, 1, 1, ringsFor(1));
    EXPECT_EQ(single.outerMinus, 438);
    EXPECT_EQ(single.outerPlus, 440);
}

// Found by fuzz/SettingsFileFuzz.cpp: distances near INT_MAX overflowed (UB).
// Positions count modulo a turn, so a distance and its remainder modulo 678
// give the same fields, however large the distance.
TEST(FieldGeometry, DistancesCountModuloATurnWithoutOverflow)
{
    constexpr int big = std::numeric_limits<int>::max();
    constexpr int rest = big % bandLength;
    for (int p : {0, 100, 339, 600, 677}) {
        EXPECT_EQ(smallFieldPositions(p, 40 + 3 * bandLength), smallFieldPositions(p, 40)) << p;
        EXPECT_EQ(smallFieldPositions(p, big), smallFieldPositions(p, rest)) << p;
        EXPECT_EQ(fourColourPositions(p, 40 + bandLength, 34 - 2 * bandLength, false),
                  fourColourPositions(p, 40, 34, false))
            << p;
        EXPECT_EQ(fourColourPositions(p, big, -big - 1, false),
                  fourColourPositions(p, rest, bandPosition(-big - 1), false))
            << p;
        const RowPositions weit = rowPositions(p, big, 1, ringsFor(7));
        for (int k = 1; k <= 6; ++k) {
            const auto i = static_cast<std::size_t>(k);
            EXPECT_EQ(weit.ringPlus[i], bandPosition(p + k * (weit.step % bandLength))) << p << " " << k;
        }
    }
}
