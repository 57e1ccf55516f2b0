#include "core/language/Actions.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QIcon>
#include <QImage>

namespace
{

// Counts the pixels an icon actually paints at tool bar size.
int gemaltePixel(const QImage& bild)
{
    int n = 0;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            n += qAlpha(bild.pixel(x, y)) > 0 ? 1 : 0;
    return n;
}

QImage zeichnen(const QString& pfad, int groesse)
{
    return QIcon(pfad).pixmap(groesse, groesse).toImage().convertToFormat(QImage::Format_ARGB32);
}

} // namespace

TEST(IconsTest, EveryImageIndexHasAnIconThatPaints)
{
    for (int index : verwendeteBildIndizes()) {
        const QString pfad = iconPfad(index);
        ASSERT_TRUE(QFile::exists(pfad)) << pfad.toStdString();
        const QImage bild = zeichnen(pfad, 24);
        ASSERT_EQ(bild.size(), QSize(24, 24)) << pfad.toStdString();
        // Neither blank nor a filled square: something recognisable in between.
        const int n = gemaltePixel(bild);
        EXPECT_GT(n, 24 * 24 / 10) << pfad.toStdString();
        EXPECT_LT(n, 24 * 24) << pfad.toStdString();
    }
}
