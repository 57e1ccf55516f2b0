#include "core/colour/Rotation.h"
#include "core/colour/BandPictures.h"
#include "core/colour/BandTables.h"
#include "core/colour/Rounding.h"

#include <gtest/gtest.h>

#include <QColor>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <random>
#include <utility>

namespace
{

QImage noisePicture(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB888);
    std::mt19937 random(7);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int y = 0; y < h; ++y) {
        uchar* line = image.scanLine(y);
        for (int i = 0; i < 3 * w; ++i)
            line[i] = static_cast<uchar>(byte(random));
    }
    return image;
}

QImage filled(int w, int h, QColor colour)
{
    QImage image(w, h, QImage::Format_RGB888);
    image.fill(colour);
    return image;
}

QRgb rgbAt(const QImage& image, int x, int y)
{
    const uchar* p = image.constScanLine(y) + 3 * x;
    return qRgb(p[0], p[1], p[2]);
}

// The turn written down plainly, in extended precision throughout.
QImage referenceTurn(const QImage& source, QImage target, int cx, int cy, double angle)
{
    using Real = long double;
    const Real wheel = -static_cast<Real>(angle) * std::numbers::pi_v<Real> / 180;
    const Real c = std::cos(wheel);
    const Real s = std::sin(wheel);
    const int offX = (target.width() - source.width()) / 2;
    const int offY = (target.height() - source.height()) / 2;
    for (int y = 0; y < target.height(); ++y) {
        for (int x = 0; x < target.width(); ++x) {
            const Real tx = 2 * x - 2 * cx + 1;
            const Real ty = 2 * y - 2 * cy + 1;
            const Real u = (c * tx - s * ty - 1) / 2 + cx - offX;
            const Real v = (s * tx + c * ty - 1) / 2 + cy - offY;
            const int X = roundHalfEven(u);
            const int Y = roundHalfEven(v);
            if (X < 0 || X >= source.width() || Y < 0 || Y >= source.height())
                continue;
            const int X1 = std::min(std::max(X + 1, 0), source.width() - 1);
            const int Y1 = std::min(std::max(Y + 1, 0), source.height() - 1);
            const Real fx = u - X;
            const Real fy = v - Y;
            for (int ch = 0; ch < 3; ++ch) {
                auto at = [&](int px, int py) { return int{source.constScanLine(py)[3 * px + ch]}; };
                const Real top = fx * (at(X1, Y) - at(X, Y)) + at(X, Y);
                const Real bottom = fx * (at(X1, Y1) - at(X, Y1)) + at(X, Y1);
                const int value = std::clamp(roundHalfEven(top + fy * (bottom - top)), 0, 255);
                target.scanLine(y)[3 * x + ch] = static_cast<uchar>(value);
            }
        }
    }
    return target;
}

// The fast arithmetic must give exactly what the plain form gives, ties and
// all, for noise (no two neighbours alike), the wheel, odd sizes and centres.
TEST(SmoothRotate, MatchesThePlainFormExactly)
{
    const QImage noise = noisePicture(122, 122);
    const QImage wheel = wheelPicture(false);
    const QImage odd = noisePicture(36, 24); // 108 bytes a row: no spare byte at the end
    for (double angle :
         {-422.0, -181.0, -90.0, -45.0, -1.0, 1.0, 7.0, 30.0, 45.0, 60.0, 89.0, 135.0, 180.0}) {
        for (const QImage* source : {&noise, &wheel}) {
            QImage target = filled(122, 122, QColor(1, 2, 3));
            SmoothRotate(*source, target, 61, 61, angle);
            ASSERT_EQ(target, referenceTurn(*source, filled(122, 122, QColor(1, 2, 3)), 61, 61, angle))
                << angle;
        }
        QImage target = filled(50, 41, QColor(9, 9, 9));
        SmoothRotate(odd, target, 20, 11, angle);
        ASSERT_EQ(target, referenceTurn(odd, filled(50, 41, QColor(9, 9, 9)), 20, 11, angle)) << angle;
    }
}

