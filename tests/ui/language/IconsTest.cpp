#include "language/Actions.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QIcon>
#include <QImage>
#include <QPainter>

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

// Set TINCTORA_ICON_SHEET to a file name to get every icon at 24 and 48 pixels
// on one light and one dark strip, for looking at the set as a whole.
TEST(IconsTest, ContactSheetOnRequest)
{
    const QString ziel = qEnvironmentVariable("TINCTORA_ICON_SHEET");
    if (ziel.isEmpty())
        GTEST_SKIP() << "TINCTORA_ICON_SHEET not set";
    const auto indizes = verwendeteBildIndizes();
    const int spalten = 10;
    const int zeilen = static_cast<int>((indizes.size() + spalten - 1) / spalten);
    const int zelle = 64;
    QImage blatt(spalten * zelle * 2, zeilen * zelle, QImage::Format_ARGB32);
    blatt.fill(QColor(250, 250, 250));
    QPainter p(&blatt);
    p.fillRect(spalten * zelle, 0, spalten * zelle, zeilen * zelle, QColor(48, 52, 58));
    for (std::size_t i = 0; i < indizes.size(); ++i) {
        const int x = static_cast<int>(i % spalten) * zelle;
        const int y = static_cast<int>(i / spalten) * zelle;
        const QString pfad = iconPfad(indizes[i]);
        for (int seite = 0; seite < 2; ++seite) {
            const int dx = seite * spalten * zelle;
            p.drawImage(dx + x + 4, y + 4, zeichnen(pfad, 24));
            p.drawImage(dx + x + 12, y + 12, zeichnen(pfad, 48));
            p.setPen(seite == 0 ? Qt::darkGray : Qt::lightGray);
            p.drawText(dx + x + 34, y + 14, QString::number(indizes[i]));
        }
    }
    p.end();
    EXPECT_TRUE(blatt.save(ziel));
}
