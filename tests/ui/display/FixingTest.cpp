#include "support/InteractionFixture.h"
#include "support/PaintCounter.h"

#include "ui/display/Fixing.h"

#include <QLabel>

#include <gtest/gtest.h>

namespace
{

void bandClick(ShownWindow& f, int x)
{
    klick(f.w().band.Image2, {x, 30});
}

void fixieren(ShownWindow& f)
{
    f.form->actionItem("fixieren")->trigger();
}

// A 3-colour combination at band position 500 (small fields at 121 and 201), fixed.
void dreiFarbenFixiert(ShownWindow& f)
{
    f.harmonyMode("dreierHarmonien");
    ASSERT_EQ(f.w().angle.TrackBar2->value(), 40);
    bandClick(f, 500);
    fixieren(f);
    ASSERT_TRUE(f.s().fixiert);
}

} // namespace

TEST(Fixing, BothHalvesShowTheModeAndAModeChangeActsOnTheEditedHalfOnly)
{
    ShownWindow f;
    MainWidgets& w = f.w();
    dreiFarbenFixiert(f);
    EXPECT_TRUE(w.fields.FixedLinks->isVisibleTo(w.fields.Anzeige));
    EXPECT_EQ(w.fields.FixedLinks->parentWidget(), w.fields.Anzeige);
    EXPECT_EQ(w.fields.FixedRechts->parentWidget(), w.fields.Anzeige);
    EXPECT_EQ(w.fields.Anzeige_Normal->parentWidget(), w.fields.PanelContainer2);
    EXPECT_EQ(w.fields.FixedLinksKleinLinks->parentWidget(), w.fields.FixedLinks);
    EXPECT_EQ(w.fields.FixedKleinLinks->parentWidget(), w.fields.FixedRechts);
    EXPECT_EQ(w.fields.FixedLinks->colour(), bandFarbe(500));
    EXPECT_EQ(w.fields.FixedLinksKleinLinks->colour(), bandFarbe(201));
    EXPECT_EQ(w.values.SKlUnLiHex->text(), hex(bandFarbe(201)));

    f.harmonyMode("viererHarmonien");
    EXPECT_EQ(w.fields.FixedKleinMitte->parentWidget(), w.fields.FixedRechts);
    EXPECT_EQ(w.fields.FixedLinksKleinMitte->parentWidget(), w.fields.PanelContainer2);
    EXPECT_EQ(w.fields.FixedLinks->colour(), bandFarbe(500));
}

TEST(Fixing, ClickingTheLeftHalfUnchangedSwapsNothingAndItsValuesFollowTheBand)
{
    ShownWindow f;
    MainWidgets& w = f.w();
    dreiFarbenFixiert(f);
    const FixSnapshot vorher = f.s().fixStand;

    klick(w.fields.FixedLinksKleinRechts);
    EXPECT_TRUE(f.s().fixLinksAktiv);
    EXPECT_EQ(f.s().fixStand, vorher);
    EXPECT_TRUE(f.s().hdZielRechts());

    bandClick(f, 100); // small fields at 399 and 479
    EXPECT_EQ(w.fields.FixedLinks->colour(), bandFarbe(100));
    EXPECT_EQ(w.fields.FixedLinksKleinRechts->colour(), bandFarbe(399));
    EXPECT_EQ(w.values.SGrUnHex->text(), hex(bandFarbe(100)));
    EXPECT_EQ(w.values.SKlUnHex->text(), hex(bandFarbe(399)));
    EXPECT_EQ(w.values.SKlUnLiHex->text(), hex(bandFarbe(479)));
    // The right half and the top row keep the fixed combination.
    EXPECT_EQ(w.fields.FixedRechts->colour(), bandFarbe(500));
    EXPECT_EQ(w.fields.FixedKleinRechts->colour(), bandFarbe(121));
    EXPECT_EQ(w.values.SGrObHex->text(), hex(bandFarbe(500)));
}

