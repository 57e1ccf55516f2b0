#include "support/DisplayFixture.h"
#include "support/StackOrder.h"

#include "ui/display/BandAngleControls.h"
#include "ui/display/LightDarkField.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QTextEdit>

#include <gtest/gtest.h>

namespace
{

bool steht(const QWidget* panel, const QWidget* in)
{
    return panel->parentWidget() == in && !panel->isHidden();
}

struct Erwartung {
    const char* actionItem;
    const char* status;
    bool left, centre, colourRows;
    bool panel4, panel5, panel6;
    bool comboBox3, trackBar2, trackBar3;
};

const Erwartung modi[] = {
    {"zweierHarmonien", "  2-Color Harmony", false, false, false, true, false, false, false, false, false},
    {"dreierHarmonien", "  3-Color Harmony", true, false, false, true, true, false, false, true, false},
    {"viererHarmonien", "  4-Color Harmony", true, true, false, true, true, true, true, true, true},
    {"auffaecherungen", "  Fanning", false, false, true, true, true, true, false, true, false},
    {"farbreihen", "  Color Row", false, false, true, false, true, true, false, true, false},
};

void pruefen(DisplayFixture& f, const Erwartung& e)
{
    SCOPED_TRACE(e.actionItem);
    MainWidgets& w = f.w();
    EXPECT_EQ(w.furniture.statusPanel0->text(), QString::fromLatin1(e.status));
    for (const Erwartung& andere : modi)
        EXPECT_EQ(f.form->actionItem(andere.actionItem)->isChecked(), &andere == &e) << andere.actionItem;
    for (const Erwartung& jede : modi)
        EXPECT_TRUE(f.form->actionItem(jede.actionItem)->isEnabled());

    if (e.colourRows) {
        EXPECT_TRUE(steht(w.fields.AnzeigeReihen, w.fields.Anzeige));
        EXPECT_EQ(vorderstes(w.fields.Anzeige), w.fields.AnzeigeReihen);
    } else {
        EXPECT_TRUE(steht(w.fields.Anzeige_Normal, w.fields.Anzeige));
        EXPECT_EQ(vorderstes(w.fields.Anzeige), w.fields.Anzeige_Normal);
        EXPECT_TRUE(steht(w.fields.KleinRechts, w.fields.Anzeige_Normal));
    }
    EXPECT_EQ(steht(w.fields.KleinLinks, w.fields.Anzeige_Normal), e.left);
    EXPECT_EQ(steht(w.fields.KleinMitte, w.fields.Anzeige_Normal), e.centre);
    EXPECT_EQ(w.fields.KleinLinks->parentWidget() == w.fields.PanelContainer2, !e.left);
    EXPECT_EQ(w.fields.KleinMitte->parentWidget() == w.fields.PanelContainer2, !e.centre);
    for (ColourPanel* p :
         {w.fields.FixedLinks, w.fields.FixedRechts, w.fields.FixedLinksReihen, w.fields.FixedRechtsReihen})
        EXPECT_FALSE(p->isVisibleTo(f.form.get()));

    EXPECT_EQ(!w.values.Panel4->isHidden(), e.panel4);
    EXPECT_EQ(!w.values.Panel5->isHidden(), e.panel5);
    EXPECT_EQ(!w.values.Panel6->isHidden(), e.panel6);
    EXPECT_FALSE(w.values.Panel7->isHidden());
    EXPECT_FALSE(w.warning.Panel1->isVisibleTo(f.form.get()));

    EXPECT_EQ(w.rowControls.ComboBox1->isEnabled(), e.colourRows);
    EXPECT_EQ(w.rowControls.Button1->isEnabled(), e.colourRows);
    EXPECT_EQ(w.angle.ComboBox3->isEnabled(), e.comboBox3);
    EXPECT_EQ(w.angle.TrackBar2->isEnabled(), e.trackBar2);
    EXPECT_EQ(w.angle.TrackBar3->isEnabled(), e.trackBar3);
    EXPECT_EQ(!w.angle.WinkelO->isHidden(), e.trackBar2);
    EXPECT_EQ(!w.angle.WinkelU->isHidden(), e.trackBar3);
    if (e.colourRows) {
        for (QRadioButton* r :
             {w.choice.RadioButton1, w.choice.RadioButton2, w.choice.RadioButton3, w.choice.RadioButton4})
            EXPECT_FALSE(r->isEnabled());
    }
}

} // namespace

