#include "core/colour/AngleLines.h"

#include <gtest/gtest.h>

namespace
{

QImage flaeche(int breite, int fullHeight, int grau = 255)
{
    QImage picture(breite, fullHeight, QImage::Format_RGB888);
    picture.fill(QColor(grau, grau, grau));
    return picture;
}

int greyValue(const QImage& picture, int x, int y)
{
    return picture.constScanLine(y)[3 * x];
}

int geaendertePixel(const QImage& picture, int grau = 255)
{
    int n = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            n += greyValue(picture, x, y) != grau ? 1 : 0;
    return n;
}

} // namespace

TEST(AngleLinesPen, DrawsUpToButNotIncludingTheEndPoint)
{
    QImage hoch = flaeche(123, 123);
    drawImageLine(hoch, {61, 61}, {61, 31});
    for (int y = 32; y <= 61; ++y)
        EXPECT_EQ(greyValue(hoch, 61, y), 0) << y;
    EXPECT_EQ(greyValue(hoch, 61, 31), 255);
    EXPECT_EQ(greyValue(hoch, 61, 62), 255);
    EXPECT_EQ(geaendertePixel(hoch), 30);

    QImage left = flaeche(123, 123);
    drawImageLine(left, {61, 61}, {31, 61});
    EXPECT_EQ(greyValue(left, 32, 61), 0);
    EXPECT_EQ(greyValue(left, 61, 61), 0);
    EXPECT_EQ(greyValue(left, 31, 61), 255);
    EXPECT_EQ(geaendertePixel(left), 30);

    QImage point = flaeche(4, 4);
    drawImageLine(point, {2, 2}, {2, 2});
    EXPECT_EQ(geaendertePixel(point), 0);
}

TEST(AngleLinesPen, SetsThePenColourAndSkipsPixelsOutside)
{
    QImage picture = flaeche(4, 4);
    drawStraightLine(picture, {-3, 1}, {9, 1}, qRgb(10, 20, 30));
    EXPECT_EQ(geaendertePixel(picture), 4);
    EXPECT_EQ(picture.pixel(0, 1), qRgb(10, 20, 30));
    EXPECT_EQ(picture.pixel(3, 1), qRgb(10, 20, 30));
    drawStraightLine(picture, {1, 1}, {3, 3}); // slanted lines are not the pen's
    EXPECT_EQ(picture.pixel(2, 2), qRgb(255, 255, 255));
}

TEST(AngleLinesWu, FortyFiveDegreesIsSolidWithUntouchedNeighbours)
{
    QImage picture = flaeche(8, 8);
    drawImageLine(picture, {5, 5}, {1, 1});
    for (int i = 1; i <= 5; ++i)
        EXPECT_EQ(greyValue(picture, i, i), 0) << i;
    EXPECT_EQ(geaendertePixel(picture), 5);
}

TEST(AngleLinesWu, SplitsEachColumnBetweenTwoPixels)
{
    // Slope 1/2: every other column lies exactly between two rows, and 127.5
    // rounds to the even 128.
    QImage picture = flaeche(6, 4);
    drawImageLine(picture, {4, 2}, {0, 0});
    const int erwartet[4][6] = {{0, 128, 255, 255, 255, 255},
                                {255, 128, 0, 128, 255, 255},
                                {255, 255, 255, 128, 0, 255},
                                {255, 255, 255, 255, 255, 255}};
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(greyValue(picture, x, y), erwartet[y][x]) << x << "," << y;

    QImage dunkel = flaeche(6, 4, 253);
    drawImageLine(dunkel, {0, 0}, {4, 2});
    EXPECT_EQ(greyValue(dunkel, 1, 0), 126); // 126.5 goes down to even
    EXPECT_EQ(greyValue(dunkel, 1, 1), 126);
}

TEST(AngleLinesWu, SteepLinesWalkTheRowsWithFractionalWeights)
{
    QImage picture = flaeche(4, 6);
    drawImageLine(picture, {0, 0}, {1, 4}); // x grows by 1/4 per row
    EXPECT_EQ(greyValue(picture, 0, 0), 0);
    EXPECT_EQ(greyValue(picture, 0, 1), 64);  // weight 3/4: 63.75
    EXPECT_EQ(greyValue(picture, 1, 1), 191); // weight 1/4: 191.25
    EXPECT_EQ(greyValue(picture, 0, 2), 128);
    EXPECT_EQ(greyValue(picture, 1, 2), 128);
    EXPECT_EQ(greyValue(picture, 0, 3), 191);
    EXPECT_EQ(greyValue(picture, 1, 3), 64);
    EXPECT_EQ(greyValue(picture, 1, 4), 0);
    EXPECT_EQ(greyValue(picture, 2, 4), 255);
    EXPECT_EQ(geaendertePixel(picture), 8);
}

TEST(AngleLinesWu, PixelsOutsideAreSkipped)
{
    QImage picture = flaeche(4, 4);
    drawImageLine(picture, {-3, -1}, {9, 5});
    drawImageLine(picture, {3, 0}, {9, 3});
    EXPECT_EQ(greyValue(picture, 3, 0), 0);
    EXPECT_GT(geaendertePixel(picture), 0);

    QImage fremd(4, 4, QImage::Format_ARGB32);
    fremd.fill(Qt::white);
    drawImageLine(fremd, {0, 0}, {3, 2});
    EXPECT_EQ(fremd.pixel(0, 0), qRgb(255, 255, 255));
}
