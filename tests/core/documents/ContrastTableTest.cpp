#include "core/documents/ContrastTable.h"

#include <gtest/gtest.h>

namespace
{
QRgb hex(unsigned v)
{
    return 0xff000000u | v;
}
} // namespace

TEST(ContrastTable, ListingHasOneLinePerOrderedPairOfDistinctColours)
{
    const QRgb farben[] = {hex(0xF3BE0E), hex(0x005DA3), hex(0xF3BE0E), hex(0xFFFFFF)};
    const QString kopf = QStringLiteral("text\tbackground\tWCAG ratio\tAPCA Lc");
    const QStringList zeilen = kontrastListe(farben, kopf).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(zeilen.size(), 1 + 3 * 2);
    EXPECT_EQ(zeilen[0], kopf);
    EXPECT_EQ(zeilen[1], QStringLiteral("#F3BE0E\t#005DA3\t3.94\t-51.8"));
    // Computed from the WCAG 2.2 and APCA-W3 0.1.9 formulas: 6.786 and -87.78.
    EXPECT_TRUE(zeilen.contains(QStringLiteral("#FFFFFF\t#005DA3\t6.79\t-87.8")));
    EXPECT_EQ(zeilen.filter(QStringLiteral("#F3BE0E\t#F3BE0E")).size(), 0);
    EXPECT_EQ(kontrastListe({}, kopf), kopf + QLatin1Char('\n'));
}

TEST(ContrastTable, MatrixTextIsTabSeparatedWithTextColoursAsRows)
{
    const QRgb farben[] = {hex(0xFFFFFF), hex(0x767676)};
    const KontrastMatrix m = kontrastMatrix(farben);
    ASSERT_EQ(m.zellen.size(), 2u);
    EXPECT_DOUBLE_EQ(m.zellen[0][0].verhaeltnis, 1.0);
    EXPECT_EQ(m.zellen[0][0].lc, 0.0);
    const QStringList zeilen =
        kontrastMatrixText(m, QStringLiteral("Text"), QStringLiteral("ratio"), QStringLiteral("Lc"))
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(zeilen.size(), 3);
    EXPECT_EQ(zeilen[0], QStringLiteral("Text\t#FFFFFF ratio\t#FFFFFF Lc\t#767676 ratio\t#767676 Lc"));
    EXPECT_TRUE(zeilen[1].startsWith(QStringLiteral("#FFFFFF\t\t\t4.54\t-")));
    EXPECT_TRUE(zeilen[2].startsWith(QStringLiteral("#767676\t4.54\t")));
    EXPECT_TRUE(zeilen[2].endsWith(QStringLiteral("\t\t")));
}

// The German interface writes decimal commas, also in what it copies; the command line keeps the point.
TEST(ContrastTable, GermanTextsWriteADecimalComma)
{
    EXPECT_EQ(verhaeltnisText(4.6789, QLatin1Char(',')), QStringLiteral("4,68"));
    EXPECT_EQ(lcText(-0.04, QLatin1Char(',')), QStringLiteral("0,0"));
    const QRgb farben[] = {hex(0xFFFFFF), hex(0x767676)};
    const QString text =
        kontrastMatrixText(kontrastMatrix(farben), QStringLiteral("Schrift"), QStringLiteral("Verhältnis"),
                           QStringLiteral("Lc"), QLatin1Char(','));
    EXPECT_TRUE(text.contains(QStringLiteral("#767676\t4,54\t")));
    EXPECT_FALSE(text.contains(QLatin1Char('.')));
    EXPECT_TRUE(kontrastListe(farben, QStringLiteral("Schrift")).contains(QStringLiteral("\t4.54\t")));
}

TEST(ContrastTable, HexTextsAreReadOrRejected)
{
    QString fehler;
    const auto farben = farbenAusHex({QStringLiteral("#f3be0e"), QStringLiteral(" #005DA3 ")}, &fehler);
    ASSERT_EQ(farben.size(), 2u);
    EXPECT_EQ(farben[0], hex(0xF3BE0E));
    EXPECT_TRUE(farbenAusHex({QStringLiteral("#12345G")}, &fehler).empty());
    EXPECT_EQ(fehler, QStringLiteral("#12345G"));
    EXPECT_EQ(lcText(-0.04), QStringLiteral("0.0"));
}