TEST(ModeSwitch, EveryModeShowsItsFieldsTextsAndControls)
{
    DisplayFixture f;
    pruefen(f, modi[0]); // the start state is the 2-colour harmony
    for (int i : {1, 2, 3, 4, 0, 4, 2, 3, 1, 0}) {
        f.harmonyMode(modi[i].actionItem);
        pruefen(f, modi[i]);
        EXPECT_EQ(static_cast<int>(f.s().harmonyMode()), i);
    }
}

TEST(ModeSwitch, ModeFlagsFollowTheFieldsOfTheMode)
{
    DisplayFixture f;
    const MainState& s = f.s();
    f.harmonyMode("viererHarmonien");
    EXPECT_TRUE(s.feldGrossAn() && s.feldRechtsAn() && s.feldLinksAn() && s.feldMitteAn());
    f.harmonyMode("dreierHarmonien");
    EXPECT_TRUE(s.feldLinksAn());
    EXPECT_FALSE(s.feldMitteAn());
    f.harmonyMode("auffaecherungen"); // rows compute all fields; the flags stay
    EXPECT_TRUE(s.feldLinksAn());
    f.harmonyMode("zweierHarmonien");
    EXPECT_FALSE(s.feldLinksAn() || s.feldMitteAn());
    EXPECT_TRUE(s.feldGrossAn() && s.feldRechtsAn());
}

TEST(ModeSwitch, TwoColourWritesDashesIntoTheUnusedRowsAndShowsTheRowsAgain)
{
    DisplayFixture f;
    MainWidgets& w = f.w();
    f.harmonyMode("viererHarmonien");
    for (StaticText* t : {w.values.SKlObLiR, w.values.SKlObLiHex, w.values.SKlObMiG, w.values.SKlObMiHex})
        EXPECT_NE(t->text(), QStringLiteral("-"));
    f.parts().selection->KleinMitteClick2();
    ASSERT_TRUE(f.s().hdZielMitte());

    f.harmonyMode("zweierHarmonien");
    EXPECT_TRUE(f.s().hdZielRechts());
    EXPECT_FALSE(f.s().hdZielMitte());
    EXPECT_EQ(w.furniture.statusPanel1->text(),
              QStringLiteral("Small field on the right-hand side selected"));
    for (StaticText* t : {w.values.SKlObLiR, w.values.SKlObLiG, w.values.SKlObLiB, w.values.SKlObLiHex,
                          w.values.SKlObMiR, w.values.SKlObMiG, w.values.SKlObMiB, w.values.SKlObMiHex})
        EXPECT_EQ(t->text(), QStringLiteral("-"));
    EXPECT_EQ(w.values.SKlObHex->text(), QStringLiteral("#00928D")); // the complement of 0, 339
    // The light/dark field now shows small right's base colour.
    EXPECT_EQ(w.lightDark.flaechenanzeigeFarbe->colour(), QColor(0, 146, 141));
}

TEST(ModeSwitch, TargetsMoveOnlyOffFieldsTheNewModeLacks)
{
    DisplayFixture f;
    const MainState& s = f.s();
    f.harmonyMode("viererHarmonien");
    f.parts().selection->KleinLinksClick2();
    f.harmonyMode("dreierHarmonien");
    EXPECT_TRUE(s.hdZielLinks()); // 3-colour keeps the left field
    f.harmonyMode("auffaecherungen");
    EXPECT_TRUE(s.hdZielLinks()); // the outer left row field
    f.harmonyMode("zweierHarmonien");
    EXPECT_TRUE(s.hdZielRechts());

    f.harmonyMode("viererHarmonien");
    f.parts().selection->KleinMitteClick2();
    f.harmonyMode("auffaecherungen");
    EXPECT_TRUE(s.hdZielRechts());
}

