#include "core/layout/WindowLayout.h"

#include <gtest/gtest.h>

#include <set>

TEST(WindowLayoutGeometry, ReferenceSizeGivesTheDesignPositions)
{
    const DisplayGeometry g = displayGeometry(680, 362, 4, 4);
    EXPECT_EQ(g.smallRight, QRect(414, 210, 186, 91));
    EXPECT_EQ(g.smallLeft, QRect(72, 210, 186, 91));
    EXPECT_EQ(g.smallCentre, QRect(243, 66, 186, 91));

    EXPECT_EQ(g.fixedLeftWidth, 339);
    EXPECT_EQ(g.fixedHeight, 360);
    EXPECT_EQ(g.fixedRightWidth, 341);
    EXPECT_EQ(g.fixedRightX, 339);
    EXPECT_EQ(g.fixedSmallRight, QRect(185, 234, 130, 73));
    EXPECT_EQ(g.fixedSmallLeft, QRect(22, 234, 130, 73));
    EXPECT_EQ(g.fixedSmallCentre, QRect(103, 126, 130, 73));
    EXPECT_EQ(g.fixedRowsLeftWidth, 339);
    EXPECT_EQ(g.fixedRowsRightWidth, 341);
    EXPECT_EQ(g.fixedRowsRightX, 339);
    EXPECT_EQ(g.fixedRowsHeight, 360);
}

TEST(WindowLayoutGeometry, ReferenceRowSpreadsFifteenPanelsEvenly)
{
    const DisplayGeometry g = displayGeometry(680, 362, 4, 4);
    // w = 40, d = 680 - 2 - 600 = 78, gap = 58 div 14 = 4, first = 22 div 2 - 1 = 10.
    EXPECT_EQ(g.row.width, 40);
    EXPECT_EQ(g.row.height, 116);
    EXPECT_EQ(g.row.top, 190);
    EXPECT_EQ(g.row.gap, 4);
    for (std::size_t k = 1; k <= 15; ++k)
        EXPECT_EQ(g.row.tag[k], 10 + 44 * static_cast<int>(k - 1)) << "R" << k;
    EXPECT_EQ(g.r1Hint, QStringLiteral("10"));
    EXPECT_EQ(g.r15Hint, QStringLiteral("626"));
}

TEST(WindowLayoutGeometry, ReferenceFixedRowsMatchTheirDesignSteps)
{
    const DisplayGeometry g = displayGeometry(680, 362, 4, 7);
    // d = 341 - 300 = 41, gap = 29 div 14 = 2, first = 13 div 2 - 1 = 5: x 5, 27, .. 313.
    EXPECT_EQ(g.fixedRowGeometry.width, 20);
    EXPECT_EQ(g.fixedRowGeometry.height, 100);
    EXPECT_EQ(g.fixedRowGeometry.top, 210);
    for (std::size_t k = 1; k <= 15; ++k)
        EXPECT_EQ(g.fixedRowGeometry.tag[k], 5 + 22 * static_cast<int>(k - 1)) << "R" << k << "Re";
    // Four steps on the right: the outer panels currentState where R4Re and R12Re would.
    EXPECT_EQ(g.r1ReLeft, 71);
    EXPECT_EQ(g.r15ReLeft, 247);
    // Seven steps on the left: the outer panels stay at their own places.
    EXPECT_EQ(g.r1LiLeft, 5);
    EXPECT_EQ(g.r15LiLeft, 313);
}

TEST(WindowLayoutGeometry, OuterFixedPanelsFollowTheStepCountAndClampIt)
{
    // Design x of R(8-k)Re and R(8+k)Re: 5 + 22 (8 -+ k - 1).
    const RowGeometry r = displayGeometry(680, 362, 4, 4).fixedRowGeometry;
    EXPECT_EQ(outerFixedPanels(r, 1), std::make_pair(137, 181));
    EXPECT_EQ(outerFixedPanels(r, 6), std::make_pair(27, 291));
    EXPECT_EQ(outerFixedPanels(r, 7), std::make_pair(5, 313));
    // Odd stored values stay inside the row instead of indexing past it.
    EXPECT_EQ(outerFixedPanels(r, 0), outerFixedPanels(r, 1));
    EXPECT_EQ(outerFixedPanels(r, -3), outerFixedPanels(r, 1));
    EXPECT_EQ(outerFixedPanels(r, 12), outerFixedPanels(r, 7));
}

TEST(WindowLayoutGeometry, ScaledValuesRoundHalvesToEven)
{
    // 170 x 186 / 680 = 46.5, 170 x 414 / 680 = 103.5, 181 x 91 / 362 = 45.5.
    const DisplayGeometry g = displayGeometry(170, 181, 4, 4);
    EXPECT_EQ(g.smallRight.width(), 46);
    EXPECT_EQ(g.smallRight.left(), 104);
    EXPECT_EQ(g.smallRight.height(), 46);
    EXPECT_EQ(g.smallRight.top(), 105);
}

