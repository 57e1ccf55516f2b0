#include "core/layout/WindowLayout.h"

#include <gtest/gtest.h>

#include <set>

TEST(WindowLayoutGeometry, ReferenceSizeGivesTheDesignPositions)
{
    const DisplayGeometry g = displayGeometry(680, 362, 4, 4);
    EXPECT_EQ(g.kleinRechts, QRect(414, 210, 186, 91));
    EXPECT_EQ(g.kleinLinks, QRect(72, 210, 186, 91));
    EXPECT_EQ(g.kleinMitte, QRect(243, 66, 186, 91));

    EXPECT_EQ(g.fixedLinksBreite, 339);
    EXPECT_EQ(g.fixedHoehe, 360);
    EXPECT_EQ(g.fixedRechtsBreite, 341);
    EXPECT_EQ(g.fixedRechtsLinks, 339);
    EXPECT_EQ(g.fixedKleinRechts, QRect(185, 234, 130, 73));
    EXPECT_EQ(g.fixedKleinLinks, QRect(22, 234, 130, 73));
    EXPECT_EQ(g.fixedKleinMitte, QRect(103, 126, 130, 73));
    EXPECT_EQ(g.fixedReihenLinksBreite, 339);
    EXPECT_EQ(g.fixedReihenRechtsBreite, 341);
    EXPECT_EQ(g.fixedReihenRechtsLinks, 339);
    EXPECT_EQ(g.fixedReihenHoehe, 360);
}

TEST(WindowLayoutGeometry, ReferenceRowSpreadsFifteenPanelsEvenly)
{
    const DisplayGeometry g = displayGeometry(680, 362, 4, 4);
    // w = 40, d = 680 - 2 - 600 = 78, gap = 58 div 14 = 4, first = 22 div 2 - 1 = 10.
    EXPECT_EQ(g.reihe.width, 40);
    EXPECT_EQ(g.reihe.height, 116);
    EXPECT_EQ(g.reihe.top, 190);
    EXPECT_EQ(g.reihe.gap, 4);
    for (std::size_t k = 1; k <= 15; ++k)
        EXPECT_EQ(g.reihe.tag[k], 10 + 44 * static_cast<int>(k - 1)) << "R" << k;
    EXPECT_EQ(g.r1Hint, QStringLiteral("10"));
    EXPECT_EQ(g.r15Hint, QStringLiteral("626"));
}

TEST(WindowLayoutGeometry, ReferenceFixedRowsMatchTheirDesignSteps)
{
    const DisplayGeometry g = displayGeometry(680, 362, 4, 7);
    // d = 341 - 300 = 41, gap = 29 div 14 = 2, first = 13 div 2 - 1 = 5: x 5, 27, .. 313.
    EXPECT_EQ(g.fixedReihe.width, 20);
    EXPECT_EQ(g.fixedReihe.height, 100);
    EXPECT_EQ(g.fixedReihe.top, 210);
    for (std::size_t k = 1; k <= 15; ++k)
        EXPECT_EQ(g.fixedReihe.tag[k], 5 + 22 * static_cast<int>(k - 1)) << "R" << k << "Re";
    // Four steps on the right: the outer panels stand where R4Re and R12Re would.
    EXPECT_EQ(g.r1ReLinks, 71);
    EXPECT_EQ(g.r15ReLinks, 247);
    // Seven steps on the left: the outer panels stay at their own places.
    EXPECT_EQ(g.r1LiLinks, 5);
    EXPECT_EQ(g.r15LiLinks, 313);
}

TEST(WindowLayoutGeometry, OuterFixedPanelsFollowTheStepCountAndClampIt)
{
    // Design x of R(8-k)Re and R(8+k)Re: 5 + 22 (8 -+ k - 1).
    const RowGeometry r = displayGeometry(680, 362, 4, 4).fixedReihe;
    EXPECT_EQ(aeussereFixedPanels(r, 1), std::make_pair(137, 181));
    EXPECT_EQ(aeussereFixedPanels(r, 6), std::make_pair(27, 291));
    EXPECT_EQ(aeussereFixedPanels(r, 7), std::make_pair(5, 313));
    // Odd stored values stay inside the row instead of indexing past it.
    EXPECT_EQ(aeussereFixedPanels(r, 0), aeussereFixedPanels(r, 1));
    EXPECT_EQ(aeussereFixedPanels(r, -3), aeussereFixedPanels(r, 1));
    EXPECT_EQ(aeussereFixedPanels(r, 12), aeussereFixedPanels(r, 7));
}

TEST(WindowLayoutGeometry, ScaledValuesRoundHalvesToEven)
{
    // 170 x 186 / 680 = 46.5, 170 x 414 / 680 = 103.5, 181 x 91 / 362 = 45.5.
    const DisplayGeometry g = displayGeometry(170, 181, 4, 4);
    EXPECT_EQ(g.kleinRechts.width(), 46);
    EXPECT_EQ(g.kleinRechts.left(), 104);
    EXPECT_EQ(g.kleinRechts.height(), 46);
    EXPECT_EQ(g.kleinRechts.top(), 105);
}

