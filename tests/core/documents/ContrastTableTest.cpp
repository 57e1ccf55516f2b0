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
    const QString header = QStringLiteral("text\tbackground\tWCAG ratio\tAPCA Lc");
    const QStringList rowList = contrastList(farben, header).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(rowList.size(), 1 + 3 * 2);
    EXPECT_EQ(rowList[0], header);
    EXPECT_EQ(rowList[1], QStringLiteral("#F3BE0E\t#005DA3\t3.94\t-51.8"));
    // Computed from the WCAG 2.2 and APCA-W3 0.1.9 formulas: 6.786 and -87.78.
    EXPECT_TRUE(rowList.contains(QStringLiteral("#FFFFFF\t#005DA3\t6.79\t-87.8")));
    EXPECT_EQ(rowList.filter(QStringLiteral("#F3BE0E\t#F3BE0E")).size(), 0);
    EXPECT_EQ(contrastList({}, header), header + QLatin1Char('\n'));
}

TEST(ContrastTable, MatrixTextIsTabSeparatedWithTextColoursAsRows)
{
    const QRgb farben[] = {hex(0xFFFFFF), hex(0x767676)};
    const ContrastMatrix m = contrastMatrix(farben);
    ASSERT_EQ(m.cells.size(), 2u);
    EXPECT_DOUBLE_EQ(m.cells[0][0].ratio, 1.0);
    EXPECT_EQ(m.cells[0][0].lc, 0.0);
    const QStringList rowList =
        contrastMatrixText(m, QStringLiteral("Text"), QStringLiteral("ratio"), QStringLiteral("Lc"))
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(rowList.size(), 3);
    EXPECT_EQ(rowList[0], QStringLiteral("Text\t#FFFFFF ratio\t#FFFFFF Lc\t#767676 ratio\t#767676 Lc"));
    EXPECT_TRUE(rowList[1].startsWith(QStringLiteral("#FFFFFF\t\t\t4.54\t-")));
    EXPECT_TRUE(rowList[2].startsWith(QStringLiteral("#767676\t4.54\t")));
    EXPECT_TRUE(rowList[2].endsWith(QStringLiteral("\t\t")));
}

// The German interface writes decimal commas, also in what it copies; the command line keeps the point.
TEST(ContrastTable, GermanTextsWriteADecimalComma)
{
    EXPECT_EQ(ratioText(4.6789, QLatin1Char(',')), QStringLiteral("4,68"));
    EXPECT_EQ(lcText(-0.04, QLatin1Char(',')), QStringLiteral("0,0"));
    const QRgb farben[] = {hex(0xFFFFFF), hex(0x767676)};
    const QString text =
        contrastMatrixText(contrastMatrix(farben), QStringLiteral("Schrift"), QStringLiteral("Verhältnis"),
                           QStringLiteral("Lc"), QLatin1Char(','));
    EXPECT_TRUE(text.contains(QStringLiteral("#767676\t4,54\t")));
    EXPECT_FALSE(text.contains(QLatin1Char('.')));
    EXPECT_TRUE(contrastList(farben, QStringLiteral("Schrift")).contains(QStringLiteral("\t4.54\t")));
}

TEST(ContrastTable, HexTextsAreReadOrRejected)
{
    QString errorBox;
    const auto farben = coloursFromHex({QStringLiteral("#f3be0e"), QStringLiteral(" #005DA3 ")}, &errorBox);
    ASSERT_EQ(farben.size(), 2u);
    EXPECT_EQ(farben[0], hex(0xF3BE0E));
    EXPECT_TRUE(coloursFromHex({QStringLiteral("#12345G")}, &errorBox).empty());
    EXPECT_EQ(errorBox, QStringLiteral("#12345G"));
    EXPECT_EQ(lcText(-0.04), QStringLiteral("0.0"));
}