TEST(WindowLayoutGeometry, RowDivisionsTruncateTowardZeroOnNarrowDisplays)
{
    // W = 50: w = 2, d = 18, gap = -2 div 14 = 0 (not -1), first = 8.
    const RowGeometry narrowBlock = displayGeometry(50, 362, 4, 4).row;
    EXPECT_EQ(narrowBlock.width, 2);
    EXPECT_EQ(narrowBlock.gap, 0);
    EXPECT_EQ(narrowBlock.tag[1], 8);
    // W = 20: w = 1, d = 3, gap = -17 div 14 = -1 (not -2), first = 17 div 2 - 1 = 7.
    const RowGeometry winzig = displayGeometry(20, 362, 4, 4).row;
    EXPECT_EQ(winzig.gap, -1);
    EXPECT_EQ(winzig.tag[1], 7);
    EXPECT_EQ(winzig.tag[2], 7);
}

TEST(WindowLayoutGeometry, LargerDisplayScalesEveryField)
{
    const DisplayGeometry g = displayGeometry(1360, 724, 4, 4);
    EXPECT_EQ(g.smallRight, QRect(828, 420, 372, 182));
    EXPECT_EQ(g.row.width, 80);
    EXPECT_EQ(g.fixedLeftWidth + g.fixedRightWidth, 1360); // the two halves fill the display
}

TEST(WindowLayoutScreen, CompactLayoutOnlyBelow1020By764)
{
    EXPECT_FALSE(compactLayoutNeeded(QSize(1024, 768)));
    EXPECT_FALSE(compactLayoutNeeded(QSize(1020, 764)));
    EXPECT_TRUE(compactLayoutNeeded(QSize(1016, 768)));
    EXPECT_TRUE(compactLayoutNeeded(QSize(1280, 720)));
    EXPECT_TRUE(compactLayoutNeeded(QSize(800, 600)));
}

namespace
{
const Placement* finde(const QString& name)
{
    for (const Placement& p : compactPlacements())
        if (p.name == name)
            return &p;
    return nullptr;
}
} // namespace

TEST(WindowLayoutCompact, TableNamesEveryControlOnceWithItsPlacement)
{
    std::set<QString> names;
    for (const Placement& p : compactPlacements())
        EXPECT_TRUE(names.insert(p.name).second) << p.name.toStdString() << " placed twice";

    const Placement* bg = finde(QStringLiteral("panelBG"));
    ASSERT_NE(bg, nullptr);
    EXPECT_EQ(QRect(bg->left, bg->top, bg->width, bg->height), QRect(527, 115, 226, 409));
    EXPECT_TRUE(bg->withoutAlignment);
    EXPECT_TRUE(bg->bringToFront);

    const Placement* anzeige = finde(QStringLiteral("Anzeige"));
    ASSERT_NE(anzeige, nullptr);
    EXPECT_EQ(anzeige->left, keep);
    EXPECT_EQ(anzeige->top, 128);
    EXPECT_EQ(anzeige->width, 522);
    EXPECT_EQ(anzeige->height, 273);

    const Placement* picture = finde(QStringLiteral("Image3"));
    ASSERT_NE(picture, nullptr);
    EXPECT_TRUE(picture->stretchPicture);
    EXPECT_EQ(picture->width, 127);
    EXPECT_EQ(picture->height, 126);
}

