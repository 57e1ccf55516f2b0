#include "support/InteractionFixture.h"

#include "ui/display/WebSafeDisplay.h"
#include "ui/language/ActionRegistry.h"

#include <QLabel>
#include <QRadioButton>
#include <QSlider>
#include <QToolBar>
#include <QToolButton>

#include <gtest/gtest.h>

#include <vector>

namespace
{

void bandClick(ShownWindow& f, int x)
{
    klick(f.w().band.Image2, {x, 30});
}

} // namespace

// Switched on with the right field selected, only that field follows the band;
// switched off, the small fields are derived from the big field again.
TEST(SeparateAdjustment, OnWithTheRightFieldThenOff)
{
    ShownWindow f;
    const MainState& s = f.s();
    MainWidgets& w = f.w();
    f.harmonyMode("dreierHarmonien");
    bandClick(f, 500); // right 121, left 201 (complement 161 -/+ 40)
    klick(w.fields.KleinRechts);
    werkzeug(f, ActionId::farbenSeparatEinstellen);

    EXPECT_TRUE(f.form->actionItem("farbenSeparatEinstellen")->isChecked());
    EXPECT_TRUE(w.choice.RadioButton4->isChecked());
    EXPECT_FALSE(w.choice.RadioButton1->isChecked());
    EXPECT_TRUE(w.choice.RadioButton2->isEnabled());
    EXPECT_TRUE(s.feldRechtsAn());
    EXPECT_FALSE(s.feldGrossAn() || s.feldLinksAn() || s.feldMitteAn());
    EXPECT_TRUE(s.hdZielRechts());
    EXPECT_TRUE(w.legend.Panel12->isVisible());
    EXPECT_FALSE(w.angle.TrackBar2->isEnabled());
    EXPECT_FALSE(w.angle.WinkelO->isVisible());

    bandClick(f, 50);
    EXPECT_EQ(w.fields.KleinRechts->colour(), bandFarbe(50));
    EXPECT_EQ(w.fields.Anzeige_Normal->colour(), bandFarbe(500));
    EXPECT_EQ(w.fields.KleinLinks->colour(), bandFarbe(201));
    EXPECT_EQ(w.legend.Panel19->colour(), bandFarbe(50)); // the legend follows

    werkzeug(f, ActionId::farbenSeparatEinstellen);
    EXPECT_FALSE(f.form->actionItem("farbenSeparatEinstellen")->isChecked());
    EXPECT_EQ(w.fields.KleinRechts->colour(), bandFarbe(121));
    EXPECT_EQ(w.fields.KleinLinks->colour(), bandFarbe(201));
    EXPECT_TRUE(s.feldGrossAn() && s.feldRechtsAn() && s.feldLinksAn());
    EXPECT_TRUE(s.hdZielRechts());
    EXPECT_FALSE(w.choice.RadioButton4->isEnabled());
    EXPECT_FALSE(w.legend.Panel12->isVisible());
    EXPECT_TRUE(w.angle.TrackBar2->isEnabled());
    bandClick(f, 100); // coupled again: right 399
    EXPECT_EQ(w.fields.KleinRechts->colour(), bandFarbe(399));
}

TEST(SeparateAdjustment, RowModesSwitchItOffAndDisableIt)
{
    ShownWindow f;
    QAction* separate = f.form->actionItem("farbenSeparatEinstellen");
    werkzeug(f, ActionId::farbenSeparatEinstellen);
    ASSERT_TRUE(separate->isChecked());
    f.harmonyMode("auffaecherungen");
    EXPECT_FALSE(separate->isChecked());
    EXPECT_FALSE(separate->isEnabled());
    EXPECT_FALSE(f.s().separatModus);
    EXPECT_FALSE(f.w().choice.RadioButton1->isEnabled());
    f.harmonyMode("viererHarmonien");
    EXPECT_TRUE(separate->isEnabled());
    EXPECT_FALSE(separate->isChecked());
}

