#include "support/InteractionFixture.h"

#include "ui/display/DisplayParts.h"
#include "ui/display/FieldSelection.h"
#include "ui/display/LightDarkField.h"
#include "ui/display/ModeActions.h"
#include "ui/widgets/ColourPanel.h"
#include "ui/widgets/PictureBox.h"

#include <QComboBox>
#include <QLabel>
#include <QWindow>

#include <gtest/gtest.h>

TEST(InteractionLightDark, CornersGiveWhiteAndBlackWithTheirPercentages)
{
    ShownWindow f;
    MainWidgets& w = f.w();
    PictureBox* field = w.lightDark.PaintBox3;

    klick(field, {0, 0});
    EXPECT_EQ(f.s().dunkelGross(), 0);
    EXPECT_EQ(f.s().hellGross(), 255);
    EXPECT_EQ(w.fields.Anzeige_Normal->colour(), QColor(255, 255, 255));
    EXPECT_EQ(w.values.SGrObHex->text(), QStringLiteral("#FFFFFF"));
    EXPECT_EQ(w.lightDark.Label1->text(), QStringLiteral("100 %"));
    EXPECT_EQ(w.lightDark.Label2->text(), QStringLiteral("0 %"));
    EXPECT_EQ(w.lightDark.KreuzV->x(), 0);
    EXPECT_EQ(w.lightDark.KreuzH->y(), 0);

    klick(field, {256, 255});
    EXPECT_EQ(w.fields.Anzeige_Normal->colour(), QColor(0, 0, 0));
    EXPECT_EQ(w.lightDark.Label1->text(), QStringLiteral("0 %"));
    EXPECT_EQ(w.lightDark.Label2->text(), QStringLiteral("100 %"));
    EXPECT_EQ(w.lightDark.KreuzV->x(), 256);
    EXPECT_EQ(w.lightDark.KreuzH->y(), 255);

    klick(field, {128, 127});
    EXPECT_EQ(w.lightDark.Label1->text(), QStringLiteral("50 %")); // light 128
    EXPECT_EQ(w.lightDark.Label2->text(), QStringLiteral("50 %")); // dark 128
    EXPECT_EQ(w.fields.Anzeige_Normal->colour(), mixedColour(QColor(218, 37, 29), 128, 128));
    // The field keeps showing the base colour; only the fields are mixed.
    EXPECT_EQ(w.lightDark.flaechenanzeigeFarbe->colour(), QColor(218, 37, 29));
    EXPECT_EQ(f.s().hdPunktGrossX(), 128);
    EXPECT_EQ(f.s().hdPunktGrossY(), 127);
}

TEST(InteractionLightDark, RowFieldsFollowTheInterpolatedAmounts)
{
    ShownWindow f;
    f.harmonyMode("auffaecherungen");
    ASSERT_EQ(f.s().stufenAnzahl, 4);
    MainWidgets& w = f.w();
    klick(w.fields.R[1]);
    ASSERT_TRUE(f.s().hdZielLinks());
    klick(w.lightDark.PaintBox3, {0, 255}); // small left: dark 0, light 0
    klick(w.fields.R[15]);
    ASSERT_TRUE(f.s().hdZielRechts());
    klick(w.lightDark.PaintBox3, {80, 255}); // small right: dark 80

    // Fanning at 0 with distance 40 and K = 4: centre 339, ring step 10, right
    // (R15) at 299, left (R1) at 379; ring k has R(8+k) at 339 - 10k, R(8-k) at 339 + 10k.
    const MainState& s = f.s();
    const int erwartet[] = {40, 50, 30, 60, 20, 70, 10};
    for (int i = 1; i <= 7; ++i)
        EXPECT_EQ(s.dunkelReihe(i), erwartet[i - 1]) << "element " << i;

    EXPECT_EQ(w.fields.R[15]->colour(), mixedColour(bandFarbe(299), 80, 0));
    EXPECT_EQ(w.fields.R[1]->colour(), bandFarbe(379));
    EXPECT_EQ(w.fields.R[8]->colour(), mixedColour(QColor(0, 146, 141), 40, 0));
    // Ring k: R(8+k) takes element 2k, R(8-k) element 2k+1.
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(w.fields.R[static_cast<std::size_t>(8 + k)]->colour(),
                  mixedColour(bandFarbe(339 - 10 * k), erwartet[2 * k - 1], 0))
            << "ring " << k;
        EXPECT_EQ(w.fields.R[static_cast<std::size_t>(8 - k)]->colour(),
                  mixedColour(bandFarbe(339 + 10 * k), erwartet[2 * k], 0))
            << "ring " << k;
    }
}

// Through the window: the field keeps the mouse during the drag.
TEST(InteractionLightDark, CursorHiddenInsideAndShownOutsideWhileDragging)
{
    ShownWindow f;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f.form.get()));
    QWindow* topWindow = f.form->windowHandle();
    PictureBox* field = f.w().lightDark.PaintBox3;
    const auto point = [&](int x, int y) {
        return topWindow->mapFromGlobal(field->mapToGlobal(QPoint(x, y)));
    };
    const auto versteckt = [&] {
        return f.form->parts().lightDark->cursorHidden() && field->cursor().shape() == Qt::BlankCursor;
    };

    QTest::mousePress(topWindow, Qt::LeftButton, {}, point(100, 100));
    EXPECT_TRUE(versteckt());
    EXPECT_TRUE(f.form->parts().lightDark->mouseHeld());
    QTest::mouseMove(topWindow, point(-20, 100));
    EXPECT_FALSE(versteckt());
    EXPECT_EQ(field->cursor().shape(), Qt::CrossCursor);
    EXPECT_EQ(f.s().dunkelGross(), 0); // held at the limit
    QTest::mouseMove(topWindow, point(120, 50));
    EXPECT_TRUE(versteckt());
    EXPECT_EQ(f.s().dunkelGross(), 120);
    EXPECT_EQ(f.s().hellGross(), 205);
    QTest::mouseMove(topWindow, point(150, 300));
    EXPECT_FALSE(versteckt());
    EXPECT_EQ(f.s().hellGross(), 0);
    EXPECT_EQ(f.w().lightDark.Label1->text(), QStringLiteral("0 %"));
    QTest::mouseMove(topWindow, point(150, 40));
    EXPECT_TRUE(versteckt());
    QTest::mouseRelease(topWindow, Qt::LeftButton, {}, point(150, 40));
    EXPECT_FALSE(versteckt());
    EXPECT_EQ(field->cursor().shape(), Qt::CrossCursor);
    EXPECT_FALSE(f.form->parts().lightDark->mouseHeld());
}

