#include "support/DisplayFixture.h"
#include "support/PaintCounter.h"

#include "ui/display/LightDarkField.h"
#include "ui/language/ActionRegistry.h"
#include "ui/widgets/PictureBox.h"

#include <QPalette>
#include <QTest>
#include <QTextEdit>

#include <gtest/gtest.h>

TEST(DisplayPainting, ShownWindowShowsTheStartCombination)
{
    DisplayFixture f;
    f.d().setWindowShown(false); // the first show sets it
    f.form->show();
    MainWidgets& w = f.w();
    EXPECT_EQ(w.fields.Anzeige_Normal->colour(), QColor(0xDA, 0x25, 0x1D));
    EXPECT_EQ(w.fields.KleinRechts->colour(), QColor(0x00, 0x92, 0x8D));
    EXPECT_EQ(w.values.SGrObHex->text(), QStringLiteral("#DA251D"));
    EXPECT_EQ(w.values.SKlObHex->text(), QStringLiteral("#00928D"));
    EXPECT_EQ(w.values.SKlObR->text(), QStringLiteral("0"));
    EXPECT_EQ(w.values.SKlObG->text(), QStringLiteral("146"));
    EXPECT_EQ(w.values.SKlObB->text(), QStringLiteral("141"));
    EXPECT_EQ(w.values.SKlObLiHex->text(), QStringLiteral("-"));
}

TEST(DisplayPainting, PaintingTheSameColoursAgainRepaintsNothing)
{
    DisplayFixture f;
    f.form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f.form.get()));
    MainWidgets& w = f.w();
    QWidget* zeuge = w.band.Image2; // not touched by the display routines
    f.d().datenHolen(50, true);
    ASSERT_TRUE(allesGemalt(zeuge));
    PaintCounter zaehler{w.fields.Anzeige_Normal, w.fields.KleinRechts, w.values.Panel4,
                         w.values.Panel7,         w.values.SGrObHex,    w.values.SKlObHex};
    f.d().datenHolen(50, true);
    f.d().datenHolen(50, true);
    ASSERT_TRUE(allesGemalt(zeuge));
    EXPECT_EQ(zaehler.count, 0);

    f.d().datenHolen(60, true); // a real change does repaint
    EXPECT_TRUE(QTest::qWaitFor([&] { return zaehler.count > 0; }));
}

TEST(DisplayPainting, WebSafeDisplaySnapsPanelsAndTexts)
{
    DisplayFixture f;
    MainWidgets& w = f.w();
    f.d().setWebSafeOnly(true);
    f.d().datenHolen(0, true);
    // 218, 37, 29 -> 204, 51, 51; 0, 146, 141 -> 0, 153, 153
    EXPECT_EQ(w.values.SGrObHex->text(), QStringLiteral("#CC3333"));
    EXPECT_EQ(w.values.SGrObR->text(), QStringLiteral("204"));
    EXPECT_EQ(w.fields.Anzeige_Normal->colour(), QColor(204, 51, 51));
    EXPECT_EQ(w.values.SKlObHex->text(), QStringLiteral("#009999"));
    EXPECT_EQ(w.fields.KleinRechts->colour(), QColor(0, 153, 153));
    // The light/dark field keeps the unsnapped base colour.
    EXPECT_EQ(w.lightDark.flaechenanzeigeFarbe->colour(), QColor(218, 37, 29));

    f.harmonyMode("auffaecherungen");
    EXPECT_EQ(w.values.SKlObMiHex->text(), QStringLiteral("#009999")); // centre at 339
    EXPECT_EQ(w.fields.R[8]->colour(), QColor(0, 153, 153));
    EXPECT_EQ(f.s().endFarben[47], 153);
}

// 3-colour at the start position 0 with distance 40: right 299, left 379.
TEST(DisplayPainting, LightDarkAmountsShowInFieldsAndValues)
{
    DisplayFixture f;
    MainWidgets& w = f.w();
    f.harmonyMode("dreierHarmonien");
    f.parts().selection->KleinLinksClick2();
    f.parts().lightDark->bewegeHellDunkel(100, 155); // dark 100, light 100
    const QColor left = mixedColour(bandFarbe(379), 100, 100);
    EXPECT_EQ(w.fields.KleinLinks->colour(), left);
    EXPECT_EQ(w.values.Panel5->colour(), left);
    EXPECT_EQ(w.values.SKlObLiHex->text(), hex(left));
    EXPECT_EQ(w.values.SKlObLiB->text(), QString::number(left.blue()));
    // The light/dark field shows the base colour, not the mixed one.
    EXPECT_EQ(w.lightDark.flaechenanzeigeFarbe->colour(), bandFarbe(379));
    // Other fields keep their pure colours.
    EXPECT_EQ(w.fields.KleinRechts->colour(), bandFarbe(299));
    EXPECT_EQ(w.fields.Anzeige_Normal->colour(), QColor(218, 37, 29));
}

// 4-colour, angle type 1, at 120 with distances 40 and 34: right 453, left 533, centre 188.
TEST(DisplayPainting, TextFieldsTakeTheFieldColours)
{
    DisplayFixture f;
    MainWidgets& w = f.w();
    f.harmonyMode("viererHarmonien");
    f.d().datenHolen(120, true);
    const QColor big = bandFarbe(120);
    for (QTextEdit* e : {w.fields.RichEdit1, w.fields.RichEdit2, w.fields.RichEdit3})
        EXPECT_EQ(e->palette().color(QPalette::Base), big);
    EXPECT_EQ(w.fields.RichEdit1->palette().color(QPalette::Text), bandFarbe(453));
    EXPECT_EQ(w.fields.RichEdit2->palette().color(QPalette::Text), bandFarbe(533));
    EXPECT_EQ(w.fields.RichEdit3->palette().color(QPalette::Text), bandFarbe(188));
}

