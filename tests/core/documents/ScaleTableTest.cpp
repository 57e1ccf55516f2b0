#include "core/documents/ScaleTable.h"

#include <gtest/gtest.h>

// The scales table: its editable target list, its marks for steps a simulated
// vision runs together, and its tab-separated copies.

namespace
{

ScaleStep erreicht(double target, QRgb rgb, double ratio, double lc)
{
    ScaleStep s;
    s.target = target;
    s.reached = true;
    s.rgb = rgb;
    s.wcagRatio = ratio;
    s.apcaLc = lc;
    return s;
}

ScaleStep verfehlt(double target)
{
    ScaleStep s;
    s.target = target;
    return s;
}

bool hat(const QVector<StepConfusion>& items, ColourVisionKind variety, int rowLine)
{
    for (const StepConfusion& v : items)
        if (v.kind == variety && v.otherRow == rowLine && v.distance >= 0 && v.distance < confusionDistance)
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
    const QVector<ColourScale> colourScales{
        {rot, {erreicht(3, rot, 3, 60), verfehlt(7), erreicht(9, grau, 9, 90)}},
        {gruen, {erreicht(3, gruen, 3, 60), erreicht(7, gruen, 7, 80), erreicht(9, rot, 9, 90)}},
        {grau, {erreicht(3, grau, 3, 60), erreicht(7, grau, 7, 80), erreicht(9, gruen, 9, 90)}},
    };
    const auto v = stepConfusions(colourScales);
    ASSERT_EQ(v.size(), 3);
    for (ColourVisionKind variety : {ColourVisionKind::protanopia, ColourVisionKind::deuteranopia}) {
        EXPECT_TRUE(hat(v[0][0], variety, 1));
        EXPECT_TRUE(hat(v[1][0], variety, 0));
        EXPECT_TRUE(hat(v[1][2], variety, 2)); // the same pair, in other rows
        EXPECT_TRUE(hat(v[2][2], variety, 1));
    }
    for (const auto& rowLine : v)
        for (const auto& level : rowLine)
            for (const StepConfusion& c : level)
                EXPECT_NE(c.kind, ColourVisionKind::achromatopsia); // equal luminance is what a target asks
    EXPECT_TRUE(v[0][1].isEmpty());                                 // not reached: nothing to confuse
    EXPECT_TRUE(v[1][1].isEmpty()); // red's step at 7 is missing, grey's is far
    for (const StepConfusion& c : v[2][0])
        ADD_FAILURE() << "grey confused with row " << c.otherRow;
}

TEST(ScaleTable, CopiesWriteTheInterfacesDecimals)
{
    const QRgb rot = qRgb(0x64, 0x1E, 0x00);
    const QVector<ColourScale> colourScales{
        {rot, {erreicht(4.5, qRgb(0xAB, 0x12, 0x00), 4.5312, 61.24), verfehlt(15)}}};
    EXPECT_EQ(scaleTableText(colourScales, ContrastMethod::wcag2, {4.5, 15}, QStringLiteral("Farbe"),
                             QStringLiteral("erreicht"), QLatin1Char(',')),
              QStringLiteral("Farbe\t4,5:1\terreicht\t15:1\terreicht\n#641E00\t#AB1200\t4,53:1\t-\t-\n"));
    EXPECT_EQ(scaleRowText(colourScales[0], ContrastMethod::apca, QLatin1Char('.')),
              QStringLiteral("#641E00\t#AB1200\tLc 61.2\t-\t-\n"));
}
