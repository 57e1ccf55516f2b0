#include "core/colour/AnglePicture.h"

#include <gtest/gtest.h>

namespace
{

// A wheel currentState-in whose every pixel differs from black and white.
QImage testRad()
{
    QImage wheel(122, 122, QImage::Format_RGB888);
    for (int y = 0; y < 122; ++y)
        for (int x = 0; x < 122; ++x)
            wheel.setPixel(x, y, qRgb(10 + x, 10 + y, 200));
    return wheel;
}

// The wheel as the picture shows it before any line: white beyond its edge.
QImage radImBild()
{
    QImage picture(anglePictureSize, anglePictureSize, QImage::Format_RGB888);
    picture.fill(Qt::white);
    const QImage wheel = testRad();
    for (int y = 0; y < 122; ++y)
        for (int x = 0; x < 122; ++x)
            picture.setPixel(x, y, wheel.pixel(x, y));
    return picture;
}

bool onBlack(const QImage& picture, int x, int y)
{
    return picture.pixel(x, y) == qRgb(0, 0, 0);
}
bool unberuehrt(const QImage& picture, int x, int y)
{
    return picture.pixel(x, y) == radImBild().pixel(x, y);
}

QImage mitSenkrechte(int von, int bis)
{
    QImage picture = radImBild();
    for (int y = von; y <= bis; ++y)
        picture.setPixel(angleCentre, y, qRgb(0, 0, 0));
    return picture;
}

MainState separatZustand(HarmonyMode harmonyMode)
{
    MainState s;
    s.actionSet.harmonyMode = harmonyMode;
    s.separatModus = true;
    s.actionSet.farbenSeparatEinstellen = true;
    s.feldRechtsAn() = false;
    return s;
}

} // namespace

TEST(AngleConversions, MatchTheLabelsAndMarkers)
{
    EXPECT_EQ(angleText(117), QStringLiteral("124 °"));
    EXPECT_EQ(angleText(0), QStringLiteral("0 °"));
    EXPECT_EQ(lineAngle(40), 21);
    EXPECT_EQ(firstDistance(60, HarmonyMode::colourRows), 120);
    EXPECT_EQ(firstDistance(60, HarmonyMode::fanning), 60);
    EXPECT_EQ(angleDistances(HarmonyMode::colourRows, 60, 34),
              (AngleDisplay{QStringLiteral("128 °"), QStringLiteral("36 °"), 120, 34}));
    EXPECT_EQ(markerAngle(0), 0);
    EXPECT_EQ(markerAngle(451), 240);
    EXPECT_EQ(markerAngle(677), 360);
    EXPECT_EQ(wheelAngle(339), 180);
    EXPECT_EQ(wheelAngle(677), 359);
}

TEST(AnglePicture, ThreeColourAtZeroDrawsBothLowerLinesStraightDown)
{
    QImage picture;
    const AngleDisplay a = drawAnglePicture(picture, testRad(), HarmonyMode::threeColour, false, 0, 34);
    EXPECT_EQ(a.firstAngleText, QStringLiteral("0 °"));
    EXPECT_EQ(a.abstand1, 0);
    // Both lower radii cover rows 61..90, the upper one 32..61.
    EXPECT_EQ(picture, mitSenkrechte(32, 90));
}

TEST(AnglePicture, TwoColourShowsOnlyTheVerticalDiameter)
{
    QImage picture;
    const AngleDisplay a = drawAnglePicture(picture, testRad(), HarmonyMode::twoColour, false, 40, 34);
    EXPECT_EQ(picture, mitSenkrechte(31, 91));
    EXPECT_EQ(a.secondAngleText, QStringLiteral("36 °"));
    EXPECT_EQ(a.abstand2, 34);
}