TEST(SmoothRotate, TurnByZeroCopiesTheSource)
{
    const QImage source = noisePicture(122, 122);
    QImage target = filled(122, 122, Qt::black);
    SmoothRotate(source, target, 61, 61, 0.0);
    for (int y = 0; y < 122; ++y)
        for (int x = 0; x < 122; ++x)
            ASSERT_EQ(rgbAt(target, x, y), rgbAt(source, x, y)) << x << "," << y;
}

// A quarter turn clockwise about (61, 61) moves source (u, v) to target
// (121 - v, u), so target (x, y) shows source (y, 121 - x).
TEST(SmoothRotate, QuarterTurnMovesPixelsClockwise)
{
    const QImage source = noisePicture(122, 122);
    QImage target = filled(122, 122, Qt::black);
    SmoothRotate(source, target, 61, 61, 90.0);
    for (int y = 1; y < 121; ++y)
        for (int x = 1; x < 121; ++x)
            ASSERT_EQ(rgbAt(target, x, y), rgbAt(source, y, 121 - x)) << x << "," << y;
}

TEST(SmoothRotate, HalfTurnInterpolatesNothing)
{
    const QImage source = noisePicture(122, 122);
    QImage target = filled(122, 122, Qt::black);
    SmoothRotate(source, target, 61, 61, 180.0);
    EXPECT_EQ(rgbAt(target, 10, 20), rgbAt(source, 111, 101));
    EXPECT_EQ(rgbAt(target, 60, 61), rgbAt(source, 61, 60));
}

TEST(SmoothRotate, PixelsWithoutSourceKeepTheirContent)
{
    const QImage source = filled(122, 122, QColor(10, 20, 30));
    const QRgb marker = qRgb(200, 100, 50);
    QImage target = filled(122, 122, QColor(marker));
    SmoothRotate(source, target, 61, 61, 45.0);
    EXPECT_EQ(rgbAt(target, 0, 0), marker); // corner turned in from outside
    EXPECT_EQ(rgbAt(target, 121, 121), marker);
    EXPECT_EQ(rgbAt(target, 61, 61), qRgb(10, 20, 30));

    // A larger target: the source sits in its middle, the border stays.
    QImage big = filled(200, 200, QColor(marker));
    SmoothRotate(source, big, 61, 61, 0.0);
    EXPECT_EQ(rgbAt(big, 0, 0), marker);
    EXPECT_EQ(rgbAt(big, 100, 100), qRgb(10, 20, 30));
}

TEST(SmoothRotate, OtherFormatsAndSelfRotationAreSafe)
{
    const QImage source = noisePicture(122, 122);
    QImage argb = filled(122, 122, Qt::black).convertToFormat(QImage::Format_ARGB32);
    SmoothRotate(source, argb, 61, 61, 90.0);
    ASSERT_EQ(argb.format(), QImage::Format_RGB888);
    EXPECT_EQ(rgbAt(argb, 30, 40), rgbAt(source, 40, 91));

    QImage same = source;
    SmoothRotate(same, same, 61, 61, 90.0);
    EXPECT_EQ(rgbAt(same, 30, 40), rgbAt(source, 40, 91));
    EXPECT_EQ(rgbAt(source, 30, 40), rgbAt(noisePicture(122, 122), 30, 40)); // source untouched
}

TEST(Drehwinkel, StartAngleDependsOnModeAndAngleType)
{
    EXPECT_EQ(rotationAngle(HarmonyMode::twoColour, false, 117, 0), 0);
    EXPECT_EQ(rotationAngle(HarmonyMode::twoColour, false, 0, 339), -180);
    EXPECT_EQ(rotationAngle(HarmonyMode::twoColour, false, 0, 677), -359);
    EXPECT_EQ(rotationAngle(HarmonyMode::threeColour, false, 40, 100), -53);
    EXPECT_EQ(rotationAngle(HarmonyMode::fanning, true, 40, 100), -53);
    for (int p : {0, 1, 100, 339, 677})
        EXPECT_EQ(rotationAngle(HarmonyMode::colourRows, false, 34, p),
                  rotationAngle(HarmonyMode::twoColour, false, 34, p) + 180);
    // Four colours, angle type 1: the second angle distance turns as well.
    EXPECT_EQ(rotationAngle(HarmonyMode::fourColour, false, 117, 0), -62);
    EXPECT_EQ(rotationAngle(HarmonyMode::fourColour, false, 34, 100), -18 - 53);
    EXPECT_EQ(rotationAngle(HarmonyMode::fourColour, true, 117, 100), -53);
}

