#include "support/InteractionFixture.h"
#include "support/PaintCounter.h"

#include "ui/display/Fixing.h"

#include <QLabel>

#include <gtest/gtest.h>

namespace
{

void bandClick(ShownWindow& f, int x)
{
    klick(f.w().Image2, {x, 30});
}

void fixieren(ShownWindow& f)
{
    f.form->actionItem("fixieren")->trigger();
}

// A 3-colour combination at band position 500 (small fields at 121 and 201), fixed.
void dreiFarbenFixiert(ShownWindow& f)
{
    f.harmonyMode("dreierHarmonien");
    ASSERT_EQ(f.w().TrackBar2->value(), 40);
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
    EXPECT_TRUE(w.FixedLinks->isVisibleTo(w.Anzeige));
    EXPECT_EQ(w.FixedLinks->parentWidget(), w.Anzeige);
    EXPECT_EQ(w.FixedRechts->parentWidget(), w.Anzeige);
    EXPECT_EQ(w.Anzeige_Normal->parentWidget(), w.PanelContainer2);
    EXPECT_EQ(w.FixedLinksKleinLinks->parentWidget(), w.FixedLinks);
    EXPECT_EQ(w.FixedKleinLinks->parentWidget(), w.FixedRechts);
    EXPECT_EQ(w.FixedLinks->colour(), bandFarbe(500));
    EXPECT_EQ(w.FixedLinksKleinLinks->colour(), bandFarbe(201));
    EXPECT_EQ(w.SKlUnLiHex->text(), hex(bandFarbe(201)));

    f.harmonyMode("viererHarmonien");
    EXPECT_EQ(w.FixedKleinMitte->parentWidget(), w.FixedRechts);
    EXPECT_EQ(w.FixedLinksKleinMitte->parentWidget(), w.PanelContainer2);
    EXPECT_EQ(w.FixedLinks->colour(), bandFarbe(500));
}

TEST(Fixing, ClickingTheLeftHalfUnchangedSwapsNothingAndItsValuesFollowTheBand)
{
    ShownWindow f;
    MainWidgets& w = f.w();
    dreiFarbenFixiert(f);
    const FixSnapshot vorher = f.s().fixStand;

    klick(w.FixedLinksKleinRechts);
    EXPECT_TRUE(f.s().fixLinksAktiv);
    EXPECT_EQ(f.s().fixStand, vorher);
    EXPECT_TRUE(f.s().hdZielRechts());

    bandClick(f, 100); // small fields at 399 and 479
    EXPECT_EQ(w.FixedLinks->colour(), bandFarbe(100));
    EXPECT_EQ(w.FixedLinksKleinRechts->colour(), bandFarbe(399));
    EXPECT_EQ(w.SGrUnHex->text(), hex(bandFarbe(100)));
    EXPECT_EQ(w.SKlUnHex->text(), hex(bandFarbe(399)));
    EXPECT_EQ(w.SKlUnLiHex->text(), hex(bandFarbe(479)));
    // The right half and the top row keep the fixed combination.
    EXPECT_EQ(w.FixedRechts->colour(), bandFarbe(500));
    EXPECT_EQ(w.FixedKleinRechts->colour(), bandFarbe(121));
    EXPECT_EQ(w.SGrObHex->text(), hex(bandFarbe(500)));
}

TEST(Fixing, ASwapRepaintsNeitherHalfAndSwapsBack)
{
    ShownWindow f;
    MainWidgets& w = f.w();
    dreiFarbenFixiert(f);
    bandClick(f, 200); // the right half: small fields at 499 and 579
    // The witness stands apart from both halves and both value rows.
    ASSERT_TRUE(allesGemalt(w.ImageWW));
    PaintCounter fixedHalves{w.FixedLinks,       w.FixedRechts,     w.FixedLinksKleinRechts,
                             w.FixedKleinRechts, w.FixedKleinLinks, w.SGrObHex,
                             w.SGrUnHex,         w.SKlObHex};

    klick(w.FixedLinksKleinLinks);
    EXPECT_TRUE(allesGemalt(w.ImageWW));
    EXPECT_EQ(fixedHalves.count, 0);
    EXPECT_EQ(f.s().posGross(), 500);
    EXPECT_EQ(f.s().posLinks(), 201);
    EXPECT_EQ(f.s().fixStand.fixPosGross, 200);
    EXPECT_TRUE(f.s().hdZielLinks());
    EXPECT_EQ(w.FixedRechts->colour(), bandFarbe(200));
    EXPECT_EQ(w.SGrObHex->text(), hex(bandFarbe(200)));
    EXPECT_EQ(w.FixedLinks->colour(), bandFarbe(500));

    klick(w.FixedKleinRechts);
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
    EXPECT_EQ(w.RRe[2]->parentWidget(), w.FixedRechtsReihen);
    EXPECT_EQ(w.RLi[2]->parentWidget(), w.PanelContainer2);
    EXPECT_EQ(w.RLi[5]->parentWidget(), w.FixedLinksReihen);

    klick(w.RLi[1]);
    EXPECT_EQ(f.s().stufenAnzahl, 4);
    EXPECT_EQ(w.ComboBox1->currentIndex(), 3);
    EXPECT_TRUE(f.s().hdZielLinks());
    EXPECT_EQ(w.RRe[2]->parentWidget(), w.FixedRechtsReihen);
}

TEST(Fixing, SwitchingOffWhileTheLeftHalfIsEditedShowsTheLiveState)
{
    ShownWindow f;
    MainWidgets& w = f.w();
    dreiFarbenFixiert(f);
    bandClick(f, 200);
    klick(w.FixedLinks);
    ASSERT_EQ(f.s().posGross(), 500);

    fixieren(f);
    EXPECT_FALSE(f.s().fixiert);
    EXPECT_FALSE(f.form->actionItem("fixieren")->isChecked());
    EXPECT_EQ(w.Anzeige_Normal->parentWidget(), w.Anzeige);
    EXPECT_EQ(w.FixedLinks->parentWidget(), w.PanelContainer2);
    EXPECT_EQ(w.FixedRechts->parentWidget(), w.PanelContainer2);
    EXPECT_EQ(w.Anzeige_Normal->colour(), bandFarbe(500));
    EXPECT_EQ(w.KleinRechts->colour(), bandFarbe(121));
    EXPECT_EQ(w.KleinLinks->colour(), bandFarbe(201));
    EXPECT_EQ(w.SGrObHex->text(), hex(bandFarbe(500)));
    EXPECT_EQ(w.SGrUnHex->text(), QString());
    EXPECT_TRUE(w.Panel8->isHidden());
}

TEST(Fixing, AFixedColourRowHasNoBigFieldInEitherHalf)
{
    ShownWindow f;
    MainWidgets& w = f.w();
    f.harmonyMode("farbreihen");
    fixieren(f);
    EXPECT_EQ(w.FixedLinksReihen->marker(), 0);
    EXPECT_EQ(w.FixedRechtsReihen->marker(), 0);
    const QString status = w.statusPanel1->text();

    // The background selects no field and swaps nothing: a click there does nothing at all.
    klick(w.FixedLinksReihen, {5, 5});
    EXPECT_FALSE(f.s().fixLinksAktiv);
    bandClick(f, 300);
    EXPECT_EQ(w.RRe[8]->colour(), bandFarbe(300));
    EXPECT_EQ(w.RLi[8]->colour(), bandFarbe(0));
    klick(w.RLi[1]);
    ASSERT_TRUE(f.s().fixLinksAktiv);
    const QString left = w.statusPanel1->text();
    klick(w.FixedRechtsReihen, {5, 5});
    EXPECT_TRUE(f.s().fixLinksAktiv);
    EXPECT_FALSE(f.s().hdZielGross());
    EXPECT_EQ(w.statusPanel1->text(), left);
    EXPECT_NE(left, status);

    klick(w.RLi[15]);
    EXPECT_TRUE(f.s().fixLinksAktiv);
    EXPECT_TRUE(f.s().hdZielRechts());

    fixieren(f);
    EXPECT_EQ(w.FixedLinksReihen->marker(), 1);
    EXPECT_EQ(w.FixedRechtsReihen->marker(), 1);
    EXPECT_EQ(w.AnzeigeReihen->marker(), 0);
}

TEST(Fixing, ReturningToTheFieldAStatusTextNamesSwapsBackToItsHalf)
{
    ShownWindow f;
    MainWidgets& w = f.w();
    dreiFarbenFixiert(f);
    bandClick(f, 200);
    klick(w.FixedKleinLinks);
    const QString linksGewaehlt = w.statusPanel1->text();
    klick(w.FixedLinks);
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
    klick(w.FixedLinksKleinRechts);
    f.harmonyMode("auffaecherungen");
    fixieren(f);
    EXPECT_TRUE(w.Panel5->isVisibleTo(f.form.get()));
    EXPECT_TRUE(w.Panel6->isVisibleTo(f.form.get()));
    EXPECT_EQ(w.SKlObMiHex->text(), hex(w.R[8]->colour()));
    EXPECT_EQ(w.SKlObLiHex->text(), hex(w.R[1]->colour()));
}

TEST(Fixing, ABackgroundForAColourRowLeavesTheFixedFanningsBigField)
{
    ShownWindow f;
    MainWidgets& w = f.w();
    f.harmonyMode("auffaecherungen");
    fixieren(f);
    ASSERT_EQ(w.FixedRechtsReihen->colour(), bandFarbe(0));
    klick(w.RLi[1]);
    f.harmonyMode("farbreihen");
    waehleEintrag(w.ComboBox2, 3);
    EXPECT_EQ(w.FixedRechtsReihen->colour(), bandFarbe(0));
    EXPECT_EQ(w.FixedLinksReihen->colour(), w.panelHintergrund->colour());
}