TEST(AnglePicture, LinesFollowModeAndAngleType)
{
    const QImage wheel = testRad();
    QImage picture;

    // Four colours, type 1: two lines down at 21 degrees, two up at 18.
    drawAnglePicture(picture, wheel, HarmonyMode::fourColour, false, 40, 34);
    EXPECT_TRUE(onBlack(picture, 72, 89)); // 61 + 30 sin 21, 61 + 30 cos 21
    EXPECT_TRUE(onBlack(picture, 50, 89));
    EXPECT_TRUE(onBlack(picture, 52, 32)); // 61 -+ 30 sin 18, 61 - 30 cos 18
    EXPECT_TRUE(onBlack(picture, 70, 32));
    EXPECT_TRUE(unberuehrt(picture, 61, 40));
    EXPECT_TRUE(unberuehrt(picture, 61, 80));

    // Type 2: the diameter replaces the upper pair.
    drawAnglePicture(picture, wheel, HarmonyMode::fourColour, true, 40, 34);
    EXPECT_TRUE(onBlack(picture, 72, 89));
    EXPECT_TRUE(onBlack(picture, 61, 31));
    EXPECT_TRUE(onBlack(picture, 61, 91));
    EXPECT_TRUE(unberuehrt(picture, 52, 32));

    // Colour rows never get the upper radius, fanning always does.
    drawAnglePicture(picture, wheel, HarmonyMode::colourRows, true, 20, 34);
    EXPECT_TRUE(unberuehrt(picture, 61, 40));
    drawAnglePicture(picture, wheel, HarmonyMode::fanning, false, 20, 34);
    EXPECT_TRUE(onBlack(picture, 61, 40));
    EXPECT_TRUE(unberuehrt(picture, 61, 80));
}

TEST(AnglePicture, RedrawLeavesNothingOfThePreviousPicture)
{
    const QImage wheel = testRad();
    QImage frisch;
    drawAnglePicture(frisch, wheel, HarmonyMode::threeColour, false, 80, 34);

    QImage wiederholt;
    drawAnglePicture(wiederholt, wheel, HarmonyMode::fourColour, false, 117, 117);
    MainState s = separatZustand(HarmonyMode::fourColour);
    drawMarkerPicture(wiederholt, wheel, s);
    drawAnglePicture(wiederholt, wheel, HarmonyMode::threeColour, false, 80, 34);
    EXPECT_EQ(wiederholt, frisch);

    // Whatever picture comes in, the result is the 123 x 123 one, white beyond the wheel.
    QImage falsch(10, 10, QImage::Format_ARGB32);
    drawAnglePicture(falsch, wheel, HarmonyMode::threeColour, false, 80, 34);
    EXPECT_EQ(falsch, frisch);
    EXPECT_EQ(frisch.pixel(122, 5), qRgb(255, 255, 255));
    EXPECT_EQ(frisch.pixel(5, 122), qRgb(255, 255, 255));

    QImage ohneRad;
    drawAnglePicture(ohneRad, QImage(), HarmonyMode::twoColour, false, 0, 0);
    EXPECT_EQ(ohneRad.size(), QSize(123, 123));
    EXPECT_EQ(ohneRad.pixel(5, 5), qRgb(255, 255, 255));
}

TEST(AngleMarkers, RedrawOnlyOnceEveryFieldThatIsOnHasMoved)
{
    MainState s = separatZustand(HarmonyMode::threeColour);
    bool shown = false; // before the window is first shown
    s.posGross() = 100;
    EXPECT_FALSE(checkAngleDrawing(s, shown));
    EXPECT_EQ(s.farbWerte[slot::posGezeichnetGross], 0);

    shown = true;
    s.posGross() = 0;
    EXPECT_FALSE(checkAngleDrawing(s, shown)); // still where it was drawn
    s.posGross() = 100;
    s.posLinks() = 500;
    s.posMitte() = 600;
    EXPECT_TRUE(checkAngleDrawing(s, shown));
    EXPECT_EQ(s.farbWerte[slot::posGezeichnetGross], 100);
    EXPECT_EQ(s.farbWerte[slot::posGezeichnetRechts], 339);
    EXPECT_EQ(s.farbWerte[slot::posGezeichnetLinks], 500);
    EXPECT_EQ(s.farbWerte[slot::posGezeichnetMitte], 67); // no centre field in three colours
    EXPECT_FALSE(checkAngleDrawing(s, shown));

    // With the big field off, an unmoved left field holds the drawing back.
    s.feldGrossAn() = false;
    s.feldLinksAn() = true;
    s.posGross() = 200;
    EXPECT_FALSE(checkAngleDrawing(s, shown));
    for (int i = slot::posGezeichnetGross; i <= slot::posGezeichnetMitte; ++i)
        s.farbWerte[i] = -1;
    EXPECT_TRUE(checkAngleDrawing(s, shown));
}

