#include "core/export/SwatchSheet.h"
#include "core/export/SwatchPng.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <gtest/gtest.h>

namespace
{

// Three swatches in one group: 24 margin, a 26 heading, 96 squares 136 apart.
Palette three()
{
    return {{{QStringLiteral("Row"),
              {{QStringLiteral("Red"), qRgb(218, 37, 29)},
               {QStringLiteral("White"), qRgb(255, 255, 255)},
               {QStringLiteral("Teal"), qRgb(0, 146, 141)}}}}};
}

const QPoint mitten[] = {{72, 98}, {208, 98}, {344, 98}};

void pruefeBogen(const QImage& picture)
{
    const Palette p = three();
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(picture.pixel(mitten[i]) | 0xFF000000, p.groups[0].entries[i].rgb) << "swatch " << i;
    // The sheet is opaque white around the swatches, whatever lies behind it.
    EXPECT_EQ(picture.pixel(2, 2) | 0xFF000000, qRgb(255, 255, 255));
    EXPECT_EQ(qAlpha(picture.pixel(2, 2)), 255);
    // Name and hex text are drawn dark below each swatch.
    for (int i = 0; i < 3; ++i) {
        int dunkel = 0;
        for (int y = 50 + 96 + 4; y < 50 + 96 + 36; ++y)
            for (int x = mitten[i].x() - 60; x < mitten[i].x() + 60; ++x)
                dunkel += qGray(picture.pixel(x, y)) < 128;
        EXPECT_GT(dunkel, 20) << "text under swatch " << i;
    }
}

} // namespace

TEST(SwatchSheet, SvgShowsEachSwatchWithItsTextsOnAnOpaqueSheet)
{
    const QByteArray svg = svgFile(three(), QStringLiteral("Test"));
    QSvgRenderer leser(svg);
    ASSERT_TRUE(leser.isValid());
    const QSize extent = leser.defaultSize();
    EXPECT_EQ(extent, QSize(416, 206));
    QImage picture(extent, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    QPainter maler(&picture);
    leser.render(&maler);
    maler.end();
    pruefeBogen(picture);
    EXPECT_TRUE(svg.contains(">#DA251D</text>"));
}

TEST(SwatchSheet, PngShowsEachSwatchWithItsTexts)
{
    const std::optional<QByteArray> png = pngFile(three());
    ASSERT_TRUE(png);
    EXPECT_TRUE(png->startsWith("\x89PNG"));
    const QImage picture = QImage::fromData(*png, "PNG");
    ASSERT_FALSE(picture.isNull());
    pruefeBogen(picture);
}
