#include "core/colour/ContrastScales.h"
#include "core/colour/OkLab.h"

#include "core/colour/ContrastReference.h"
#include "core/colour/OkLabReference.h"

#include <gtest/gtest.h>

namespace
{

// Positive when the colour is darker than the background.
double signedReference(ContrastMethod m, QRgb c, QRgb bg)
{
    if (m == ContrastMethod::apca)
        return referenceApcaLc(c, bg);
    const double lum = referenceWcagRatio(c, qRgb(0, 0, 0)); // grows with luminance
    return lum <= referenceWcagRatio(bg, qRgb(0, 0, 0)) ? referenceWcagRatio(c, bg)
                                                        : -referenceWcagRatio(c, bg);
}

const QRgb colours[] = {qRgb(218, 37, 29),  qRgb(0, 160, 60),    qRgb(30, 80, 220),   qRgb(255, 230, 0),
                        qRgb(20, 30, 70),   qRgb(128, 128, 128), qRgb(250, 200, 220), qRgb(0, 200, 200),
                        qRgb(120, 40, 160), qRgb(60, 90, 40)};
const QRgb backgrounds[] = {qRgb(255, 255, 255), qRgb(0, 0, 0), qRgb(119, 119, 119), qRgb(250, 240, 200)};

} // namespace

TEST(ContrastScales, GamutMappingAndConversionsAgreeWithTheReference)
{
    for (int l = 0; l <= 20; ++l)
        for (double c : {0.0, 0.05, 0.12, 0.25, 0.4})
            for (int h = 0; h < 360; h += 15) {
                const Triple got = gamutMappedLinearSrgb({l / 20.0, c, double(h)});
                const reference::Vec want = reference::gamutMapped(l / 20.0, c, h);
                EXPECT_NEAR(got.a, want[0], 1e-9) << l << " " << c << " " << h;
                EXPECT_NEAR(got.b, want[1], 1e-9);
                EXPECT_NEAR(got.c, want[2], 1e-9);
            }
    for (int r = 0; r < 256; r += 51)
        for (int g = 0; g < 256; g += 17)
            for (int b = 0; b < 256; b += 85) {
                const OkLch c = okLchFromRgb(qRgb(r, g, b));
                EXPECT_EQ(rgbFromLinearSrgb(linearSrgbFromOkLch(c)), qRgb(r, g, b));
            }
}

// Every step reaches its target; half a percent of lightness toward the
// background misses it; hue stays; contrast and lightness move monotonically.
TEST(ContrastScales, StepsAreTheTightestThatReachTheirTargets)
{
    for (ContrastMethod method : {ContrastMethod::wcag2, ContrastMethod::apca})
        for (QRgb bg : backgrounds) {
            const bool darkSide = signedReference(method, qRgb(0, 0, 0), bg) >=
                                  -signedReference(method, qRgb(255, 255, 255), bg);
            const double sign = darkSide ? 1 : -1;
            for (QRgb colour : colours) {
                const ColourScale scale = contrastScale(colour, bg, method, defaultTargets(method));
                ASSERT_EQ(scale.steps.size(), defaultTargets(method).size());
                const reference::Vec lch = reference::okLchFromRgb(colour);
                double lastMeasure = 0;
                double lastLightness = darkSide ? 2 : -1;
                for (const ScaleStep& step : scale.steps) {
                    const QString where = QStringLiteral("%1 %2 on %3 target %4")
                                              .arg(int(method))
                                              .arg(colour, 0, 16)
                                              .arg(bg, 0, 16)
                                              .arg(step.target);
                    if (!step.reached) {
                        EXPECT_LT(std::max(signedReference(method, qRgb(0, 0, 0), bg),
                                           -signedReference(method, qRgb(255, 255, 255), bg)),
                                  step.target)
                            << qPrintable(where);
                        continue;
                    }
                    const double m = sign * signedReference(method, step.rgb, bg);
                    EXPECT_GE(m, step.target) << qPrintable(where);
                    EXPECT_NEAR(step.wcagRatio, referenceWcagRatio(step.rgb, bg), 1e-9);
                    EXPECT_NEAR(step.apcaLc, referenceApcaLc(step.rgb, bg), 1e-9);
                    const reference::Vec s = reference::okLchFromRgb(step.rgb);
                    const double closer = step.lightness + (darkSide ? 0.005 : -0.005);
                    const QRgb next =
                        reference::rgbFromLinear(reference::hueKeepingGamutMapped(closer, lch[1], lch[2]));
                    if (next != step.rgb) {
                        EXPECT_LT(sign * signedReference(method, next, bg), step.target) << qPrintable(where);
                    }
                    if (s[1] > 0.02) {
                        EXPECT_LE(std::abs(std::remainder(s[2] - lch[2], 360.0)), 2.0) << qPrintable(where);
                    }
                    EXPECT_GE(m, lastMeasure) << qPrintable(where);
                    EXPECT_TRUE(darkSide ? s[0] <= lastLightness : s[0] >= lastLightness)
                        << qPrintable(where);
                    lastMeasure = m;
                    lastLightness = s[0];
                }
            }
        }
}

TEST(ContrastScales, UnreachableTargetsGiveNoStep)
{
    // Black against #777777 reaches 4.69, white 4.48.
    const ColourScale s =
        contrastScale(qRgb(218, 37, 29), qRgb(119, 119, 119), ContrastMethod::wcag2, {15, 4.5, 7});
    ASSERT_EQ(s.steps.size(), 3);
    EXPECT_TRUE(s.steps[0].reached);
    EXPECT_EQ(s.steps[0].target, 4.5);
    EXPECT_FALSE(s.steps[1].reached);
    EXPECT_FALSE(s.steps[2].reached);
    const LightAndDarkScales both =
        lightAndDarkScales({qRgb(0, 0, 255)}, ScaleBackgrounds{}, ContrastMethod::wcag2, {22, 0, -1, NAN});
    ASSERT_EQ(both.dark.value(0).steps.size(), 1);
    ASSERT_EQ(both.light.value(0).steps.size(), 1);
    EXPECT_FALSE(both.light[0].steps[0].reached);
    EXPECT_FALSE(both.dark[0].steps[0].reached);
}