TEST(Fixing, ASwapRepaintsNeitherHalfAndSwapsBack)
{
    ShownWindow f;
    MainWidgets& w = f.w();
    dreiFarbenFixiert(f);
    bandClick(f, 200); // the right half: small fields at 499 and 579
    // The witness stands apart from both halves and both value rows.
    ASSERT_TRUE(allesGemalt(w.angle.ImageWW));
    PaintCounter fixedHalves{
        w.fields.FixedLinks,       w.fields.FixedRechts,     w.fields.FixedLinksKleinRechts,
        w.fields.FixedKleinRechts, w.fields.FixedKleinLinks, w.values.SGrObHex,
        w.values.SGrUnHex,         w.values.SKlObHex};

    klick(w.fields.FixedLinksKleinLinks);
    EXPECT_TRUE(allesGemalt(w.angle.ImageWW));
    EXPECT_EQ(fixedHalves.count, 0);
    EXPECT_EQ(f.s().posGross(), 500);
    EXPECT_EQ(f.s().posLinks(), 201);
    EXPECT_EQ(f.s().fixStand.fixPosGross, 200);
    EXPECT_TRUE(f.s().hdZielLinks());
    EXPECT_EQ(w.fields.FixedRechts->colour(), bandFarbe(200));
    EXPECT_EQ(w.values.SGrObHex->text(), hex(bandFarbe(200)));
    EXPECT_EQ(w.fields.FixedLinks->colour(), bandFarbe(500));

    klick(w.fields.FixedKleinRechts);
    EXPECT_FALSE(f.s().fixLinksAktiv);
    EXPECT_EQ(f.s().posGross(), 200);
    EXPECT_EQ(f.s().posRechts(), 499);
    EXPECT_EQ(f.s().fixStand.fixPosGross, 500);
}

TEST(Fixing, RowsOfDifferentLengthKeepTheirOwnStepCounts)
{
    ShownWindow f;
    MainWidgets& w = f.w();
    f.harmonyMode("auffaecherungen");
    stufenWaehlen(w, 4);
    fixieren(f);
    stufenWaehlen(w, 7); // the right half: 15 fields
    EXPECT_EQ(w.fields.RRe[2]->parentWidget(), w.fields.FixedRechtsReihen);
    EXPECT_EQ(w.fields.RLi[2]->parentWidget(), w.fields.PanelContainer2);
    EXPECT_EQ(w.fields.RLi[5]->parentWidget(), w.fields.FixedLinksReihen);

    klick(w.fields.RLi[1]);
    EXPECT_EQ(f.s().stufenAnzahl, 4);
    EXPECT_EQ(w.rowControls.ComboBox1->currentIndex(), 3);
    EXPECT_TRUE(f.s().hdZielLinks());
    EXPECT_EQ(w.fields.RRe[2]->parentWidget(), w.fields.FixedRechtsReihen);
}

TEST(Fixing, SwitchingOffWhileTheLeftHalfIsEditedShowsTheLiveState)
{
    ShownWindow f;
    MainWidgets& w = f.w();
    dreiFarbenFixiert(f);
    bandClick(f, 200);
    klick(w.fields.FixedLinks);
    ASSERT_EQ(f.s().posGross(), 500);

    fixieren(f);
    EXPECT_FALSE(f.s().fixiert);
    EXPECT_FALSE(f.form->actionItem("fixieren")->isChecked());
    EXPECT_EQ(w.fields.Anzeige_Normal->parentWidget(), w.fields.Anzeige);
    EXPECT_EQ(w.fields.FixedLinks->parentWidget(), w.fields.PanelContainer2);
    EXPECT_EQ(w.fields.FixedRechts->parentWidget(), w.fields.PanelContainer2);
    EXPECT_EQ(w.fields.Anzeige_Normal->colour(), bandFarbe(500));
    EXPECT_EQ(w.fields.KleinRechts->colour(), bandFarbe(121));
    EXPECT_EQ(w.fields.KleinLinks->colour(), bandFarbe(201));
    EXPECT_EQ(w.values.SGrObHex->text(), hex(bandFarbe(500)));
    EXPECT_EQ(w.values.SGrUnHex->text(), QString());
    EXPECT_TRUE(w.values.Panel8->isHidden());
}

