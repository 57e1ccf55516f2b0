// Dominant colours of pictures of known colour blocks with noise.
#include "core/import/ImageColours.h"
#include "core/colour/ColourDifference.h"
#include "core/colour/ColourFormats.h"
#include "core/import/PaletteOrPicture.h"

#include <QBuffer>
#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

namespace
{

struct Block {
    QRgb colour;
    int percent;
};

// Vertical stripes of the blocks' widths; every pixel moved by up to ±noise per
// channel, from a generator of its own so the picture is the same everywhere.
QImage blockPicture(const std::vector<Block>& blocks, int width, int height, int noise)
{
    QImage image(width, height, QImage::Format_RGB32);
    std::uint32_t state = 12345;
    const auto jitter = [&] {
        state = state * 1664525u + 1013904223u;
        return static_cast<int>((state >> 16) % static_cast<std::uint32_t>(2 * noise + 1)) - noise;
    };
    int x0 = 0;
    for (const Block& b : blocks) {
        const int x1 = x0 + width * b.percent / 100;
        for (int y = 0; y < height; ++y)
            for (int x = x0; x < x1; ++x)
                image.setPixel(
                    x, y,
                    qRgb(qRed(b.colour) + jitter(), qGreen(b.colour) + jitter(), qBlue(b.colour) + jitter()));
        x0 = x1;
    }
    return image;
}

Triple lab(QRgb c)
{
    return labFrom(srgbFromChannels(qRed(c), qGreen(c), qBlue(c)));
}

TEST(ImageColours, blocksFoundWithTheirShares)
{
    const std::vector<Block> blocks{
        {qRgb(190, 50, 45), 40}, {qRgb(40, 150, 70), 30}, {qRgb(50, 70, 190), 20}, {qRgb(225, 205, 90), 10}};
    // Larger than the sample so that down-sampling is part of it.
    const QImage picture = blockPicture(blocks, 1000, 600, 12);
    const QVector<DominantColour> found = dominantColours(picture, 4);
    ASSERT_EQ(found.size(), 4);
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        SCOPED_TRACE(i);
        // Ordered by share, so the blocks come in their own order.
        const DominantColour& f = found[static_cast<qsizetype>(i)];
        EXPECT_LT(ciede2000(lab(f.rgb), lab(blocks[i].colour)), 2.0);
        EXPECT_NEAR(f.share, blocks[i].percent, 2.0);
    }
    EXPECT_EQ(dominantColours(picture.copy(), 4).size(), 4);
}

TEST(ImageColours, sameColoursOnEveryRunAndDefaultCount)
{
    // A generated "photograph": smooth gradients, two light sources and noise.
    QImage photo(640, 480, QImage::Format_RGB32);
    for (int y = 0; y < photo.height(); ++y)
        for (int x = 0; x < photo.width(); ++x)
            photo.setPixel(x, y,
                           qRgb((x * 255 / 639 + (x * y) % 7) % 256, (y * 200 / 479 + (x ^ y) % 11) % 256,
                                ((x - 320) * (x - 320) + (y - 240) * (y - 240)) / 1600 % 256));
    const QVector<DominantColour> first = dominantColours(photo);
    ASSERT_EQ(first.size(), defaultImageColours);
    for (int run = 0; run < 3; ++run) {
        const QVector<DominantColour> again = dominantColours(photo);
        ASSERT_EQ(again.size(), first.size());
        for (qsizetype i = 0; i < first.size(); ++i) {
            EXPECT_EQ(again[i].rgb, first[i].rgb);
            EXPECT_EQ(again[i].share, first[i].share);
        }
    }
    double total = 0;
    for (const DominantColour& c : first)
        total += c.share;
    EXPECT_NEAR(total, 100.0, 1e-9);
    EXPECT_TRUE(
        std::is_sorted(first.begin(), first.end(),
                       [](const DominantColour& a, const DominantColour& b) { return a.share > b.share; }));
}

TEST(ImageColours, fewColoursTransparencyAndLimits)
{
    QImage two(10, 10, QImage::Format_ARGB32);
    two.fill(qRgb(10, 20, 30));
    for (int x = 0; x < 10; ++x)
        two.setPixel(x, 0, qRgb(250, 250, 250));
    for (int x = 0; x < 10; ++x)
        two.setPixel(x, 9, qRgba(255, 0, 0, 0)); // transparent: not counted
    const QVector<DominantColour> found = dominantColours(two, 12);
    ASSERT_EQ(found.size(), 2);
    EXPECT_EQ(found[0].rgb, qRgb(10, 20, 30));
    EXPECT_NEAR(found[0].share, 80.0 / 90 * 100, 1e-9);
    EXPECT_EQ(found[1].rgb, qRgb(250, 250, 250));

    QImage clear(4, 4, QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    EXPECT_TRUE(dominantColours(clear).isEmpty());
    EXPECT_TRUE(dominantColours(QImage()).isEmpty());
    EXPECT_EQ(
        dominantColours(blockPicture({{qRgb(1, 1, 1), 50}, {qRgb(200, 1, 1), 50}}, 50, 50, 3), 1).size(), 2);
}

} // namespace

TEST(ImageColours, aDroppedFileIsAPaletteByItsNameOrElseAPicture)
{
    QImage half(20, 10, QImage::Format_RGB32);
    half.fill(qRgb(0, 0, 255));
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 15; ++x)
            half.setPixel(x, y, qRgb(255, 255, 0));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(half.save(&buffer, "PNG"));
    const ImportResult picture = readPaletteOrPicture(png, QStringLiteral("/tmp/Foto.png"));
    ASSERT_TRUE(picture.palette);
    EXPECT_EQ(picture.palette->name, QStringLiteral("Foto"));
    EXPECT_EQ(picture.palette->groups,
              (QVector<ImportedGroup>{{QString(),
                                       {{QString(), qRgb(255, 255, 0), false, 75.0},
                                        {QString(), qRgb(0, 0, 255), false, 25.0}}}}));
    const ImportResult gpl = readPaletteOrPicture("GIMP Palette\n1 2 3 x\n", QStringLiteral("a.GPL"));
    ASSERT_TRUE(gpl.palette);
    EXPECT_EQ(gpl.palette->name, QStringLiteral("a"));
    const ImportResult neither = readPaletteOrPicture("plain words", QStringLiteral("notes.doc"));
    EXPECT_FALSE(neither.palette);
    EXPECT_EQ(neither.error.reason, Txt::importNotAPalette);
}