TEST(InteractionLightDark, InsideTestOfBothFieldSizes)
{
    EXPECT_TRUE(lightDarkPointInside(1, 1, false));
    EXPECT_FALSE(lightDarkPointInside(0, 100, false));
    EXPECT_FALSE(lightDarkPointInside(100, -3, false));
    EXPECT_TRUE(lightDarkPointInside(255, 255, false));
    EXPECT_FALSE(lightDarkPointInside(256, 100, false));
    EXPECT_TRUE(lightDarkPointInside(128, 127, true));
    EXPECT_FALSE(lightDarkPointInside(129, 100, true));
    EXPECT_FALSE(lightDarkPointInside(100, 128, true));
}

TEST(InteractionLightDark, CompactFieldDoublesTheAmounts)
{
    ShownWindow f(QSize(800, 600));
    ASSERT_TRUE(f.d().window().compactLayout);
    MainWidgets& w = f.w();
    klick(w.lightDark.PaintBox3, {100, 27});
    EXPECT_EQ(f.s().dunkelGross(), 200);
    EXPECT_EQ(f.s().hellGross(), 200);
    EXPECT_EQ(w.lightDark.KreuzV->x(), 100);
    EXPECT_EQ(w.lightDark.KreuzH->y(), 27);
    klick(w.lightDark.PaintBox3, {128, 127});
    EXPECT_EQ(f.s().dunkelGross(), 255);
    EXPECT_EQ(f.s().hellGross(), 0);
    EXPECT_EQ(w.lightDark.KreuzV->x(), 128);
}

TEST(InteractionLightDark, FieldColourIsCachedAndGuarded)
{
    ShownWindow f;
    MainWidgets& w = f.w();
    LightDarkField& field = *f.form->parts().lightDark;
    f.currentState([](MainState& n) {
        n.farbWerte[4] = 10;
        n.farbWerte[5] = 20;
        n.farbWerte[6] = 30;
    });

    // Guarded, the field keeps the big field's start colour and its value.
    {
        const auto held = field.holdColour();
        field.hellDunkelEinfaerben(4, 5, 6);
        EXPECT_EQ(w.lightDark.flaechenanzeigeFarbe->colour(), QColor(218, 37, 29));
        EXPECT_EQ(w.lightDark.flaechenanzeigeFarbe->tag(), 0x1D25DA);
    }

    field.hellDunkelEinfaerben(4, 5, 6);
    EXPECT_EQ(w.lightDark.flaechenanzeigeFarbe->colour(), QColor(10, 20, 30));
    EXPECT_EQ(w.lightDark.flaechenanzeigeFarbe->tag(), 0x1E140A); // blue, green, red
    // The same base colour again leaves the field alone.
    w.lightDark.flaechenanzeigeFarbe->setColour(Qt::green);
    field.hellDunkelEinfaerben(4, 5, 6);
    EXPECT_EQ(w.lightDark.flaechenanzeigeFarbe->colour(), QColor(Qt::green));

    // With the band hidden the field shows the background and keeps the colour in its tag.
    f.d().setColourBandHidden(true);
    f.currentState([](MainState& n) { n.farbWerte[4] = 11; });
    field.hellDunkelEinfaerben(4, 5, 6);
    EXPECT_EQ(w.lightDark.flaechenanzeigeFarbe->colour(), w.regions.panelHintergrund->colour());
    EXPECT_EQ(w.lightDark.flaechenanzeigeFarbe->tag(), 0x1E140B);
}

TEST(InteractionLightDark, SelectingAFieldMovesTheCrossHairToItsPoint)
{
    ShownWindow f;
    f.harmonyMode("dreierHarmonien");
    MainWidgets& w = f.w();
    klick(w.lightDark.PaintBox3, {30, 40}); // big field
    klick(w.fields.KleinLinks);
    EXPECT_EQ(w.lightDark.KreuzV->x(), 0); // left's start point (0, 255)
    EXPECT_EQ(w.lightDark.KreuzH->y(), 255);
    EXPECT_EQ(w.lightDark.Label1->text(), QStringLiteral("0 %"));
    klick(w.lightDark.PaintBox3, {200, 10});
    klick(w.fields.Anzeige_Normal, {5, 5});
    EXPECT_EQ(w.lightDark.KreuzV->x(), 30);
    EXPECT_EQ(w.lightDark.KreuzH->y(), 40);
    EXPECT_EQ(w.lightDark.Label2->text(), QStringLiteral("12 %")); // 30 of 255
    // 3-colour at 0 puts the left field at 379.
    EXPECT_EQ(w.fields.KleinLinks->colour(), mixedColour(bandFarbe(379), 200, 245));
}