TEST(DisplayPainting, SwappedInSnapshotLeavesPanelsAndTextsAlone)
{
    DisplayFixture f;
    MainWidgets& w = f.w();
    f.d().datenHolen(0, true);
    {
        const auto held = f.parts().panelHold.hold();
        f.d().datenHolen(200, true);
        EXPECT_EQ(w.fields.Anzeige_Normal->colour(), QColor(218, 37, 29));
        EXPECT_EQ(w.fields.KleinRechts->colour(), QColor(0, 146, 141));
        EXPECT_EQ(w.values.SGrObHex->text(), QStringLiteral("#DA251D"));
        EXPECT_EQ(w.values.SKlObHex->text(), QStringLiteral("#00928D"));
        EXPECT_EQ(w.fields.RichEdit1->palette().color(QPalette::Base), QColor(218, 37, 29));
        // The text view's font colour still follows: the complement of 200 is 539.
        EXPECT_EQ(w.fields.RichEdit1->palette().color(QPalette::Text), bandFarbe(539));
    }
    f.d().datenHolen(200, true);
    EXPECT_EQ(w.fields.KleinRechts->colour(), bandFarbe(539));
}

TEST(DisplayPainting, ASwappedInModeLeavesTheValueRowsAlone)
{
    DisplayFixture f;
    MainWidgets& w = f.w();
    f.d().datenHolen(0, true);
    const auto held = f.parts().panelHold.hold();
    f.harmonyMode("farbreihen");
    EXPECT_EQ(w.values.SGrObHex->text(), QStringLiteral("#DA251D"));
    EXPECT_FALSE(w.values.Panel4->isHidden());
}

TEST(DisplayPainting, RepaintMarksUnsavedChangesAndDropsWebSafeTakeOver)
{
    DisplayFixture f;
    QAction& chooseSaveFile = f.form->actions().action(ActionId::dateiSpeichern);
    chooseSaveFile.setEnabled(false);
    f.d().webSafeAssigned();
    f.d().datenHolen(10, false); // computing alone paints nothing
    EXPECT_FALSE(chooseSaveFile.isEnabled());
    EXPECT_TRUE(f.s().websicherUebernommen);
    f.d().datenHolen(10, true);
    EXPECT_TRUE(chooseSaveFile.isEnabled());
    EXPECT_FALSE(f.s().websicherUebernommen);
}

// 4-colour, angle type 1, at 40 with distances 40 and 34: right 373, left 453, centre 108.
TEST(DisplayPainting, BandTypeSwitchRecolorsEveryFieldAndKeepsTheSelection)
{
    DisplayFixture f;
    MainWidgets& w = f.w();
    const MainState& s = f.s();
    f.harmonyMode("viererHarmonien");
    f.d().datenHolen(40, true);
    f.parts().selection->KleinRechtsClick2();
    f.parts().lightDark->bewegeHellDunkel(80, 255); // small right: dark 80
    f.parts().selection->KleinLinksClick2();

    f.form->actionItem("luminoes")->trigger();
    EXPECT_EQ(s.posGross(), 40);
    EXPECT_EQ(s.posRechts(), 373);
    EXPECT_EQ(s.posLinks(), 453);
    EXPECT_EQ(s.posMitte(), 108);
    EXPECT_EQ(w.fields.Anzeige_Normal->colour(), bandFarbe(40, true));
    EXPECT_EQ(w.fields.KleinRechts->colour(), mixedColour(bandFarbe(373, true), 80, 0));
    EXPECT_EQ(w.fields.KleinLinks->colour(), bandFarbe(453, true));
    EXPECT_EQ(w.fields.KleinMitte->colour(), bandFarbe(108, true));
    EXPECT_EQ(w.values.SKlObMiHex->text(), hex(bandFarbe(108, true)));
    EXPECT_TRUE(s.hdZielLinks());
    EXPECT_FALSE(f.parts().lightDark->colourHeld());
    EXPECT_EQ(w.furniture.statusPanel1->text(), QStringLiteral("Small field on the left-hand side selected"));
    EXPECT_EQ(w.lightDark.flaechenanzeigeFarbe->colour(), bandFarbe(453, true));

    f.form->actionItem("realistisch")->trigger();
    EXPECT_EQ(w.fields.KleinMitte->colour(), bandFarbe(108));
    EXPECT_EQ(w.fields.KleinRechts->colour(), mixedColour(bandFarbe(373), 80, 0));
    EXPECT_TRUE(s.hdZielLinks());
}

// The fanning worked example (100, K = 3, distance 40) on the luminous band;
// 399 is its pure cyan.
TEST(DisplayPainting, BandTypeSwitchRecolorsTheWholeRow)
{
    DisplayFixture f;
    MainWidgets& w = f.w();
    f.harmonyMode("auffaecherungen");
    stufenWaehlen(w, 3);
    f.d().datenHolen(100, true);
    f.form->actionItem("luminoes")->trigger();
    EXPECT_EQ(w.fields.R[15]->colour(), QColor(0, 255, 255));
    EXPECT_EQ(w.fields.R[1]->colour(), bandFarbe(479, true));
    EXPECT_EQ(w.fields.R[8]->colour(), bandFarbe(439, true));
    EXPECT_EQ(w.fields.R[6]->colour(), bandFarbe(465, true));
    EXPECT_EQ(w.fields.AnzeigeReihen->colour(), bandFarbe(100, true));
    EXPECT_TRUE(f.s().hdZielGross());
}