TEST(Fixing, AFixedColourRowHasNoBigFieldInEitherHalf)
{
    ShownWindow f;
    MainWidgets& w = f.w();
    f.harmonyMode("farbreihen");
    fixieren(f);
    EXPECT_EQ(w.fields.FixedLinksReihen->marker(), 0);
    EXPECT_EQ(w.fields.FixedRechtsReihen->marker(), 0);
    const QString status = w.furniture.statusPanel1->text();

    // The background selects no field and swaps nothing: a click there does nothing at all.
    klick(w.fields.FixedLinksReihen, {5, 5});
    EXPECT_FALSE(f.s().fixLinksAktiv);
    bandClick(f, 300);
    EXPECT_EQ(w.fields.RRe[8]->colour(), bandFarbe(300));
    EXPECT_EQ(w.fields.RLi[8]->colour(), bandFarbe(0));
    klick(w.fields.RLi[1]);
    ASSERT_TRUE(f.s().fixLinksAktiv);
    const QString left = w.furniture.statusPanel1->text();
    klick(w.fields.FixedRechtsReihen, {5, 5});
    EXPECT_TRUE(f.s().fixLinksAktiv);
    EXPECT_FALSE(f.s().hdZielGross());
    EXPECT_EQ(w.furniture.statusPanel1->text(), left);
    EXPECT_NE(left, status);

    klick(w.fields.RLi[15]);
    EXPECT_TRUE(f.s().fixLinksAktiv);
    EXPECT_TRUE(f.s().hdZielRechts());

    fixieren(f);
    EXPECT_EQ(w.fields.FixedLinksReihen->marker(), 1);
    EXPECT_EQ(w.fields.FixedRechtsReihen->marker(), 1);
    EXPECT_EQ(w.fields.AnzeigeReihen->marker(), 0);
}

TEST(Fixing, ReturningToTheFieldAStatusTextNamesSwapsBackToItsHalf)
{
    ShownWindow f;
    MainWidgets& w = f.w();
    dreiFarbenFixiert(f);
    bandClick(f, 200);
    klick(w.fields.FixedKleinLinks);
    const QString linksGewaehlt = w.furniture.statusPanel1->text();
    klick(w.fields.FixedLinks);
    ASSERT_TRUE(f.s().fixLinksAktiv);

    Fixing& fixing = *f.form->parts().fixing;
    fixing.zurueckZurAltenFlaecheRe(QStringLiteral("keine Fläche"));
    EXPECT_TRUE(f.s().fixLinksAktiv);
    EXPECT_TRUE(f.s().hdZielGross());

    fixing.zurueckZurAltenFlaecheRe(linksGewaehlt);
    EXPECT_FALSE(f.s().fixLinksAktiv);
    EXPECT_TRUE(f.s().hdZielLinks());
    EXPECT_EQ(f.s().posGross(), 200);
}

TEST(Fixing, SwitchingOffFromTheLeftHalfLaysTheUpperRowOutForItsMode)
{
    ShownWindow f;
    MainWidgets& w = f.w();
    fixieren(f); // both halves 2-colour
    klick(w.fields.FixedLinksKleinRechts);
    f.harmonyMode("auffaecherungen");
    fixieren(f);
    EXPECT_TRUE(w.values.Panel5->isVisibleTo(f.form.get()));
    EXPECT_TRUE(w.values.Panel6->isVisibleTo(f.form.get()));
    EXPECT_EQ(w.values.SKlObMiHex->text(), hex(w.fields.R[8]->colour()));
    EXPECT_EQ(w.values.SKlObLiHex->text(), hex(w.fields.R[1]->colour()));
}

TEST(Fixing, ABackgroundForAColourRowLeavesTheFixedFanningsBigField)
{
    ShownWindow f;
    MainWidgets& w = f.w();
    f.harmonyMode("auffaecherungen");
    fixieren(f);
    ASSERT_EQ(w.fields.FixedRechtsReihen->colour(), bandFarbe(0));
    klick(w.fields.RLi[1]);
    f.harmonyMode("farbreihen");
    waehleEintrag(w.regions.ComboBox2, 3);
    EXPECT_EQ(w.fields.FixedRechtsReihen->colour(), bandFarbe(0));
    EXPECT_EQ(w.fields.FixedLinksReihen->colour(), w.regions.panelHintergrund->colour());
}
