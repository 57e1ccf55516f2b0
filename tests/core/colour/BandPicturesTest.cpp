#include "core/colour/BandPictures.h"
#include "core/colour/BandTables.h"
#include "core/colour/Rotation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

namespace
{

Rgb pixelAt(const QImage& image, int x, int y)
{
    const uchar* p = image.constScanLine(y) + 3 * x;
    return {p[0], p[1], p[2]};
}

bool near(const Rgb& a, const Rgb& b, int tolerance)
{
    return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance &&
           std::abs(a.b - b.b) <= tolerance;
}

struct RingSample {
    Rgb colour;
    int position; // band position at the pixel's centre
};

// Pixel in the middle of the ring at `degrees` clockwise from the top.
RingSample ringPixel(const QImage& wheel, double degrees)
{
    const double radians = degrees * std::numbers::pi / 180.0;
    const double radius = 47.5;
    const int x = static_cast<int>(std::floor(61.0 + radius * std::sin(radians)));
    const int y = static_cast<int>(std::floor(61.0 - radius * std::cos(radians)));
    const double centreDegrees = std::atan2(x + 0.5 - 61.0, 61.0 - (y + 0.5)) * 180.0 / std::numbers::pi;
    // 678 positions make the full turn, clockwise from the top.
    const int position = static_cast<int>(std::nearbyint(centreDegrees * 678.0 / 360.0));
    return {pixelAt(wheel, x, y), (position % 678 + 678) % 678};
}

TEST(BandPictures, BandColumnsShowTheTableEntries)
{
    for (bool luminoes : {false, true}) {
        const QImage band = bandPicture(luminoes);
        ASSERT_EQ(band.size(), QSize(678, 65));
        ASSERT_EQ(band.format(), QImage::Format_RGB888);
        for (int y : {0, 32, 64}) {
            for (int x = 0; x < bandLength; ++x)
                ASSERT_EQ(pixelAt(band, x, y), bandTable(luminoes).at(x)) << x << "," << y;
        }
    }
}

TEST(BandPictures, PicturesAreBuiltOnceAndShared)
{
    EXPECT_EQ(bandPicture(true).constBits(), bandPicture(true).constBits());
    EXPECT_EQ(wheelPicture(false).constBits(), wheelPicture(false).constBits());
    EXPECT_NE(wheelPicture(false).constBits(), wheelPicture(true).constBits());
}

TEST(BandPictures, WheelAngleMapsToBandPosition)
{
    EXPECT_EQ(wheelPosition(0.0), 0);
    EXPECT_EQ(wheelPosition(90.0), 170); // 169.5 rounds to even
    EXPECT_EQ(wheelPosition(180.0), 339);
    EXPECT_EQ(wheelPosition(359.9), 0);
    EXPECT_EQ(wheelPosition(-90.0), 508);
}

TEST(BandPictures, WheelShowsTheBandClockwiseFromRedAtTheTop)
{
    for (bool luminoes : {false, true}) {
        const QImage wheel = wheelPicture(luminoes);
        ASSERT_EQ(wheel.size(), QSize(122, 122));
        ASSERT_EQ(wheel.format(), QImage::Format_RGB888);
        for (double degrees = 0.0; degrees < 360.0; degrees += 7.5) {
            const RingSample sample = ringPixel(wheel, degrees);
            EXPECT_TRUE(near(sample.colour, bandTable(luminoes).at(sample.position), 6))
                << (luminoes ? "luminous " : "realistic ") << degrees << " degrees";
        }
    }
    const QImage lum = wheelPicture(true);
    EXPECT_TRUE(near(ringPixel(lum, 0.0).colour, {255, 0, 0}, 8));
    EXPECT_TRUE(near(ringPixel(lum, 90.0).colour, {255, 255, 0}, 8));
    EXPECT_TRUE(near(ringPixel(lum, 254.9).colour, {0, 0, 255}, 8));
}

TEST(BandPictures, WheelCentreAndSurroundAreWhite)
{
    const Rgb white{255, 255, 255};
    for (bool luminoes : {false, true}) {
        const QImage wheel = wheelPicture(luminoes);
        EXPECT_EQ(pixelAt(wheel, 61, 61), white);
        EXPECT_EQ(pixelAt(wheel, 45, 70), white);
        EXPECT_EQ(pixelAt(wheel, 0, 0), white);
        EXPECT_EQ(pixelAt(wheel, 121, 121), white);
        EXPECT_EQ(pixelAt(wheel, 2, 120), white);
    }
}

// Along the diagonal to the upper left both edges of the ring cut pixels;
// they must blend instead of stepping from white to the hue.
TEST(BandPictures, WheelRingEdgesAreAntiAliased)
{
    const QImage wheel = wheelPicture(true);
    int blended = 0;
    for (int k = 0; k < 61; ++k) {
        const int green = pixelAt(wheel, k, k).g; // 255 outside, 0 in the ring
        if (green > 20 && green < 235)
            ++blended;
    }
    EXPECT_GE(blended, 2);
}

} // namespace

