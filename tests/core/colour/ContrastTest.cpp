#include "core/colour/Contrast.h"
#include "core/documents/ContrastTable.h"

#include "core/colour/ContrastReference.h"

#include <gtest/gtest.h>

namespace
{

QRgb hex(unsigned v)
{
    return 0xff000000u | v;
}

} // namespace

TEST(Contrast, PublishedFigures)
{
    EXPECT_EQ(ratioText(contrastRatio(hex(0xFFFFFF), hex(0x767676))), QStringLiteral("4.54"));
    EXPECT_EQ(ratioText(contrastRatio(hex(0x000000), hex(0xFFFFFF))), QStringLiteral("21.00"));
    EXPECT_EQ(ratioText(contrastRatio(hex(0xF3BE0E), hex(0x005DA3))), QStringLiteral("3.94"));
    // apca-w3 README: #888 on #fff 63.06, #fff on #888 -68.54, #000 on #aaa 58.15,
    // #aaa on #000 -56.24, #123 on #def 91.67, #def on #123 -93.07.
    EXPECT_NEAR(apcaLc(hex(0x888888), hex(0xFFFFFF)), 63.06, 0.01);
    EXPECT_NEAR(apcaLc(hex(0xFFFFFF), hex(0x888888)), -68.54, 0.01);
    EXPECT_NEAR(apcaLc(hex(0x000000), hex(0xAAAAAA)), 58.15, 0.01);
    EXPECT_NEAR(apcaLc(hex(0xAAAAAA), hex(0x000000)), -56.24, 0.01);
    EXPECT_NEAR(apcaLc(hex(0x112233), hex(0xDDEEFF)), 91.67, 0.01);
    EXPECT_NEAR(apcaLc(hex(0xDDEEFF), hex(0x112233)), -93.07, 0.01);
    EXPECT_EQ(lcText(apcaLc(hex(0xF3BE0E), hex(0x005DA3))), QStringLiteral("-51.8"));
}

TEST(Contrast, AgreesWithTheReferenceOverAGridOfPairs)
{
    const unsigned farben[] = {0x000000, 0xFFFFFF, 0x767676, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00,
                               0x010101, 0x0A0A0A, 0x123456, 0xF3BE0E, 0x005DA3, 0x7F7F80};
    for (unsigned a : farben)
        for (unsigned b : farben) {
            EXPECT_NEAR(contrastRatio(hex(a), hex(b)), referenceWcagRatio(hex(a), hex(b)), 1e-9)
                << a << " " << b;
            EXPECT_NEAR(apcaLc(hex(a), hex(b)), referenceApcaLc(hex(a), hex(b)), 1e-9) << a << " " << b;
        }
    EXPECT_EQ(apcaLc(hex(0x767676), hex(0x777777)), 0.0); // below the low clip
}

TEST(Contrast, LevelsStartAtTheirThresholds)
{
    EXPECT_EQ(wcagLevel(2.99), WcagLevel::none);
    EXPECT_EQ(wcagLevel(3.0), WcagLevel::aaLarge);
    EXPECT_EQ(wcagLevel(4.49), WcagLevel::aaLarge);
    EXPECT_EQ(wcagLevel(4.5), WcagLevel::aa);
    EXPECT_EQ(wcagLevel(7.0), WcagLevel::aaa);
    EXPECT_EQ(apcaLevel(44.9), 0);
    EXPECT_EQ(apcaLevel(-45.0), 45);
    EXPECT_EQ(apcaLevel(60.0), 60);
    EXPECT_EQ(apcaLevel(-89.9), 75);
    EXPECT_EQ(apcaLevel(106.0), 90);
}

// Ratios worked by hand: #777 on black 4.68, #404040 on #353535 1.18.
TEST(Contrast, MarkColourKeepsAPassingColourAndOtherwiseFallsBack)
{
    EXPECT_EQ(legibleMarkColour(hex(0x000000), hex(0xEFEFEF), hex(0xFFFFFF)), hex(0x000000));
    EXPECT_EQ(legibleMarkColour(hex(0x777777), hex(0x000000), hex(0xFFFFFF)), hex(0x777777));
    EXPECT_EQ(legibleMarkColour(hex(0x000000), hex(0x353535), hex(0xE0E0E0)), hex(0xE0E0E0));
    EXPECT_EQ(legibleMarkColour(hex(0x000000), hex(0x353535), hex(0x404040)), hex(0xFFFFFF));
    EXPECT_EQ(legibleMarkColour(hex(0xFFFFFF), hex(0xD0D0D0), hex(0xE0E0E0)), hex(0x000000));
}
