#include "support/DisplayFixture.h"

#include "ui/display/BandAngleControls.h"
#include "ui/display/LightDarkField.h"
#include "ui/widgets/PictureBox.h"

#include <QTest>

#include <numeric>

#include <gtest/gtest.h>

namespace
{

// Row panels standing in the row display, in order 1..15.
std::vector<int> imReihe(MainWidgets& w)
{
    std::vector<int> n;
    for (int k = 1; k <= 15; ++k) {
        const ColourPanel* p = w.fields.R[static_cast<std::size_t>(k)];
        if (p->parentWidget() == w.fields.AnzeigeReihen && !p->isHidden())
            n.push_back(k);
        else
            EXPECT_EQ(p->parentWidget(), w.fields.PanelContainer2) << "R" << k;
    }
    return n;
}

} // namespace

TEST(ModeRows, FanningPaintsEveryRowFieldAtItsBandPosition)
{
    DisplayFixture f;
    MainWidgets& w = f.w();
    f.harmonyMode("auffaecherungen");
    stufenWaehlen(w, 3);
    f.d().datenHolen(100, true);
    ASSERT_EQ(f.s().abstand1(), 40);

    EXPECT_EQ(w.fields.R[15]->colour(), bandFarbe(399));
    EXPECT_EQ(w.fields.R[1]->colour(), bandFarbe(479));
    EXPECT_EQ(w.fields.R[8]->colour(), bandFarbe(439));
    EXPECT_EQ(w.fields.R[9]->colour(), bandFarbe(426));
    EXPECT_EQ(w.fields.R[7]->colour(), bandFarbe(452));
    EXPECT_EQ(w.fields.R[10]->colour(), bandFarbe(413));
    EXPECT_EQ(w.fields.R[6]->colour(), bandFarbe(465));
    // The big field lies behind the rows; the value rows show the outer fields and the centre.
    EXPECT_EQ(w.fields.AnzeigeReihen->colour(), bandFarbe(100));
    EXPECT_EQ(w.values.SGrObHex->text(), hex(bandFarbe(100)));
    EXPECT_EQ(w.values.SKlObHex->text(), hex(bandFarbe(399)));
    EXPECT_EQ(w.values.SKlObLiHex->text(), hex(bandFarbe(479)));
    EXPECT_EQ(w.values.SKlObMiHex->text(), hex(bandFarbe(439)));
    EXPECT_EQ(w.values.Panel6->colour(), bandFarbe(439));
    EXPECT_EQ(w.band.PaintBox1->x(), w.band.Image2->x() + 100);
    EXPECT_EQ(w.band.PaintBox2->x(), w.band.Image2->x() + 100);

    EXPECT_EQ(imReihe(w), (std::vector<int>{1, 6, 7, 8, 9, 10, 15}));
    EXPECT_EQ(w.fields.R[1]->x(), 184); // where R5 would currentState
    EXPECT_EQ(w.fields.R[15]->x(), 454);
}

TEST(ModeRows, OuterFieldsCloseTheRowForEveryFieldCount)
{
    DisplayFixture f;
    MainWidgets& w = f.w();
    f.harmonyMode("farbreihen");
    stufenWaehlen(w, 1);
    EXPECT_EQ(imReihe(w), (std::vector<int>{1, 8, 15}));
    EXPECT_EQ(w.fields.R[1]->x(), 274);
    EXPECT_EQ(w.fields.R[15]->x(), 364);
    EXPECT_EQ(w.fields.R[1]->tag(), 274);
    EXPECT_EQ(w.fields.R[15]->tag(), 364);

    stufenWaehlen(w, 7);
    std::vector<int> allItems(15);
    std::iota(allItems.begin(), allItems.end(), 1);
    EXPECT_EQ(imReihe(w), allItems);
    for (std::size_t k = 1; k <= 15; ++k)
        EXPECT_EQ(w.fields.R[k]->x(), 4 + 45 * static_cast<int>(k - 1)) << "R" << k;

    stufenWaehlen(w, 4);
    EXPECT_EQ(imReihe(w), (std::vector<int>{1, 5, 6, 7, 8, 9, 10, 11, 15}));
    EXPECT_EQ(w.fields.R[1]->x(), 139);
    EXPECT_EQ(w.fields.R[15]->x(), 499);
    EXPECT_EQ(f.s().stufenAnzahl, 4);
    EXPECT_TRUE(f.s().stufeAktiv[4]);
    EXPECT_FALSE(f.s().stufeAktiv[5]);
}

