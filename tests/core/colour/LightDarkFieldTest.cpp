#include "core/colour/LightDark.h"
#include "core/state/MainState.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{

std::vector<int> reihe(const MainState& s, bool dunkel, int bis)
{
    std::vector<int> v;
    for (int i = 1; i <= bis; ++i)
        v.push_back(dunkel ? s.dunkelReihe(i) : s.hellReihe(i));
    return v;
}

MainState reihenZustand(Modus modus, int stufen)
{
    MainState s;
    s.aktionen.modus = modus;
    s.stufenAnzahl = stufen;
    for (int i = 1; i <= 15; ++i)
        s.dunkelReihe(i) = s.hellReihe(i) = 99; // anything not written stays visible
    return s;
}

void waehleRechts(MainState& s)
{
    s.hdZiel = Feld::rechts;
}

} // namespace

TEST(LightDarkPoint, NormalFieldMapsOnePixelToOneStep)
{
    EXPECT_EQ(punktZuMengen(100, 0, false), (HdPunkt{100, 255, 100, 0}));
    EXPECT_EQ(punktZuMengen(1, 255, false), (HdPunkt{1, 0, 1, 255}));
    EXPECT_EQ(punktZuMengen(255, 254, false), (HdPunkt{255, 1, 255, 254}));
    // Corners and beyond hold the limits; the cross-hair stops at the edge.
    EXPECT_EQ(punktZuMengen(0, 0, false), (HdPunkt{0, 255, 0, 0}));
    EXPECT_EQ(punktZuMengen(256, 256, false), (HdPunkt{255, 0, 256, 255}));
    EXPECT_EQ(punktZuMengen(-40, 900, false), (HdPunkt{0, 0, 0, 255}));
    EXPECT_EQ(punktZuMengen(900, -40, false), (HdPunkt{255, 255, 256, 0}));
}

TEST(LightDarkPoint, CompactFieldDoublesTheAmounts)
{
    EXPECT_EQ(punktZuMengen(100, 27, true), (HdPunkt{200, 200, 100, 27}));
    EXPECT_EQ(punktZuMengen(127, 1, true), (HdPunkt{254, 252, 127, 1}));
    EXPECT_EQ(punktZuMengen(128, 127, true), (HdPunkt{255, 0, 128, 127}));
    EXPECT_EQ(punktZuMengen(256, 256, true), (HdPunkt{255, 0, 128, 127}));
}

TEST(LightDarkPoint, StoresAmountsAndUnclampedPointInTheSelectedFieldOnly)
{
    MainState s;
    s.hdZiel = Feld::links;
    const HdPunkt p = bewegeHellDunkelRechnen(s, 300, -4);
    EXPECT_EQ(p, (HdPunkt{255, 255, 256, 0}));
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
    MainState s = reihenZustand(Modus::reihen, 4);
    waehleRechts(s);
    bewegeHellDunkelRechnen(s, 80, 255); // dark 80, light 0; small left stays 0/0
    EXPECT_EQ(reihe(s, true, 8), (std::vector<int>{40, 50, 30, 60, 20, 70, 10, 99}));
    EXPECT_EQ(reihe(s, false, 8), (std::vector<int>{0, 0, 0, 0, 0, 0, 0, 99}));
}

TEST(LightDarkRow, SettingSmallLeftUsesItAsTheAmountJustSet)
{
    MainState s = reihenZustand(Modus::auffaecher, 4);
    s.dunkelRechts() = 80;
    s.hdZiel = Feld::links;
    bewegeHellDunkelRechnen(s, 20, 255);
    // Centre 50, step 7.5: the running values hit halves, which go to even.
    EXPECT_EQ(reihe(s, true, 7), (std::vector<int>{50, 58, 42, 65, 35, 72, 28}));
}

TEST(LightDarkRow, OnlySmallRightOrLeftInRowModesTouchTheRow)
{
    MainState harmonie = reihenZustand(Modus::vierer, 4);
    waehleRechts(harmonie);
    bewegeHellDunkelRechnen(harmonie, 80, 0);
    EXPECT_EQ(reihe(harmonie, true, 1), std::vector<int>{99});

    MainState gross = reihenZustand(Modus::auffaecher, 4);
    bewegeHellDunkelRechnen(gross, 80, 0);
    EXPECT_EQ(reihe(gross, true, 1), std::vector<int>{99});
    EXPECT_EQ(gross.dunkelGross(), 80);
}

TEST(LightDarkRow, RunsInSinglePrecision)
{
    // Six steps from 0 to 2: exactly 1.5 at element 6, which would round to 2,
    // but three float additions of 1/6 land just below it (double lands above).
    EXPECT_EQ(reihenMengen(2, 0, 2, 0, 6), (std::vector<int>{1, 1, 1, 1, 1, 1, 0, 2, 0, 2, 0}));
    // A centre of one half rounds to the even neighbour.
    EXPECT_EQ(reihenMengen(1, 0, 1, 0, 1), std::vector<int>{0});
    EXPECT_EQ(reihenMengen(3, 0, 3, 0, 1), std::vector<int>{2});
}

TEST(LightDarkRow, StepCountIsHeldToTheFifteenRowFields)
{
    EXPECT_EQ(reihenMengen(80, 0, 80, 0, 9).size(), 13u);
    EXPECT_EQ(reihenMengen(80, 0, 80, 0, 0).size(), 1u);

    MainState s = reihenZustand(Modus::reihen, 7);
    waehleRechts(s);
    bewegeHellDunkelRechnen(s, 140, 255);
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
    s.hdZiel = Feld::mitte;
    s.dunkelMitte() = 1;
    EXPECT_EQ(berechneProzente(s, 1), QStringLiteral("0 %"));
    s.dunkelMitte() = 254;
    EXPECT_EQ(berechneProzente(s, 1), QStringLiteral("100 %"));
    // The light amount of the same field.
    EXPECT_EQ(berechneProzente(s, 0), QStringLiteral("0 %"));
}