class Rotieren : public ::testing::Test
{
protected:
    MainState state;
    int lastTurn = -1;
    QImage original = wheelPicture(true);
    QImage bg = wheelPicture(true).copy();
};

TEST_F(Rotieren, RepaintsOnlyWhenTheTurnChanges)
{
    EXPECT_TRUE(rotieren(state, lastTurn, 34, 100, original, bg));
    const QImage turned = bg.copy();
    bg.fill(Qt::black);
    EXPECT_FALSE(rotieren(state, lastTurn, 34, 100, original, bg));
    EXPECT_EQ(rgbAt(bg, 61, 10), qRgb(0, 0, 0)); // not repainted

    lastTurn = -1; // what a band type switch does
    EXPECT_TRUE(rotieren(state, lastTurn, 34, 100, original, bg));
    // The same turn gives the same picture, corners included, whatever the
    // picture held before: an undo shows the wheel as it was.
    EXPECT_EQ(bg.convertToFormat(QImage::Format_RGB32), turned.convertToFormat(QImage::Format_RGB32));
}

// Marker positions 1 and 2 give a turn of -1 degree, the same number as the
// "force a repaint" mark; the repaint must happen all the same.
TEST_F(Rotieren, ForcedRepaintAlsoForATurnOfMinusOneDegree)
{
    EXPECT_TRUE(rotieren(state, lastTurn, 34, 2, original, bg));
    EXPECT_FALSE(rotieren(state, lastTurn, 34, 2, original, bg));
    lastTurn = -1;
    EXPECT_TRUE(rotieren(state, lastTurn, 34, 2, original, bg));
}

TEST_F(Rotieren, SeparateAdjustmentLeavesTheWheelAlone)
{
    state.actionSet.farbenSeparatEinstellen = true;
    bg.fill(Qt::black);
    EXPECT_FALSE(rotieren(state, lastTurn, 34, 100, original, bg));
    EXPECT_EQ(rgbAt(bg, 61, 10), qRgb(0, 0, 0));
    EXPECT_EQ(lastTurn, -1);
}

// The point of the turn: the hue at the marker position stands at the top.
TEST_F(Rotieren, BaseHueEndsUpAtTheTop)
{
    // Listed rows of the luminous band.
    const std::pair<int, Rgb> rows[] = {{0, {255, 0, 0}},
                                        {113, {255, 167, 0}},
                                        {254, {70, 255, 0}},
                                        {424, {0, 177, 255}},
                                        {593, {208, 0, 255}}};
    for (const auto& [p, expected] : rows) {
        lastTurn = -1;
        ASSERT_TRUE(rotieren(state, lastTurn, 34, p, original, bg));
        const uchar* top = bg.constScanLine(13) + 3 * 61;
        EXPECT_LE(std::abs(top[0] - expected.r), 12) << p;
        EXPECT_LE(std::abs(top[1] - expected.g), 12) << p;
        EXPECT_LE(std::abs(top[2] - expected.b), 12) << p;
    }
    state.actionSet.harmonyMode = HarmonyMode::colourRows; // colour rows: the base hue stands at the bottom
    lastTurn = -1;
    ASSERT_TRUE(rotieren(state, lastTurn, 34, 0, original, bg));
    const uchar* bottom = bg.constScanLine(108) + 3 * 60;
    EXPECT_GE(bottom[0], 240);
    EXPECT_LE(bottom[1], 15);
}

} // namespace
