#include "core/colour/Conversions.h"
#include "core/colour/Rounding.h"

#include <gtest/gtest.h>

TEST(Rounding, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(roundHalfEven(0.5), 0);
    EXPECT_EQ(roundHalfEven(1.5), 2);
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(-0.5), 0);
    EXPECT_EQ(roundHalfEven(-1.5), -2);
    EXPECT_EQ(roundHalfEven(22.5f), 22);
    EXPECT_EQ(roundHalfEven(2.5000001), 3);
}

TEST(Conversions, ColourValueHasRedInTheLowestByte)
{
    EXPECT_EQ(BerechneHex(218, 37, 29), 1910234);
    EXPECT_EQ(BerechneHex(0, 146, 141), 9277952);
    EXPECT_EQ(BerechneHex(255, 255, 255), 0xFFFFFF);
}

TEST(Conversions, HexTextKeepsLeadingZerosAndUpperCase)
{
    QString t = QStringLiteral("old");
    HexwertAnzeigen(218, 37, t, 29);
    EXPECT_EQ(t, QStringLiteral("#DA251D"));
    EXPECT_EQ(hexText(0, 146, 141), QStringLiteral("#00928D"));
    EXPECT_EQ(hexText(10, 11, 255), QStringLiteral("#0A0BFF"));
    EXPECT_EQ(hexText(256, 257, -1), QStringLiteral("#0001FF"));
}

TEST(Conversions, WebSafeBoundariesAreTheMidpoints)
{
    const int cases[][2] = {{-7, 0},    {0, 0},     {25, 0},    {26, 51},   {76, 51},
                            {77, 102},  {127, 102}, {128, 153}, {178, 153}, {179, 204},
                            {229, 204}, {230, 255}, {255, 255}, {300, 255}};
    for (const auto& c : cases)
        EXPECT_EQ(websicher(c[0]), c[1]) << "v = " << c[0];
}

TEST(Conversions, WebSafeLevelsStepAroundTheNearestValue)
{
    EXPECT_EQ(websichereFarben(0, 0), 0);
    EXPECT_EQ(websichereFarben(255, 0), 153);
    EXPECT_EQ(websichereFarben(128, 1), 102);
    EXPECT_EQ(websichereFarben(128, 4), 255);
    EXPECT_EQ(websichereFarben(26, 3), 102);
    for (int v = 0; v <= 255; ++v) {
        EXPECT_EQ(websichereFarben(v, 2), websicher(v));
        EXPECT_EQ(websichereFarben(v, 9), websicher(v)); // out-of-range level counts as 2
        EXPECT_EQ(websichereFarben(v, -1), websicher(v));
    }
}
