#include "core/documents/ValueExport.h"
#include "core/language/LanguageTable.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace
{

std::array<FeldTexte, 4> vierFelder()
{
    return {FeldTexte{"Big field", "218", "37", "29", "#DA251D"},
            FeldTexte{"Small field left-hand side", "0", "146", "141", "#00928D"},
            FeldTexte{"Small field center", "1", "2", "3", "#010203"},
            FeldTexte{"Small field right-hand side", "255", "255", "255", "#FFFFFF"}};
}

std::vector<FeldTexte> reihe(int felder)
{
    std::vector<FeldTexte> z;
    for (int i = 1; i <= felder; ++i)
        z.push_back({QString("F%1").arg(i), QString::number(i), "0", "0", "#000000"});
    return z;
}

} // namespace

TEST(ValueExportText, FieldListIsTwentyThreeLinesWithoutFinalBreak)
{
    const QString text = feldListeText(vierFelder());
    EXPECT_FALSE(text.endsWith("\n"));
    EXPECT_FALSE(text.contains(QRegularExpression("[^\r]\n")));
    const QStringList zeilen = text.split("\r\n");
    ASSERT_EQ(zeilen.size(), 23);
    EXPECT_EQ(zeilen.mid(0, 6), (QStringList{"Big field", "R: 218", "G: 37", "B: 29", "HEX: #DA251D", ""}));
    EXPECT_EQ(zeilen[6], "Small field left-hand side");
    EXPECT_EQ(zeilen[22], "HEX: #FFFFFF");
}

TEST(ValueExportText, FixedTextHasTheSeparatorOnceBetweenEmptyLines)
{
    const QString text = fixiertText("A1\r\nA2", "-------------- FIXED --------------", "F1");
    EXPECT_EQ(text, "A1\r\nA2\r\n\r\n\r\n-------------- FIXED --------------\r\n\r\nF1");
}

TEST(ValueExportText, RowTableIndentsByLanguage)
{
    const std::vector<FeldTexte> z{{"Kleine Fl. links", "1", "2", "3", "#010203"},
                                   {"kl. Fläche Mitte", "4", "5", "6", "#040506"}};
    EXPECT_EQ(reihenTabelleText(z, false),
              "Kleine Fl. links\r\n\t\t\t\t\tR: 1\t\tG: 2\t\tB: 3\t\tHEX: #010203\r\n\r\n"
              "kl. Fläche Mitte\r\n\t\t\t\t\tR: 4\t\tG: 5\t\tB: 6\t\tHEX: #040506");
    const QStringList en = reihenTabelleText(z, true).split("\r\n");
    EXPECT_TRUE(en[1].startsWith(QString(8, '\t') + "R: 1"));
    EXPECT_FALSE(en[1].startsWith(QString(9, '\t')));
}

TEST(ValueExportText, ThreeFieldColourRowCopiesLeftCentreRight)
{
    const LanguageTable en = LanguageTable::forLanguage(Sprache::englisch);
    const QString text = reihenTabelleText(zeilenWerte(zwischenZeilen(1, false, en), OneBased<48>{}), true);
    const QStringList zeilen = text.split("\r\n");
    ASSERT_EQ(zeilen.size(), 8);
    EXPECT_EQ(zeilen[0], "Small field left-hand side");
    EXPECT_EQ(zeilen[3], "Small field center");
    EXPECT_EQ(zeilen[6], "Small field right-hand side");
    EXPECT_FALSE(text.contains("Big field"));
}

TEST(ValueExportPrint, TwoColourFieldListPositions)
{
    DruckSeite seite;
    feldListeDrucken(seite, vierFelder());
    ASSERT_EQ(seite.texte.size(), 20u);
    EXPECT_EQ(seite.texte[0], (DruckText{300, 300, "Big field"}));
    EXPECT_EQ(seite.texte[1], (DruckText{300, 400, "R: 218"}));
    EXPECT_EQ(seite.texte[4], (DruckText{300, 700, "HEX: #DA251D"}));
    EXPECT_EQ(seite.texte[5], (DruckText{300, 850, "Small field left-hand side"}));
    EXPECT_EQ(seite.druckZeile, 2500);
}

TEST(ValueExportPrint, FixedListFollowsTheSeparator)
{
    DruckSeite seite;
    feldListeDrucken(seite, vierFelder());
    trennerDrucken(seite, "-------------- FIXED --------------");
    feldListeDrucken(seite, vierFelder());
    EXPECT_EQ(seite.texte[20], (DruckText{300, 2500, "-------------- FIXED --------------"}));
    EXPECT_EQ(seite.texte[21], (DruckText{300, 2650, "Big field"}));
}

TEST(ValueExportPrint, FiveFieldRowTable)
{
    DruckSeite seite;
    reihenTabelleDrucken(seite, reihe(5));
    ASSERT_EQ(seite.texte.size(), 25u);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(seite.texte[static_cast<std::size_t>(5 * i)].y, 300 + 150 * i);
    EXPECT_EQ(seite.texte[0], (DruckText{300, 300, "F1"}));
    EXPECT_EQ(seite.texte[1], (DruckText{1600, 300, "R: 1"}));
    EXPECT_EQ(seite.texte[2], (DruckText{2000, 300, "G: 0"}));
    EXPECT_EQ(seite.texte[3], (DruckText{2400, 300, "B: 0"}));
    EXPECT_EQ(seite.texte[4], (DruckText{2800, 300, "HEX: #000000"}));
    EXPECT_EQ(seite.druckZeile, 1050);
}
