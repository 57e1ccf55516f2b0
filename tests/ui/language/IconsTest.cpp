#include "core/language/Actions.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QIcon>
#include <QImage>

namespace
{

// Counts the pixels an icon actually paints at tool bar size.
int gemaltePixel(const QImage& picture)
{
    int n = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            n += qAlpha(picture.pixel(x, y)) > 0 ? 1 : 0;
    return n;
}

QImage drawDisplay(const QString& pathName, int extent)
{
    return QIcon(pathName).pixmap(extent, extent).toImage().convertToFormat(QImage::Format_ARGB32);
}

} // namespace

TEST(IconsTest, EveryImageIndexHasAnIconThatPaints)
{
    for (int index : usedImageIndices()) {
        const QString pathName = iconPath(index);
        ASSERT_TRUE(QFile::exists(pathName)) << pathName.toStdString();
        const QImage picture = drawDisplay(pathName, 24);
        ASSERT_EQ(picture.size(), QSize(24, 24)) << pathName.toStdString();
        // Neither blank nor a filled square: something recognisable in between.
        const int n = gemaltePixel(picture);
        EXPECT_GT(n, 24 * 24 / 10) << pathName.toStdString();
        EXPECT_LT(n, 24 * 24) << pathName.toStdString();
    }
}