// 15 fields close together fold onto the same web-safe colours. With 9 fields
// spread wide apart all shown fields differ, and the next repaint takes the
// warning away; the parked panels keep equal colours that no longer count.
TEST(SeparateAdjustment, WebSafeRowWarning)
{
    ShownWindow f;
    MainWidgets& w = f.w();
    f.harmonyMode("auffaecherungen");
    stufenWaehlen(w, 7);
    klick(w.band.Image2, {500, 30});
    QTest::keyClick(w.angle.TrackBar2, Qt::Key_Home);
    for (int n = 0; n < 5; ++n)
        QTest::keyClick(w.angle.TrackBar2, Qt::Key_Right);
    f.form->parts().websicher->nurWebsichereFarbenAnzeigenExecute();
    ASSERT_EQ(w.fields.R[7]->colour(), w.fields.R[8]->colour());
    EXPECT_TRUE(w.warning.Panel1->isVisible());
    EXPECT_EQ(
        w.warning.Label18->text(),
        QStringLiteral("Mindestens zwei kleine Felder haben die gleiche Farbe! Verringern Sie die Anzahl der "
                       "Felder oder erhöhen Sie den Winkelabstand oder ändern Sie die Helligkeit, bis diese "
                       "Meldung nicht mehr zu sehen ist. "));

    stufenWaehlen(w, 4);
    QTest::keyClick(w.angle.TrackBar2, Qt::Key_End);
    std::vector<QColor> displayed;
    for (std::size_t n = 1; n <= 15; ++n)
        if (w.fields.R[n]->isVisible())
            displayed.push_back(w.fields.R[n]->colour());
    ASSERT_EQ(displayed.size(), 9u);
    for (std::size_t a = 0; a < displayed.size(); ++a)
        for (std::size_t b = a + 1; b < displayed.size(); ++b)
            ASSERT_NE(displayed[a], displayed[b]) << a << " " << b;
    ASSERT_FALSE(w.fields.R[3]->isVisible());
    ASSERT_EQ(w.fields.R[3]->colour(), w.fields.R[4]->colour());
    EXPECT_FALSE(w.warning.Panel1->isVisible());

    QTest::keyClick(w.angle.TrackBar2, Qt::Key_Home);
    ASSERT_TRUE(w.warning.Panel1->isVisible());
    f.harmonyMode("zweierHarmonien");
    EXPECT_FALSE(w.warning.Panel1->isVisible());
    f.harmonyMode("auffaecherungen");
    ASSERT_TRUE(w.warning.Panel1->isVisible());
    f.form->parts().websicher->nurWebsichereFarbenAnzeigenExecute();
    EXPECT_FALSE(w.warning.Panel1->isVisible());
    EXPECT_FALSE(f.s().nurWebsicher);
}

TEST(SeparateAdjustment, WebSafeRowWarningJudgesTheEditedLeftHalf)
{
    ShownWindow f;
    MainWidgets& w = f.w();
    f.harmonyMode("auffaecherungen");
    stufenWaehlen(w, 4);
    klick(w.band.Image2, {500, 30});
    QTest::keyClick(w.angle.TrackBar2, Qt::Key_End);
    f.form->parts().websicher->nurWebsichereFarbenAnzeigenExecute();
    ASSERT_FALSE(w.warning.Panel1->isVisible());
    f.form->actionItem("fixieren")->trigger();
    klick(w.fields.RLi[1]);
    ASSERT_TRUE(f.s().fixLinksAktiv);
    QTest::keyClick(w.angle.TrackBar2, Qt::Key_Home);
    EXPECT_TRUE(w.warning.Panel1->isVisible());
    // Back on the right half, whose fields all differ, the next repaint hides it.
    klick(w.fields.RRe[1]);
    QTest::keyClick(w.angle.TrackBar2, Qt::Key_End);
    EXPECT_FALSE(w.warning.Panel1->isVisible());
}
