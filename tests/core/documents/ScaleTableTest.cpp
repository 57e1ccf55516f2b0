#include "core/documents/ScaleTable.h"

#include <gtest/gtest.h>

// The scales table: its editable target list, its marks for steps a simulated
// vision runs together, and its tab-separated copies.

namespace
{

ScaleStep erreicht(double ziel, QRgb rgb, double verhaeltnis, double lc)
{
    ScaleStep s;
    s.target = ziel;
    s.reached = true;
    s.rgb = rgb;
    s.wcagRatio = verhaeltnis;
    s.apcaLc = lc;
    return s;
}

ScaleStep verfehlt(double ziel)
{
    ScaleStep s;
    s.target = ziel;
    return s;
}

bool hat(const QVector<StepConfusion>& liste, Farbsehen art, int zeile)
{
    for (const StepConfusion& v : liste)
        if (v.kind == art && v.otherRow == zeile && v.distance >= 0 && v.distance < confusionDistance)
            return true;
    return false;
}

} // namespace

TEST(ScaleTable, TargetListsReadInTheInterfacesDecimals)
{
    EXPECT_EQ(targetsFromList(QStringLiteral("1,5; 2;4,5  7"), QLatin1Char(',')),
              (QVector<double>{1.5, 2, 4.5, 7}));
    EXPECT_EQ(targetsFromList(QStringLiteral("1.5, 2,4.5; 7"), QLatin1Char('.')),
              (QVector<double>{1.5, 2, 4.5, 7}));
    EXPECT_EQ(targetsListText({1.5, 2, 4.5}, QLatin1Char(',')), QStringLiteral("1,5; 2; 4,5"));
    EXPECT_EQ(targetsListText({1.5, 2, 4.5}, QLatin1Char('.')), QStringLiteral("1.5, 2, 4.5"));
    for (const char* falsch : {"", " ; ", "3, 0", "2, -1", "zwei", "1,5, 2", "inf"})
        EXPECT_FALSE(targetsFromList(QString::fromLatin1(falsch), QLatin1Char(','))) << falsch;
    EXPECT_FALSE(targetsFromList(QStringLiteral("3, 0"), QLatin1Char('.')));
}

TEST(ScaleTable, MarksARedGreenStepPairAtTheSameTargetOnly)
{
    // Dark red and dark green look alike to protans and deutans; light grey to nobody.
    const QRgb rot = qRgb(0x64, 0x1E, 0x00), gruen = qRgb(0x1E, 0x3C, 0x00), grau = qRgb(0xE0, 0xE0, 0xE0);
    const QVector<ColourScale> skalen{
        {rot, {erreicht(3, rot, 3, 60), verfehlt(7), erreicht(9, grau, 9, 90)}},
        {gruen, {erreicht(3, gruen, 3, 60), erreicht(7, gruen, 7, 80), erreicht(9, rot, 9, 90)}},
        {grau, {erreicht(3, grau, 3, 60), erreicht(7, grau, 7, 80), erreicht(9, gruen, 9, 90)}},
    };
    const auto v = stepConfusions(skalen);
    ASSERT_EQ(v.size(), 3);
    for (Farbsehen art : {Farbsehen::protanopie, Farbsehen::deuteranopie}) {
        EXPECT_TRUE(hat(v[0][0], art, 1));
        EXPECT_TRUE(hat(v[1][0], art, 0));
        EXPECT_TRUE(hat(v[1][2], art, 2)); // the same pair, in other rows
        EXPECT_TRUE(hat(v[2][2], art, 1));
    }
    for (const auto& zeile : v)
        for (const auto& stufe : zeile)
            for (const StepConfusion& c : stufe)
                EXPECT_NE(c.kind, Farbsehen::achromatopsie); // equal luminance is what a target asks
    EXPECT_TRUE(v[0][1].isEmpty());                          // not reached: nothing to confuse
    EXPECT_TRUE(v[1][1].isEmpty());                          // red's step at 7 is missing, grey's is far
    for (const StepConfusion& c : v[2][0])
        ADD_FAILURE() << "grey confused with row " << c.otherRow;
}

TEST(ScaleTable, CopiesWriteTheInterfacesDecimals)
{
    const QRgb rot = qRgb(0x64, 0x1E, 0x00);
    const QVector<ColourScale> skalen{
        {rot, {erreicht(4.5, qRgb(0xAB, 0x12, 0x00), 4.5312, 61.24), verfehlt(15)}}};
    EXPECT_EQ(scaleTableText(skalen, ContrastMethod::wcag2, {4.5, 15}, QStringLiteral("Farbe"),
                             QStringLiteral("erreicht"), QLatin1Char(',')),
              QStringLiteral("Farbe\t4,5:1\terreicht\t15:1\terreicht\n#641E00\t#AB1200\t4,53:1\t-\t-\n"));
    EXPECT_EQ(scaleRowText(skalen[0], ContrastMethod::apca, QLatin1Char('.')),
              QStringLiteral("#641E00\t#AB1200\tLc 61.2\t-\t-\n"));
}
