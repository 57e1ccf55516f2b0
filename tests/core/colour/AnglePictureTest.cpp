#include "core/colour/AnglePicture.h"

#include <gtest/gtest.h>

namespace
{

// A wheel stand-in whose every pixel differs from black and white.
QImage testRad()
{
    QImage rad(122, 122, QImage::Format_RGB888);
    for (int y = 0; y < 122; ++y)
        for (int x = 0; x < 122; ++x)
            rad.setPixel(x, y, qRgb(10 + x, 10 + y, 200));
    return rad;
}

// The wheel as the picture shows it before any line: white beyond its edge.
QImage radImBild()
{
    QImage bild(winkelBildGroesse, winkelBildGroesse, QImage::Format_RGB888);
    bild.fill(Qt::white);
    const QImage rad = testRad();
    for (int y = 0; y < 122; ++y)
        for (int x = 0; x < 122; ++x)
            bild.setPixel(x, y, rad.pixel(x, y));
    return bild;
}

bool schwarz(const QImage& bild, int x, int y)
{
    return bild.pixel(x, y) == qRgb(0, 0, 0);
}
bool unberuehrt(const QImage& bild, int x, int y)
{
    return bild.pixel(x, y) == radImBild().pixel(x, y);
}

QImage mitSenkrechte(int von, int bis)
{
    QImage bild = radImBild();
    for (int y = von; y <= bis; ++y)
        bild.setPixel(winkelMitte, y, qRgb(0, 0, 0));
    return bild;
}

MainState separatZustand(Modus modus)
{
    MainState s;
    s.aktionen.modus = modus;
    s.ablauf.formularBereit = true;
    s.separatModus = true;
    s.aktionen.farbenSeparatEinstellen = true;
    s.feldRechtsAn() = false;
    return s;
}

} // namespace

TEST(AngleConversions, MatchTheLabelsAndMarkers)
{
    EXPECT_EQ(winkelText(117), QStringLiteral("124 °"));
    EXPECT_EQ(winkelText(0), QStringLiteral("0 °"));
    EXPECT_EQ(linienWinkel(40), 21);
    EXPECT_EQ(ersterAbstand(60, Modus::reihen), 120);
    EXPECT_EQ(ersterAbstand(60, Modus::auffaecher), 60);
    EXPECT_EQ(winkelAbstaende(Modus::reihen, 60, 34),
              (WinkelAnzeige{QStringLiteral("128 °"), QStringLiteral("36 °"), 120, 34}));
    EXPECT_EQ(markerWinkel(0), 0);
    EXPECT_EQ(markerWinkel(451), 240);
    EXPECT_EQ(markerWinkel(677), 360);
    EXPECT_EQ(drehWinkel(339), 180);
    EXPECT_EQ(drehWinkel(677), 359);
}

TEST(AnglePicture, ThreeColourAtZeroDrawsBothLowerLinesStraightDown)
{
    QImage bild;
    const WinkelAnzeige a = zeichneWinkelBild(bild, testRad(), Modus::dreier, false, 0, 34);
    EXPECT_EQ(a.winkelO, QStringLiteral("0 °"));
    EXPECT_EQ(a.abstand1, 0);
    // Both lower radii cover rows 61..90, the upper one 32..61.
    EXPECT_EQ(bild, mitSenkrechte(32, 90));
}

TEST(AnglePicture, TwoColourShowsOnlyTheVerticalDiameter)
{
    QImage bild;
    const WinkelAnzeige a = zeichneWinkelBild(bild, testRad(), Modus::zweier, false, 40, 34);
    EXPECT_EQ(bild, mitSenkrechte(31, 91));
    EXPECT_EQ(a.winkelU, QStringLiteral("36 °"));
    EXPECT_EQ(a.abstand2, 34);
}

TEST(AnglePicture, LinesFollowModeAndAngleType)
{
    const QImage rad = testRad();
    QImage bild;

    // Four colours, type 1: two lines down at 21 degrees, two up at 18.
    zeichneWinkelBild(bild, rad, Modus::vierer, false, 40, 34);
    EXPECT_TRUE(schwarz(bild, 72, 89)); // 61 + 30 sin 21, 61 + 30 cos 21
    EXPECT_TRUE(schwarz(bild, 50, 89));
    EXPECT_TRUE(schwarz(bild, 52, 32)); // 61 -+ 30 sin 18, 61 - 30 cos 18
    EXPECT_TRUE(schwarz(bild, 70, 32));
    EXPECT_TRUE(unberuehrt(bild, 61, 40));
    EXPECT_TRUE(unberuehrt(bild, 61, 80));

    // Type 2: the diameter replaces the upper pair.
    zeichneWinkelBild(bild, rad, Modus::vierer, true, 40, 34);
    EXPECT_TRUE(schwarz(bild, 72, 89));
    EXPECT_TRUE(schwarz(bild, 61, 31));
    EXPECT_TRUE(schwarz(bild, 61, 91));
    EXPECT_TRUE(unberuehrt(bild, 52, 32));

    // Colour rows never get the upper radius, fanning always does.
    zeichneWinkelBild(bild, rad, Modus::reihen, true, 20, 34);
    EXPECT_TRUE(unberuehrt(bild, 61, 40));
    zeichneWinkelBild(bild, rad, Modus::auffaecher, false, 20, 34);
    EXPECT_TRUE(schwarz(bild, 61, 40));
    EXPECT_TRUE(unberuehrt(bild, 61, 80));
}