TEST(WindowLayoutGeometry, RowDivisionsTruncateTowardZeroOnNarrowDisplays)
{
    // W = 50: w = 2, d = 18, gap = -2 div 14 = 0 (not -1), first = 8.
    const RowGeometry schmal = displayGeometry(50, 362, 4, 4).reihe;
    EXPECT_EQ(schmal.width, 2);
    EXPECT_EQ(schmal.gap, 0);
    EXPECT_EQ(schmal.tag[1], 8);
    // W = 20: w = 1, d = 3, gap = -17 div 14 = -1 (not -2), first = 17 div 2 - 1 = 7.
    const RowGeometry winzig = displayGeometry(20, 362, 4, 4).reihe;
    EXPECT_EQ(winzig.gap, -1);
    EXPECT_EQ(winzig.tag[1], 7);
    EXPECT_EQ(winzig.tag[2], 7);
}

TEST(WindowLayoutGeometry, LargerDisplayScalesEveryField)
{
    const DisplayGeometry g = displayGeometry(1360, 724, 4, 4);
    EXPECT_EQ(g.kleinRechts, QRect(828, 420, 372, 182));
    EXPECT_EQ(g.reihe.width, 80);
    EXPECT_EQ(g.fixedLinksBreite + g.fixedRechtsBreite, 1360); // the two halves fill the display
}

TEST(WindowLayoutScreen, CompactLayoutOnlyBelow1020By764)
{
    EXPECT_FALSE(kompaktesLayoutNoetig(QSize(1024, 768)));
    EXPECT_FALSE(kompaktesLayoutNoetig(QSize(1020, 764)));
    EXPECT_TRUE(kompaktesLayoutNoetig(QSize(1016, 768)));
    EXPECT_TRUE(kompaktesLayoutNoetig(QSize(1280, 720)));
    EXPECT_TRUE(kompaktesLayoutNoetig(QSize(800, 600)));
}

namespace
{
const Platzierung* finde(const QString& name)
{
    for (const Platzierung& p : kompaktPlatzierungen())
        if (p.name == name)
            return &p;
    return nullptr;
}
} // namespace

TEST(WindowLayoutCompact, TableNamesEveryControlOnceWithItsPlacement)
{
    std::set<QString> namen;
    for (const Platzierung& p : kompaktPlatzierungen())
        EXPECT_TRUE(namen.insert(p.name).second) << p.name.toStdString() << " placed twice";

    const Platzierung* bg = finde(QStringLiteral("panelBG"));
    ASSERT_NE(bg, nullptr);
    EXPECT_EQ(QRect(bg->left, bg->top, bg->width, bg->height), QRect(527, 115, 226, 409));
    EXPECT_TRUE(bg->ohneAusrichtung);
    EXPECT_TRUE(bg->nachVorne);

    const Platzierung* anzeige = finde(QStringLiteral("Anzeige"));
    ASSERT_NE(anzeige, nullptr);
    EXPECT_EQ(anzeige->left, keep);
    EXPECT_EQ(anzeige->top, 128);
    EXPECT_EQ(anzeige->width, 522);
    EXPECT_EQ(anzeige->height, 273);

    const Platzierung* bild = finde(QStringLiteral("Image3"));
    ASSERT_NE(bild, nullptr);
    EXPECT_TRUE(bild->gestreckt);
    EXPECT_EQ(bild->width, 127);
    EXPECT_EQ(bild->height, 126);
}

TEST(WindowLayoutCompact, RowsAndValueTextsGetTheirCompactPlaces)
{
    for (int k = 1; k <= 15; ++k) {
        const Platzierung* r = finde(QStringLiteral("R%1").arg(k));
        ASSERT_NE(r, nullptr);
        EXPECT_EQ(r->left, 6 + 34 * (k - 1));
        EXPECT_EQ(QRect(0, r->top, r->width, r->height), QRect(0, 150, 31, 90));
        const Platzierung* re = finde(QStringLiteral("R%1Re").arg(k));
        const Platzierung* li = finde(QStringLiteral("R%1Li").arg(k));
        ASSERT_TRUE(re && li);
        EXPECT_EQ(re->left, 11 + 16 * (k - 1));
        EXPECT_EQ(li->left, re->left);
    }
    EXPECT_EQ(finde(QStringLiteral("SKlUnLiHex"))->top, 16);
    EXPECT_EQ(finde(QStringLiteral("SKlObMiG"))->top, 32);
    EXPECT_EQ(finde(QStringLiteral("SKlUnR"))->top, 48);
    EXPECT_EQ(finde(QStringLiteral("SGrObR")), nullptr); // the big field's row stays where it is
}

TEST(WindowLayoutPlacement, StoredPlacementOnScreenIsKept)
{
    const QList<QRect> screens{QRect(0, 0, 1920, 1080)};
    EXPECT_EQ(sichtbarePlatzierung(QRect(100, 50, 988, 728), screens), QRect(100, 50, 988, 728));
    // A window partly beyond the right edge comes back onto the screen.
    EXPECT_EQ(sichtbarePlatzierung(QRect(1500, 50, 988, 728), screens), QRect(932, 50, 988, 728));
    // On a second screen to the left.
    const QList<QRect> zwei{QRect(0, 0, 1920, 1080), QRect(-1280, 0, 1280, 1024)};
    EXPECT_EQ(sichtbarePlatzierung(QRect(-1200, 10, 988, 728), zwei), QRect(-1200, 10, 988, 728));
}