TEST(ModeSwitch, ColourRowsTakeTheTargetOffTheBigFieldAndShowNoBigField)
{
    DisplayFixture f;
    MainWidgets& w = f.w();
    ASSERT_TRUE(f.s().hdZielGross());
    f.harmonyMode("farbreihen");
    EXPECT_TRUE(f.s().hdZielRechts());
    EXPECT_FALSE(f.s().hdZielGross());
    for (StaticText* t : {w.values.SGrObR, w.values.SGrObG, w.values.SGrObB, w.values.SGrObHex})
        EXPECT_EQ(t->text(), QStringLiteral("-"));
    const QColor backgroundColour = w.regions.panelHintergrund->colour();
    EXPECT_EQ(w.fields.Anzeige->colour(), backgroundColour);
    EXPECT_EQ(w.fields.AnzeigeReihen->colour(), backgroundColour);
    EXPECT_EQ(w.fields.AnzeigeReihen->marker(), 0);

    // Moving the band keeps the rows on the background.
    f.d().datenHolen(200, true);
    EXPECT_EQ(w.fields.AnzeigeReihen->colour(), backgroundColour);
    EXPECT_EQ(w.values.SGrObHex->text(), QStringLiteral("-"));

    f.harmonyMode("auffaecherungen");
    EXPECT_EQ(w.fields.AnzeigeReihen->marker(), 1);
    EXPECT_EQ(w.fields.AnzeigeReihen->colour(), bandFarbe(200));
    EXPECT_EQ(w.values.SGrObHex->text(), hex(bandFarbe(200)));
    EXPECT_TRUE(f.s().hdZielRechts()); // fanning keeps the outer right field
}

TEST(ModeSwitch, FanningWithTheBigFieldSelectedKeepsItSelected)
{
    DisplayFixture f;
    f.harmonyMode("auffaecherungen");
    EXPECT_TRUE(f.s().hdZielGross());
    EXPECT_FALSE(f.parts().lightDark->colourHeld());
    EXPECT_EQ(f.w().furniture.statusPanel1->text(), QStringLiteral("Big field selected"));
}

TEST(ModeSwitch, FourColourAngleViewFollowsTheAngleTypeBox)
{
    DisplayFixture f;
    MainWidgets& w = f.w();
    f.harmonyMode("viererHarmonien");
    waehleEintrag(w.angle.ComboBox3, 1);
    f.harmonyMode("zweierHarmonien");
    ASSERT_FALSE(w.angle.ComboBox3->isEnabled());
    f.harmonyMode("viererHarmonien");
    EXPECT_EQ(w.angle.ComboBox3->currentIndex(), 1);
    EXPECT_TRUE(w.angle.ComboBox3->isEnabled());
    EXPECT_TRUE(w.angle.TrackBar2->isEnabled());
    EXPECT_FALSE(w.angle.TrackBar3->isEnabled());
    EXPECT_TRUE(w.angle.WinkelU->isHidden());
}

TEST(ModeSwitch, TextViewReselectionEndsOnTheCheckedRadioButtonsField)
{
    DisplayFixture f;
    MainWidgets& w = f.w();
    f.harmonyMode("viererHarmonien");
    f.currentState([](MainState& n) { n.separateChoice = Field::right; }); // its radio button marked
    w.fields.RichEdit2->show();
    f.parts().modes->checkBoxenResetten2();
    EXPECT_TRUE(f.s().hdZielRechts());
    EXPECT_FALSE(f.parts().lightDark->colourHeld());
    EXPECT_EQ(w.furniture.statusPanel1->text(),
              QStringLiteral("Small field on the right-hand side selected"));
    // 4-colour, angle type 1, at 0: right at 333.
    EXPECT_EQ(w.lightDark.flaechenanzeigeFarbe->colour(), bandFarbe(333));
}