TEST(ModeRows, CompactLayoutPlacesTheOuterFieldsByStepCount)
{
    DisplayFixture f;
    MainWidgets& w = f.w();
    f.form->aufloesung800x600();
    f.harmonyMode("auffaecherungen");
    stufenWaehlen(w, 1);
    EXPECT_EQ(w.fields.R[1]->x(), 210);
    EXPECT_EQ(w.fields.R[15]->x(), 278);
    stufenWaehlen(w, 7);
    EXPECT_EQ(w.fields.R[1]->x(), 6);
    EXPECT_EQ(w.fields.R[15]->x(), 482);
    EXPECT_EQ(w.fields.R[2]->x(), 40);
}

// The row scales with the display width W: panel width W*40 div 680, the
// first slot where the leftover space centres the row, then fixed steps.
TEST(ModeRows, ResizingKeepsTheOuterFieldsAtTheEndsOfTheRow)
{
    DisplayFixture f;
    MainWidgets& w = f.w();
    f.form->show();
    f.harmonyMode("auffaecherungen");
    stufenWaehlen(w, 3);
    const auto slot = [](int breite, int k) {
        const int field = breite * 40 / 680;
        const int rest = breite - 2 - 15 * field;
        const int gap = (rest - 20) / 14;
        return (rest - 14 * gap) / 2 - 1 + (k - 1) * (field + gap);
    };
    int vorher = w.fields.Anzeige->width();
    for (QSize extent : {QSize(1000, 720), QSize(1300, 900)}) {
        f.form->resize(extent);
        // The panel width following the new display width shows the row was laid out again.
        ASSERT_TRUE(QTest::qWaitFor([&] {
            return w.fields.Anzeige->width() != vorher &&
                   w.fields.R[1]->width() == w.fields.Anzeige->width() * 40 / 680;
        }));
        vorher = w.fields.Anzeige->width();
        SCOPED_TRACE(vorher);
        // K = 3: the outer fields take the slots of R5 and R11.
        EXPECT_EQ(w.fields.R[1]->x(), slot(vorher, 5));
        EXPECT_EQ(w.fields.R[15]->x(), slot(vorher, 11));
        EXPECT_EQ(w.fields.R[6]->x(), slot(vorher, 6));
        EXPECT_EQ(w.fields.R[10]->x(), slot(vorher, 10));
        EXPECT_EQ(w.fields.R[1]->y(), w.fields.R[8]->y());
    }
}

TEST(ModeRows, FieldCountChangeKeepsTheBigFieldSelected)
{
    DisplayFixture f;
    f.harmonyMode("auffaecherungen");
    f.parts().lightDark->bewegeHellDunkel(100, 0); // a point of the big field's own
    stufenWaehlen(f.w(), 5);
    EXPECT_TRUE(f.s().hdZielGross());
    EXPECT_FALSE(f.parts().lightDark->colourHeld());
    EXPECT_EQ(f.w().furniture.statusPanel1->text(), QStringLiteral("Big field selected"));
    EXPECT_EQ(f.w().lightDark.KreuzV->x(), 100);
}

TEST(ModeRows, ThreeColourTakesTheSmallFieldsAroundTheComplement)
{
    DisplayFixture f;
    MainWidgets& w = f.w();
    f.harmonyMode("dreierHarmonien");
    f.parts().band->Image2MouseDown(500);
    f.parts().band->Image2MouseUp();
    EXPECT_EQ(f.s().posGross(), 500);
    EXPECT_EQ(w.fields.KleinRechts->colour(), bandFarbe(121));
    EXPECT_EQ(w.fields.KleinLinks->colour(), bandFarbe(201));
    EXPECT_EQ(w.fields.Anzeige_Normal->colour(), bandFarbe(500));
    EXPECT_EQ(w.values.Panel7->colour(), bandFarbe(121));
    EXPECT_EQ(w.values.Panel5->colour(), bandFarbe(201));
    EXPECT_EQ(w.values.SKlObLiHex->text(), hex(bandFarbe(201)));
    EXPECT_EQ(w.values.SKlObR->text(), QString::number(bandFarbe(121).red()));
}