TEST(WindowLayoutPlacement, LostOrDegenerateWindowFallsBackToTheDefault)
{
    const QList<QRect> screens{QRect(0, 0, 1920, 1080)};
    const QRect standard(0, 0, 988, 728);
    EXPECT_EQ(sichtbarePlatzierung(QRect(5000, 40, 988, 728), screens), standard);  // screen since removed
    EXPECT_EQ(sichtbarePlatzierung(QRect(100, -600, 988, 728), screens), standard); // title bar above
    EXPECT_EQ(sichtbarePlatzierung(QRect(100, 100, 1, 1), screens), standard);
    EXPECT_EQ(sichtbarePlatzierung(QRect(100, 100, 988, 728), {}), standard);
    const QList<QRect> versetzt{QRect(1920, 0, 1280, 1024)};
    EXPECT_EQ(sichtbarePlatzierung(QRect(0, 0, 988, 728), versetzt), QRect(1920, 0, 988, 728));
}

// A placement larger than the available area is shrunk and moved into it,
// frame included, the stored one and the default alike.
TEST(WindowLayoutPlacement, APlacementThatDoesNotFitIsMovedAndShrunkIntoTheScreen)
{
    const QMargins ohne;
    const QMargins rahmen(4, 30, 4, 4); // title bar and border
    struct Fall {
        QRect bildschirm, gespeichert;
        QMargins rahmen;
        QRect erwartet;
    };
    for (const Fall& f : {
             // 2560 x 1440 at scale 2, with a panel at the top: the default would leave the status bar out.
             Fall{QRect(0, 32, 1280, 688), QRect(0, 0, 988, 728), ohne, QRect(0, 32, 988, 688)},
             Fall{QRect(0, 0, 1280, 720), QRect(0, 0, 988, 728), rahmen, QRect(0, 0, 988, 686)},
             Fall{QRect(0, 0, 1280, 720), QRect(200, 100, 988, 728), rahmen, QRect(200, 0, 988, 686)},
             Fall{QRect(0, 0, 1024, 600), QRect(300, 50, 988, 728), ohne, QRect(36, 0, 988, 600)},
             Fall{QRect(0, 0, 1024, 600), QRect(300, 50, 988, 728), rahmen, QRect(28, 0, 988, 566)},
             Fall{QRect(0, 0, 800, 600), QRect(0, 0, 988, 728), ohne, QRect(0, 0, 800, 600)},
             Fall{QRect(0, 0, 800, 600), QRect(10, 20, 988, 728), rahmen, QRect(0, 0, 792, 566)},
             // What fits stays where it was.
             Fall{QRect(0, 0, 800, 600), QRect(10, 20, 600, 400), rahmen, QRect(10, 20, 600, 400)},
         }) {
        const QRect ist = sichtbarePlatzierung(f.gespeichert, {f.bildschirm}, f.rahmen);
        EXPECT_EQ(ist, f.erwartet) << f.bildschirm.width() << "x" << f.bildschirm.height();
        EXPECT_TRUE(f.bildschirm.contains(
            ist.adjusted(0, 0, f.rahmen.left() + f.rahmen.right(), f.rahmen.top() + f.rahmen.bottom())));
    }
    // The default with nothing stored, on a small screen.
    EXPECT_EQ(sichtbarePlatzierung(QRect(5000, 0, 988, 728), {QRect(0, 0, 1024, 600)}),
              QRect(0, 0, 988, 600));
}

TEST(WindowLayoutBackground, ItemsGiveTheirColours)
{
    EXPECT_FALSE(hintergrundFuer(0).farbe.has_value());
    EXPECT_TRUE(hintergrundFuer(0).anzeigeRahmen);
    EXPECT_EQ(hintergrundFuer(1).farbe, QColor(255, 255, 255));
    EXPECT_EQ(hintergrundFuer(2).farbe, QColor(0xB0, 0xB0, 0xB0));
    const Hintergrund schwarz = hintergrundFuer(3);
    EXPECT_EQ(schwarz.farbe, QColor(0, 0, 0));
    EXPECT_EQ(schwarz.schrift, QColor(0x80, 0x80, 0x80));
    EXPECT_FALSE(schwarz.anzeigeRahmen);
    EXPECT_TRUE(schwarz.schwarz);
    // Any other index counts as standard.
    EXPECT_FALSE(hintergrundFuer(7).farbe.has_value());
    EXPECT_FALSE(hintergrundFuer(-1).schwarz);

    EXPECT_FALSE(werteTextFarben(0).has_value());
    EXPECT_EQ(werteTextFarben(2)->hintergrund, QColor(255, 255, 255));
    EXPECT_EQ(werteTextFarben(3)->hintergrund, QColor(0x99, 0x99, 0x99));
    EXPECT_EQ(werteTextFarben(3)->schrift, QColor(0, 0, 0));
}
