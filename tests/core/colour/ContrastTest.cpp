#include "core/colour/Contrast.h"
#include "core/documents/ContrastTable.h"

#include <gtest/gtest.h>

#include <cmath>

// References written straight from the published definitions, in double:
// - WCAG 2.2, "relative luminance" and "contrast ratio" (W3C Recommendation);
// - APCA-W3 0.1.9 (Myndex, apca-w3 on npm / github.com/Myndex/apca-w3), the
//   SA98G constants; its README's examples are used as figures below.
namespace
{

double wcagLinear(int v)
{
    const double c = v / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double wcagRatio(QRgb a, QRgb b)
{
    auto lum = [](QRgb c) {
        return 0.2126 * wcagLinear(qRed(c)) + 0.7152 * wcagLinear(qGreen(c)) + 0.0722 * wcagLinear(qBlue(c));
    };
    const double x = lum(a), y = lum(b);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

double apcaReference(QRgb text, QRgb bg)
{
    auto y = [](QRgb c) {
        double v = 0.2126729 * std::pow(qRed(c) / 255.0, 2.4) + 0.7151522 * std::pow(qGreen(c) / 255.0, 2.4) +
                   0.0721750 * std::pow(qBlue(c) / 255.0, 2.4);
        return v > 0.022 ? v : v + std::pow(0.022 - v, 1.414);
    };
    const double t = y(text), b = y(bg);
    if (std::abs(b - t) < 0.0005)
        return 0;
    if (b > t) {
        const double s = (std::pow(b, 0.56) - std::pow(t, 0.57)) * 1.14;
        return s < 0.1 ? 0 : (s - 0.027) * 100;
    }
    const double s = (std::pow(b, 0.65) - std::pow(t, 0.62)) * 1.14;
    return s > -0.1 ? 0 : (s + 0.027) * 100;
}

QRgb hex(unsigned v)
{
    return 0xff000000u | v;
}

} // namespace

TEST(Contrast, PublishedFigures)
{
    EXPECT_EQ(verhaeltnisText(kontrastVerhaeltnis(hex(0xFFFFFF), hex(0x767676))), QStringLiteral("4.54"));
    EXPECT_EQ(verhaeltnisText(kontrastVerhaeltnis(hex(0x000000), hex(0xFFFFFF))), QStringLiteral("21.00"));
    EXPECT_EQ(verhaeltnisText(kontrastVerhaeltnis(hex(0xF3BE0E), hex(0x005DA3))), QStringLiteral("3.94"));
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
            EXPECT_NEAR(kontrastVerhaeltnis(hex(a), hex(b)), wcagRatio(hex(a), hex(b)), 1e-9) << a << " " << b;
            EXPECT_NEAR(apcaLc(hex(a), hex(b)), apcaReference(hex(a), hex(b)), 1e-9) << a << " " << b;
        }
    EXPECT_EQ(apcaLc(hex(0x767676), hex(0x777777)), 0.0); // below the low clip
}

TEST(Contrast, LevelsStartAtTheirThresholds)
{
    EXPECT_EQ(wcagStufe(2.99), WcagStufe::keine);
    EXPECT_EQ(wcagStufe(3.0), WcagStufe::aaGross);
    EXPECT_EQ(wcagStufe(4.49), WcagStufe::aaGross);
    EXPECT_EQ(wcagStufe(4.5), WcagStufe::aa);
    EXPECT_EQ(wcagStufe(7.0), WcagStufe::aaa);
    EXPECT_EQ(apcaStufe(44.9), 0);
    EXPECT_EQ(apcaStufe(-45.0), 45);
    EXPECT_EQ(apcaStufe(60.0), 60);
    EXPECT_EQ(apcaStufe(-89.9), 75);
    EXPECT_EQ(apcaStufe(106.0), 90);
}