TEST(AngleMarkers, AxisMarkerGrowsAndTheFollowingOnesKeepTheLength)
{
    const QImage wheel = testRad();
    MainState s = separatZustand(HarmonyMode::twoColour);
    s.posGross() = 0;    // 0 degrees: length 31
    s.posRechts() = 508; // 270 degrees, drawn after it: 31 as well
    QImage picture;
    const MarkerLabels t = drawMarkerPicture(picture, wheel, s);
    EXPECT_EQ(t, (MarkerLabels{QStringLiteral("0°"), QStringLiteral("270°"), {}, {}}));
    EXPECT_TRUE(onBlack(picture, 61, 31));
    EXPECT_TRUE(unberuehrt(picture, 61, 30));
    EXPECT_TRUE(onBlack(picture, 31, 61));
    EXPECT_TRUE(unberuehrt(picture, 30, 61));

    s.posGross() = 10; // 5 degrees: the right marker stays at 30
    drawMarkerPicture(picture, wheel, s);
    EXPECT_TRUE(onBlack(picture, 32, 61));
    EXPECT_TRUE(unberuehrt(picture, 31, 61));
}

TEST(AngleMarkers, EndPointsUseSinglePrecision)
{
    // At 240 degrees and length 31 the end row is 76.5 with a float cosine
    // (rounds to 76) but just above it with a double one.
    MainState s = separatZustand(HarmonyMode::twoColour);
    s.posGross() = 451;
    s.posRechts() = 339;
    QImage picture;
    drawMarkerPicture(picture, testRad(), s);
    EXPECT_TRUE(onBlack(picture, 34, 76));
    EXPECT_TRUE(unberuehrt(picture, 34, 77));
}

TEST(AngleMarkers, LabelsFollowTheFieldsOfTheMode)
{
    MainState s = separatZustand(HarmonyMode::fourColour);
    s.posGross() = 677;
    s.posRechts() = 339;
    s.posLinks() = 413;
    s.posMitte() = 67;
    QImage picture;
    EXPECT_EQ(drawMarkerPicture(picture, testRad(), s),
              (MarkerLabels{QStringLiteral("360°"), QStringLiteral("180°"), QStringLiteral("220°"),
                            QStringLiteral("36°")}));
    s.actionSet.harmonyMode = HarmonyMode::threeColour;
    EXPECT_EQ(drawMarkerPicture(picture, testRad(), s).label12, QStringLiteral("220°"));
    EXPECT_TRUE(drawMarkerPicture(picture, testRad(), s).label13.isEmpty());
}

// At twice the pixels the diameter that covers column 61 covers device
// columns 122 and 123, and nothing beside them.
TEST(AnglePicture, SharpLinesLieWhereTheOrdinaryOnesDo)
{
    QImage white(246, 246, QImage::Format_RGB32);
    white.fill(Qt::white);
    white.setDevicePixelRatio(2.0);
    const QImage sharp = sharpAnglePicture(white, anglePictureLines(HarmonyMode::twoColour, false, 40, 34));
    EXPECT_EQ(sharp.devicePixelRatio(), 2.0);
    for (int y : {70, 122, 170}) {
        EXPECT_EQ(sharp.pixel(122, y), qRgb(0, 0, 0)) << y;
        EXPECT_EQ(sharp.pixel(123, y), qRgb(0, 0, 0)) << y;
        EXPECT_EQ(sharp.pixel(121, y), qRgb(255, 255, 255)) << y;
        EXPECT_EQ(sharp.pixel(124, y), qRgb(255, 255, 255)) << y;
    }
    EXPECT_EQ(sharp.pixel(122, 40), qRgb(255, 255, 255)); // above the diameter's top, row 31
}
