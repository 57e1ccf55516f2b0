#include "core/colour/AngleLines.h"

#include <gtest/gtest.h>

namespace
{

QImage flaeche(int breite, int hoehe, int grau = 255)
{
    QImage bild(breite, hoehe, QImage::Format_RGB888);
    bild.fill(QColor(grau, grau, grau));
    return bild;
}

int grauWert(const QImage& bild, int x, int y)
{
    return bild.constScanLine(y)[3 * x];
}

int geaendertePixel(const QImage& bild, int grau = 255)
{
    int n = 0;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            n += grauWert(bild, x, y) != grau ? 1 : 0;
    return n;
}

} // namespace

TEST(AngleLinesPen, DrawsUpToButNotIncludingTheEndPoint)
{
    QImage hoch = flaeche(123, 123);
    zeichneLinie(hoch, {61, 61}, {61, 31});
    for (int y = 32; y <= 61; ++y)
        EXPECT_EQ(grauWert(hoch, 61, y), 0) << y;
    EXPECT_EQ(grauWert(hoch, 61, 31), 255);
    EXPECT_EQ(grauWert(hoch, 61, 62), 255);
    EXPECT_EQ(geaendertePixel(hoch), 30);

    QImage links = flaeche(123, 123);
    zeichneLinie(links, {61, 61}, {31, 61});
    EXPECT_EQ(grauWert(links, 32, 61), 0);
    EXPECT_EQ(grauWert(links, 61, 61), 0);
    EXPECT_EQ(grauWert(links, 31, 61), 255);
    EXPECT_EQ(geaendertePixel(links), 30);

    QImage punkt = flaeche(4, 4);
    zeichneLinie(punkt, {2, 2}, {2, 2});
    EXPECT_EQ(geaendertePixel(punkt), 0);
}

TEST(AngleLinesPen, SetsThePenColourAndSkipsPixelsOutside)
{
    QImage bild = flaeche(4, 4);
    zeichneGeradeLinie(bild, {-3, 1}, {9, 1}, qRgb(10, 20, 30));
    EXPECT_EQ(geaendertePixel(bild), 4);
    EXPECT_EQ(bild.pixel(0, 1), qRgb(10, 20, 30));
    EXPECT_EQ(bild.pixel(3, 1), qRgb(10, 20, 30));
    zeichneGeradeLinie(bild, {1, 1}, {3, 3}); // slanted lines are not the pen's
    EXPECT_EQ(bild.pixel(2, 2), qRgb(255, 255, 255));
}

TEST(AngleLinesWu, FortyFiveDegreesIsSolidWithUntouchedNeighbours)
{
    QImage bild = flaeche(8, 8);
    zeichneLinie(bild, {5, 5}, {1, 1});
    for (int i = 1; i <= 5; ++i)
        EXPECT_EQ(grauWert(bild, i, i), 0) << i;
    EXPECT_EQ(geaendertePixel(bild), 5);
}

TEST(AngleLinesWu, SplitsEachColumnBetweenTwoPixels)
{
    // Slope 1/2: every other column lies exactly between two rows, and 127.5
    // rounds to the even 128.
    QImage bild = flaeche(6, 4);
    zeichneLinie(bild, {4, 2}, {0, 0});
    const int erwartet[4][6] = {{0, 128, 255, 255, 255, 255},
                                {255, 128, 0, 128, 255, 255},
                                {255, 255, 255, 128, 0, 255},
                                {255, 255, 255, 255, 255, 255}};
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(grauWert(bild, x, y), erwartet[y][x]) << x << "," << y;

    QImage dunkel = flaeche(6, 4, 253);
    zeichneLinie(dunkel, {0, 0}, {4, 2});
    EXPECT_EQ(grauWert(dunkel, 1, 0), 126); // 126.5 goes down to even
    EXPECT_EQ(grauWert(dunkel, 1, 1), 126);
}

TEST(AngleLinesWu, SteepLinesWalkTheRowsWithFractionalWeights)
{
    QImage bild = flaeche(4, 6);
    zeichneLinie(bild, {0, 0}, {1, 4}); // x grows by 1/4 per row
    EXPECT_EQ(grauWert(bild, 0, 0), 0);
    EXPECT_EQ(grauWert(bild, 0, 1), 64);  // weight 3/4: 63.75
    EXPECT_EQ(grauWert(bild, 1, 1), 191); // weight 1/4: 191.25
    EXPECT_EQ(grauWert(bild, 0, 2), 128);
    EXPECT_EQ(grauWert(bild, 1, 2), 128);
    EXPECT_EQ(grauWert(bild, 0, 3), 191);
    EXPECT_EQ(grauWert(bild, 1, 3), 64);
    EXPECT_EQ(grauWert(bild, 1, 4), 0);
    EXPECT_EQ(grauWert(bild, 2, 4), 255);
    EXPECT_EQ(geaendertePixel(bild), 8);
}

TEST(AngleLinesWu, PixelsOutsideAreSkipped)
{
    QImage bild = flaeche(4, 4);
    zeichneLinie(bild, {-3, -1}, {9, 5});
    zeichneLinie(bild, {3, 0}, {9, 3});
    EXPECT_EQ(grauWert(bild, 3, 0), 0);
    EXPECT_GT(geaendertePixel(bild), 0);

    QImage fremd(4, 4, QImage::Format_ARGB32);
    fremd.fill(Qt::white);
    zeichneLinie(fremd, {0, 0}, {3, 2});
    EXPECT_EQ(fremd.pixel(0, 0), qRgb(255, 255, 255));
}