TEST(WindowLayoutCompact, RowsAndValueTextsGetTheirCompactPlaces)
{
    for (int k = 1; k <= 15; ++k) {
        const Placement* r = finde(QStringLiteral("R%1").arg(k));
        ASSERT_NE(r, nullptr);
        EXPECT_EQ(r->left, 6 + 34 * (k - 1));
        EXPECT_EQ(QRect(0, r->top, r->width, r->height), QRect(0, 150, 31, 90));
        const Placement* re = finde(QStringLiteral("R%1Re").arg(k));
        const Placement* li = finde(QStringLiteral("R%1Li").arg(k));
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
    EXPECT_EQ(visiblePlacement(QRect(100, 50, 988, 728), screens), QRect(100, 50, 988, 728));
    // A window partly beyond the right edge comes back onto the screen.
    EXPECT_EQ(visiblePlacement(QRect(1500, 50, 988, 728), screens), QRect(932, 50, 988, 728));
    // On a second screen to the left.
    const QList<QRect> zwei{QRect(0, 0, 1920, 1080), QRect(-1280, 0, 1280, 1024)};
    EXPECT_EQ(visiblePlacement(QRect(-1200, 10, 988, 728), zwei), QRect(-1200, 10, 988, 728));
}

TEST(WindowLayoutPlacement, LostOrDegenerateWindowFallsBackToTheDefault)
{
    const QList<QRect> screens{QRect(0, 0, 1920, 1080)};
    const QRect standard(0, 0, 988, 728);
    EXPECT_EQ(visiblePlacement(QRect(5000, 40, 988, 728), screens), standard);  // screen since removed
    EXPECT_EQ(visiblePlacement(QRect(100, -600, 988, 728), screens), standard); // title bar above
    EXPECT_EQ(visiblePlacement(QRect(100, 100, 1, 1), screens), standard);
    EXPECT_EQ(visiblePlacement(QRect(100, 100, 988, 728), {}), standard);
    const QList<QRect> versetzt{QRect(1920, 0, 1280, 1024)};
    EXPECT_EQ(visiblePlacement(QRect(0, 0, 988, 728), versetzt), QRect(1920, 0, 988, 728));
}

// A placement larger than the available area is shrunk and moved into it,
// frame included, the stored one and the default alike.
TEST(WindowLayoutPlacement, APlacementThatDoesNotFitIsMovedAndShrunkIntoTheScreen)
{
    const QMargins ohne;
    const QMargins frame(4, 30, 4, 4); // title bar and border
    struct Fall {
        QRect bildschirm, persisted;
        QMargins frame;
        QRect erwartet;
    };
    for (const Fall& f : {
             // 2560 x 1440 at scale 2, with a panel at the top: the default would leave the status bar out.
             Fall{QRect(0, 32, 1280, 688), QRect(0, 0, 988, 728), ohne, QRect(0, 32, 988, 688)},
             Fall{QRect(0, 0, 1280, 720), QRect(0, 0, 988, 728), frame, QRect(0, 0, 988, 686)},
             Fall{QRect(0, 0, 1280, 720), QRect(200, 100, 988, 728), frame, QRect(200, 0, 988, 686)},
             Fall{QRect(0, 0, 1024, 600), QRect(300, 50, 988, 728), ohne, QRect(36, 0, 988, 600)},
             Fall{QRect(0, 0, 1024, 600), QRect(300, 50, 988, 728), frame, QRect(28, 0, 988, 566)},
             Fall{QRect(0, 0, 800, 600), QRect(0, 0, 988, 728), ohne, QRect(0, 0, 800, 600)},
             Fall{QRect(0, 0, 800, 600), QRect(10, 20, 988, 728), frame, QRect(0, 0, 792, 566)},
             // What fits stays where it was.
             Fall{QRect(0, 0, 800, 600), QRect(10, 20, 600, 400), frame, QRect(10, 20, 600, 400)},
         }) {
        const QRect ist = visiblePlacement(f.persisted, {f.bildschirm}, f.frame);
        EXPECT_EQ(ist, f.erwartet) << f.bildschirm.width() << "x" << f.bildschirm.height();
        EXPECT_TRUE(f.bildschirm.contains(
            ist.adjusted(0, 0, f.frame.left() + f.frame.right(), f.frame.top() + f.frame.bottom())));
    }
    // The default with nothing stored, on a small screen.
    EXPECT_EQ(visiblePlacement(QRect(5000, 0, 988, 728), {QRect(0, 0, 1024, 600)}), QRect(0, 0, 988, 600));
}

TEST(WindowLayoutBackground, ItemsGiveTheirColours)
{
    EXPECT_FALSE(backgroundStyleFor(0).colourValue.has_value());
    EXPECT_TRUE(backgroundStyleFor(0).displayBevel);
    EXPECT_EQ(backgroundStyleFor(1).colourValue, QColor(255, 255, 255));
    EXPECT_EQ(backgroundStyleFor(2).colourValue, QColor(0xB0, 0xB0, 0xB0));
    const BackgroundStyle onBlack = backgroundStyleFor(3);
    EXPECT_EQ(onBlack.colourValue, QColor(0, 0, 0));
    EXPECT_EQ(onBlack.lettering, QColor(0x80, 0x80, 0x80));
    EXPECT_FALSE(onBlack.displayBevel);
    EXPECT_TRUE(onBlack.onBlack);
    // Any other index counts as standard.
    EXPECT_FALSE(backgroundStyleFor(7).colourValue.has_value());
    EXPECT_FALSE(backgroundStyleFor(-1).onBlack);

    EXPECT_FALSE(valueTextColours(0).has_value());
    EXPECT_EQ(valueTextColours(2)->backgroundColour, QColor(255, 255, 255));
    EXPECT_EQ(valueTextColours(3)->backgroundColour, QColor(0x99, 0x99, 0x99));
    EXPECT_EQ(valueTextColours(3)->lettering, QColor(0, 0, 0));
}