// For a screen of twice the pixels each band position spans two columns.
TEST(BandPictures, SharpBandAtRatioTwo)
{
    const QImage band = bandPicture(false);
    const QImage sharpBand = bandPicture(false, 2.0);
    ASSERT_EQ(sharpBand.size(), QSize(1356, 130));
    EXPECT_EQ(sharpBand.devicePixelRatio(), 2.0);
    for (int x : {0, 1, 200, 677})
        for (int c : {2 * x, 2 * x + 1})
            EXPECT_EQ(sharpBand.pixel(c, 129), band.pixel(x, 64)) << x;
}

// A clockwise turn by 90 degrees brings the hue shown at 270 degrees, band
// position 508 (three quarters of 678, rounded to even), to the top.
TEST(BandPictures, SharpWheelTurnsClockwise)
{
    const BandTable& table = bandTable(true);
    for (auto [turn, position] : {std::pair{0, 0}, std::pair{90, 508}, std::pair{180, 339}}) {
        const QRgb top = turnedWheelPicture(true, turn, 2.0).pixel(122, 28); // 47.5 px above the centre
        const Rgb expected = table.at(position);
        EXPECT_LE(std::abs(qRed(top) - expected.r), 4) << turn;
        EXPECT_LE(std::abs(qGreen(top) - expected.g), 4) << turn;
        EXPECT_LE(std::abs(qBlue(top) - expected.b), 4) << turn;
    }
}

// The finer wheel turns the way the ordinary one is turned: mid-ring, each
// 2 x 2 block matches the pixel of the turned 1x wheel.
TEST(BandPictures, SharpWheelMatchesTheTurnedOrdinaryOne)
{
    const QImage wheel = wheelPicture(false);
    for (int turn : {37, 200}) {
        QImage turned = wheel.copy();
        SmoothRotate(wheel, turned, wheelCentre, wheelCentre, turn);
        const QImage sharp = turnedWheelPicture(false, turn, 2.0);
        for (int degrees = 0; degrees < 360; degrees += 15) {
            const double a = degrees * std::numbers::pi / 180;
            const int x = static_cast<int>(61 + 47.5 * std::sin(a));
            const int y = static_cast<int>(61 - 47.5 * std::cos(a));
            const QRgb one = turned.pixel(x, y);
            int difference = 0;
            for (int dy = 0; dy < 2; ++dy)
                for (int dx = 0; dx < 2; ++dx) {
                    const QRgb p = sharp.pixel(2 * x + dx, 2 * y + dy);
                    difference =
                        std::max({difference, std::abs(qRed(p) - qRed(one)),
                                  std::abs(qGreen(p) - qGreen(one)), std::abs(qBlue(p) - qBlue(one))});
                }
            EXPECT_LE(difference, 16) << turn << " at " << degrees;
        }
    }
}
