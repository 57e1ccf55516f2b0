#include "core/documents/ValueExport.h"
#include "core/language/LanguageTable.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace
{

std::array<FieldTexts, 4> vierFelder()
{
    return {FieldTexts{"Big field", "218", "37", "29", "#DA251D"},
            FieldTexts{"Small field left-hand side", "0", "146", "141", "#00928D"},
            FieldTexts{"Small field center", "1", "2", "3", "#010203"},
            FieldTexts{"Small field right-hand side", "255", "255", "255", "#FFFFFF"}};
}

std::vector<FieldTexts> row(int fields)
{
    std::vector<FieldTexts> z;
    for (int i = 1; i <= fields; ++i)
        z.push_back({QString("F%1").arg(i), QString::number(i), "0", "0", "#000000"});
    return z;
}

} // namespace

TEST(ValueExportText, FieldListIsTwentyThreeLinesWithoutFinalBreak)
{
    const QString text = fieldListText(vierFelder());
    EXPECT_FALSE(text.endsWith("\n"));
    EXPECT_FALSE(text.contains(QRegularExpression("[^\r]\n")));
    const QStringList rowList = text.split("\r\n");
    ASSERT_EQ(rowList.size(), 23);
    EXPECT_EQ(rowList.mid(0, 6), (QStringList{"Big field", "R: 218", "G: 37", "B: 29", "HEX: #DA251D", ""}));
    EXPECT_EQ(rowList[6], "Small field left-hand side");
    EXPECT_EQ(rowList[22], "HEX: #FFFFFF");
}

TEST(ValueExportText, FixedTextHasTheSeparatorOnceBetweenEmptyLines)
{
    const QString text = fixedText("A1\r\nA2", "-------------- FIXED --------------", "F1");
    EXPECT_EQ(text, "A1\r\nA2\r\n\r\n\r\n-------------- FIXED --------------\r\n\r\nF1");
}

TEST(ValueExportText, RowTableIndentsByLanguage)
{
    const std::vector<FieldTexts> z{{"Kleine Fl. links", "1", "2", "3", "#010203"},
                                    {"kl. Fläche Mitte", "4", "5", "6", "#040506"}};
    EXPECT_EQ(rowTableText(z, false),
              "Kleine Fl. links\r\n\t\t\t\t\tR: 1\t\tG: 2\t\tB: 3\t\tHEX: #010203\r\n\r\n"
              "kl. Fläche Mitte\r\n\t\t\t\t\tR: 4\t\tG: 5\t\tB: 6\t\tHEX: #040506");
    const QStringList en = rowTableText(z, true).split("\r\n");
    EXPECT_TRUE(en[1].startsWith(QString(8, '\t') + "R: 1"));
    EXPECT_FALSE(en[1].startsWith(QString(9, '\t')));
}

TEST(ValueExportText, ThreeFieldColourRowCopiesLeftCentreRight)
{
    const LanguageTable en = LanguageTable::forLanguage(Language::english);
    const QString text = rowTableText(rowValues(intermediateRows(1, false, en), OneBased<48>{}), true);
    const QStringList rowList = text.split("\r\n");
    ASSERT_EQ(rowList.size(), 8);
    EXPECT_EQ(rowList[0], "Small field left-hand side");
    EXPECT_EQ(rowList[3], "Small field center");
    EXPECT_EQ(rowList[6], "Small field right-hand side");
    EXPECT_FALSE(text.contains("Big field"));
}

TEST(ValueExportPrint, TwoColourFieldListPositions)
{
    PrintPage page;
    printFieldList(page, vierFelder());
    ASSERT_EQ(page.textSet.size(), 20u);
    EXPECT_EQ(page.textSet[0], (PrintText{300, 300, "Big field"}));
    EXPECT_EQ(page.textSet[1], (PrintText{300, 400, "R: 218"}));
    EXPECT_EQ(page.textSet[4], (PrintText{300, 700, "HEX: #DA251D"}));
    EXPECT_EQ(page.textSet[5], (PrintText{300, 850, "Small field left-hand side"}));
    EXPECT_EQ(page.druckZeile, 2500);
}

TEST(ValueExportPrint, FixedListFollowsTheSeparator)
{
    PrintPage page;
    printFieldList(page, vierFelder());
    printSeparator(page, "-------------- FIXED --------------");
    printFieldList(page, vierFelder());
    EXPECT_EQ(page.textSet[20], (PrintText{300, 2500, "-------------- FIXED --------------"}));
    EXPECT_EQ(page.textSet[21], (PrintText{300, 2650, "Big field"}));
}

TEST(ValueExportPrint, FiveFieldRowTable)
{
    PrintPage page;
    printRowTable(page, row(5));
    ASSERT_EQ(page.textSet.size(), 25u);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(page.textSet[static_cast<std::size_t>(5 * i)].y, 300 + 150 * i);
    EXPECT_EQ(page.textSet[0], (PrintText{300, 300, "F1"}));
    EXPECT_EQ(page.textSet[1], (PrintText{1600, 300, "R: 1"}));
    EXPECT_EQ(page.textSet[2], (PrintText{2000, 300, "G: 0"}));
    EXPECT_EQ(page.textSet[3], (PrintText{2400, 300, "B: 0"}));
    EXPECT_EQ(page.textSet[4], (PrintText{2800, 300, "HEX: #000000"}));
    EXPECT_EQ(page.druckZeile, 1050);
}