TEST(AnglePicture, RedrawLeavesNothingOfThePreviousPicture)
{
    const QImage rad = testRad();
    QImage frisch;
    zeichneWinkelBild(frisch, rad, Modus::dreier, false, 80, 34);

    QImage wiederholt;
    zeichneWinkelBild(wiederholt, rad, Modus::vierer, false, 117, 117);
    MainState s = separatZustand(Modus::vierer);
    zeichneMarkerBild(wiederholt, rad, s);
    zeichneWinkelBild(wiederholt, rad, Modus::dreier, false, 80, 34);
    EXPECT_EQ(wiederholt, frisch);

    // Whatever picture comes in, the result is the 123 x 123 one, white beyond the wheel.
    QImage falsch(10, 10, QImage::Format_ARGB32);
    zeichneWinkelBild(falsch, rad, Modus::dreier, false, 80, 34);
    EXPECT_EQ(falsch, frisch);
    EXPECT_EQ(frisch.pixel(122, 5), qRgb(255, 255, 255));
    EXPECT_EQ(frisch.pixel(5, 122), qRgb(255, 255, 255));

    QImage ohneRad;
    zeichneWinkelBild(ohneRad, QImage(), Modus::zweier, false, 0, 0);
    EXPECT_EQ(ohneRad.size(), QSize(123, 123));
    EXPECT_EQ(ohneRad.pixel(5, 5), qRgb(255, 255, 255));
}

TEST(AngleMarkers, RedrawOnlyOnceEveryFieldThatIsOnHasMoved)
{
    MainState s = separatZustand(Modus::dreier);
    s.ablauf.formularBereit = false;
    s.posGross() = 100;
    EXPECT_FALSE(winkelZeichnenPruefen(s));
    EXPECT_EQ(s.farbWerte[slot::posGezeichnetGross], 0);

    s.ablauf.formularBereit = true;
    s.posGross() = 0;
    EXPECT_FALSE(winkelZeichnenPruefen(s)); // still where it was drawn
    s.posGross() = 100;
    s.posLinks() = 500;
    s.posMitte() = 600;
    EXPECT_TRUE(winkelZeichnenPruefen(s));
    EXPECT_EQ(s.farbWerte[slot::posGezeichnetGross], 100);
    EXPECT_EQ(s.farbWerte[slot::posGezeichnetRechts], 339);
    EXPECT_EQ(s.farbWerte[slot::posGezeichnetLinks], 500);
    EXPECT_EQ(s.farbWerte[slot::posGezeichnetMitte], 67); // no centre field in three colours
    EXPECT_FALSE(winkelZeichnenPruefen(s));

    // With the big field off, an unmoved left field holds the drawing back.
    s.feldGrossAn() = false;
    s.feldLinksAn() = true;
    s.posGross() = 200;
    EXPECT_FALSE(winkelZeichnenPruefen(s));
    for (int i = slot::posGezeichnetGross; i <= slot::posGezeichnetMitte; ++i)
        s.farbWerte[i] = -1;
    EXPECT_TRUE(winkelZeichnenPruefen(s));
}

TEST(AngleMarkers, AxisMarkerGrowsAndTheFollowingOnesKeepTheLength)
{
    const QImage rad = testRad();
    MainState s = separatZustand(Modus::zweier);
    s.posGross() = 0;    // 0 degrees: length 31
    s.posRechts() = 508; // 270 degrees, drawn after it: 31 as well
    QImage bild;
    const MarkerTexte t = zeichneMarkerBild(bild, rad, s);
    EXPECT_EQ(t, (MarkerTexte{QStringLiteral("0°"), QStringLiteral("270°"), {}, {}}));
    EXPECT_TRUE(schwarz(bild, 61, 31));
    EXPECT_TRUE(unberuehrt(bild, 61, 30));
    EXPECT_TRUE(schwarz(bild, 31, 61));
    EXPECT_TRUE(unberuehrt(bild, 30, 61));

    s.posGross() = 10; // 5 degrees: the right marker stays at 30
    zeichneMarkerBild(bild, rad, s);
    EXPECT_TRUE(schwarz(bild, 32, 61));
    EXPECT_TRUE(unberuehrt(bild, 31, 61));
}

TEST(AngleMarkers, EndPointsUseSinglePrecision)
{
    // At 240 degrees and length 31 the end row is 76.5 with a float cosine
    // (rounds to 76) but just above it with a double one.
    MainState s = separatZustand(Modus::zweier);
    s.posGross() = 451;
    s.posRechts() = 339;
    QImage bild;
    zeichneMarkerBild(bild, testRad(), s);
    EXPECT_TRUE(schwarz(bild, 34, 76));
    EXPECT_TRUE(unberuehrt(bild, 34, 77));
}

TEST(AngleMarkers, LabelsFollowTheFieldsOfTheMode)
{
    MainState s = separatZustand(Modus::vierer);
    s.posGross() = 677;
    s.posRechts() = 339;
    s.posLinks() = 413;
    s.posMitte() = 67;
    QImage bild;
    EXPECT_EQ(zeichneMarkerBild(bild, testRad(), s),
              (MarkerTexte{QStringLiteral("360°"), QStringLiteral("180°"), QStringLiteral("220°"),
                           QStringLiteral("36°")}));
    s.aktionen.modus = Modus::dreier;
    EXPECT_EQ(zeichneMarkerBild(bild, testRad(), s).label12, QStringLiteral("220°"));
    EXPECT_TRUE(zeichneMarkerBild(bild, testRad(), s).label13.isEmpty());
}
