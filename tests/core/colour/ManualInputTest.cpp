#include "core/colour/ManualInput.h"
#include "core/colour/LightDark.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <optional>

namespace
{

struct Ergebnis {
    int position; // 0-based
    int hell, dunkel;
    Rgb mixedColour;
};

Ergebnis eingeben(Rgb c)
{
    const std::optional<InputMatch> t = convertInput(c);
    if (!t) {
        ADD_FAILURE() << "no band position for " << c.r << "," << c.g << "," << c.b;
        return {};
    }
    const LightDarkPoint m = pointToAmounts(t->point.x, t->point.y, false);
    const Rgb basis = luminousBand().at(t->position - 1);
    return {t->position - 1,
            m.hell,
            m.dunkel,
            {rechneHellDunkel(basis.r, m.dunkel, m.hell), rechneHellDunkel(basis.g, m.dunkel, m.hell),
             rechneHellDunkel(basis.b, m.dunkel, m.hell)}};
}

// The search as its widening scans are described: tolerance 1..20, each scan
// from the start, an exact hit ends the scan, a hit at the tolerance ends all.
std::optional<int> toleranzScans(Rgb c)
{
    const ChannelOrder s = positionDerFarben(c);
    const ChannelRoles z = channelRoles(c, s);
    const int ref = reinFarben(z.max, z.mid, z.min);
    std::optional<int> exakt, nah;
    for (int t = 1; t <= 20 && !nah; ++t) {
        for (int i = 1; i <= 677; ++i) {
            const Rgb e = luminousBand().at(i - 1);
            if (!inOrder(e, s))
                continue;
            const ChannelRoles r = channelRoles(e, s);
            const int d = std::abs(reinFarben(r.max, r.mid, r.min) - ref);
            if (d == 0) {
                exakt = i;
                break;
            }
            if (d == t) {
                nah = i;
                break;
            }
        }
    }
    return exakt ? exakt : nah;
}

} // namespace

TEST(ManualInput, KnownColoursFindTheirBandPositionAndAmounts)
{
    const Ergebnis rot = eingeben({200, 100, 100});
    EXPECT_EQ(rot.position, 0);
    EXPECT_EQ(rot.hell, 100);
    EXPECT_EQ(rot.dunkel, 90);
    EXPECT_EQ(rot.mixedColour, (Rgb{200, 100, 100}));

    const Ergebnis dunkelrot = eingeben({128, 0, 0});
    EXPECT_EQ(dunkelrot.position, 0);
    EXPECT_EQ(dunkelrot.hell, 0);
    EXPECT_EQ(dunkelrot.dunkel, 127);

    const Ergebnis onBlack = eingeben({0, 0, 0});
    EXPECT_EQ(onBlack.position, 0);
    EXPECT_EQ(onBlack.dunkel, 255);
    EXPECT_EQ(onBlack.hell, 0);

    const Ergebnis weiss = eingeben({255, 255, 255});
    EXPECT_EQ(weiss.position, 168);
    EXPECT_EQ(weiss.dunkel, 0);
    EXPECT_EQ(weiss.hell, 254);

    for (int v = 1; v < 255; ++v) {
        const Ergebnis grau = eingeben({v, v, v});
        EXPECT_EQ(grau.position, 168) << v;
        EXPECT_EQ(grau.dunkel, 255) << v;
        EXPECT_EQ(grau.hell, v) << v;
    }
}

TEST(ManualInput, OneScanAgreesWithTheWideningToleranceScans)
{
    for (int r = 0; r < 256; r += 15)
        for (int g = 0; g < 256; g += 15)
            for (int b = 0; b < 256; b += 15) {
                const Rgb c{r, g, b};
                EXPECT_EQ(findOnBand(luminousBand(), c), toleranzScans(c)) << r << "," << g << "," << b;
            }
}

TEST(ManualInput, ChannelOrderTakesTheFirstExtremeChannel)
{
    EXPECT_EQ(positionDerFarben({5, 5, 9}), ChannelOrder::BRG);
    EXPECT_EQ(positionDerFarben({5, 5, 5}), ChannelOrder::RGB);
    EXPECT_EQ(positionDerFarben({5, 3, 5}), ChannelOrder::RBG);
    EXPECT_EQ(positionDerFarben({3, 5, 5}), ChannelOrder::GBR);
    EXPECT_EQ(positionDerFarben({5, 3, 3}), ChannelOrder::RBG);
    EXPECT_EQ(positionDerFarben({4, 9, 1}), ChannelOrder::GRB);
    EXPECT_EQ(positionDerFarben({1, 4, 9}), ChannelOrder::BGR);
}

TEST(ManualInput, MiddleChannelShareRoundsInSinglePrecision)
{
    EXPECT_EQ(reinFarben(0, 0, 0), 0);
    EXPECT_EQ(reinFarben(90, 90, 90), 255);
    EXPECT_EQ(reinFarben(3, 2, 1), 128); // 127.5: the even neighbour
    EXPECT_EQ(reinFarben(7, 2, 1), 43);  // 42.5 in exact arithmetic, just above in single precision
    for (int a = 1; a < 256; a += 7)
        for (int c = 0; c < a; c += 5)
            for (int b = c; b <= a; b += 3) {
                const double exakt = 255.0 * (b - c) / (a - c);
                if (std::abs(exakt - std::floor(exakt) - 0.5) > 1e-3) {
                    EXPECT_EQ(reinFarben(a, b, c), static_cast<int>(std::lround(exakt))) << a << b << c;
                }
            }
}

TEST(ManualInput, HexTextNeedsHashAndSixDigitsOfEitherCase)
{
    EXPECT_EQ(checkHEX(QStringLiteral("#c86464")), HexCheck::valid);
    EXPECT_EQ(hexToRgb(QStringLiteral("#c8a4fF")), (Rgb{200, 164, 255}));
    EXPECT_EQ(checkHEX(QStringLiteral("#C8646G")), HexCheck::invalid);
    EXPECT_EQ(checkHEX(QStringLiteral("C864640")), HexCheck::invalid);
    EXPECT_EQ(checkHEX(QStringLiteral("#C8646")), HexCheck::incomplete);
    EXPECT_EQ(checkHEX(QStringLiteral("#C864640")), HexCheck::incomplete);
    EXPECT_EQ(digitsOnly(QStringLiteral("1a2-3")), QStringLiteral("123"));
}
