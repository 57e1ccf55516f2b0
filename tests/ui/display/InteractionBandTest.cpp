#include "support/InteractionFixture.h"

#include "ui/display/BandAngleControls.h"
#include "ui/display/DisplayParts.h"
#include "ui/display/ModeActions.h"
#include "ui/widgets/ColourPanel.h"
#include "ui/widgets/PictureBox.h"
#include "ui/widgets/StaticText.h"

#include <QComboBox>
#include <QLabel>
#include <QSlider>
#include <QWindow>

#include <gtest/gtest.h>

namespace
{

void bandClick(ShownWindow& f, int x)
{
    drueck(f.w().band.Image2, {x, 30});
    loslass(f.w().band.Image2, {x, 30});
}

} // namespace

TEST(InteractionBand, ClickInThreeColoursPlacesTheSmallFieldsAroundTheComplement)
{
    ShownWindow f;
    f.harmonyMode("dreierHarmonien");
    ASSERT_EQ(f.w().angle.TrackBar2->value(), 40);
    bandClick(f, 500);

    const MainState& s = f.s();
    EXPECT_EQ(s.posGross(), 500);
    EXPECT_EQ(s.posRechts(), 121); // complement 161, minus 40
    EXPECT_EQ(s.posLinks(), 201);
    EXPECT_FALSE(f.form->parts().band->bandHeld());
    EXPECT_EQ(f.w().fields.Anzeige_Normal->colour(), bandFarbe(500));
    EXPECT_EQ(f.w().fields.KleinRechts->colour(), bandFarbe(121));
    EXPECT_EQ(f.w().fields.KleinLinks->colour(), bandFarbe(201));
    EXPECT_EQ(f.w().values.Panel5->colour(), bandFarbe(201));
    const QColor c = bandFarbe(121);
    EXPECT_EQ(f.w().values.SKlObR->text(), QString::number(c.red()));
    // The light/dark field shows the selected (big) field's base colour.
    EXPECT_EQ(f.w().lightDark.flaechenanzeigeFarbe->colour(), bandFarbe(500));
}

TEST(InteractionBand, ClickInFanningSpreadsTheRowAroundTheComplement)
{
    ShownWindow f;
    f.harmonyMode("auffaecherungen");
    stufenWaehlen(f.w(), 3); // 7 fields
    bandClick(f, 100);

    // Centre 439; outer fields 40 away; rings in steps of round(40 / 3) = 13.
    MainWidgets& w = f.w();
    EXPECT_EQ(w.fields.AnzeigeReihen->colour(), bandFarbe(100));
    EXPECT_EQ(w.fields.R[8]->colour(), bandFarbe(439));
    EXPECT_EQ(w.fields.R[15]->colour(), bandFarbe(399));
    EXPECT_EQ(w.fields.R[1]->colour(), bandFarbe(479));
    EXPECT_EQ(w.fields.R[9]->colour(), bandFarbe(426));
    EXPECT_EQ(w.fields.R[7]->colour(), bandFarbe(452));
    EXPECT_EQ(w.fields.R[10]->colour(), bandFarbe(413));
    EXPECT_EQ(w.fields.R[6]->colour(), bandFarbe(465));
}

// Through the window, as the platform delivers it: the band keeps the mouse
// while the button is held, wherever the pointer goes.
TEST(InteractionBand, DraggingBeyondEitherEndHoldsTheBandEnds)
{
    ShownWindow f;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f.form.get()));
    QWindow* topWindow = f.form->windowHandle();
    PictureBox* band = f.w().band.Image2;
    const auto imFenster = [&](int x) { return topWindow->mapFromGlobal(band->mapToGlobal(QPoint(x, 30))); };

    QTest::mousePress(topWindow, Qt::LeftButton, {}, imFenster(300));
    EXPECT_TRUE(f.form->parts().band->bandHeld());
    EXPECT_EQ(f.s().posGross(), 300);
    QTest::mouseMove(topWindow, imFenster(-40));
    EXPECT_EQ(f.s().posGross(), 0);
    QTest::mouseMove(topWindow, imFenster(20));
    EXPECT_EQ(f.s().posGross(), 20);
    QTest::mouseMove(topWindow, imFenster(900));
    EXPECT_EQ(f.s().posGross(), 677);
    EXPECT_EQ(f.w().fields.Anzeige_Normal->colour(), bandFarbe(677));
    QTest::mouseRelease(topWindow, Qt::LeftButton, {}, imFenster(900));
    EXPECT_FALSE(f.form->parts().band->bandHeld());

    // Without the button the band ignores the mouse.
    QTest::mouseMove(topWindow, imFenster(200));
    EXPECT_EQ(f.s().posGross(), 677);
}

// With the band hidden its currentState-in takes the same mouse handling.
TEST(InteractionBand, HiddenBandStandInCanBeDraggedBlind)
{
    ShownWindow f;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f.form.get()));
    f.w().band.Panel3->hide();
    f.w().band.Panel2->show();
    QWindow* topWindow = f.form->windowHandle();
    ColourPanel* ersatz = f.w().band.Panel2;
    const auto imFenster = [&](int x) {
        return topWindow->mapFromGlobal(ersatz->mapToGlobal(QPoint(x, 20)));
    };

    QTest::mousePress(topWindow, Qt::LeftButton, {}, imFenster(250));
    EXPECT_EQ(f.s().posGross(), 250);
    QTest::mouseMove(topWindow, imFenster(-10));
    EXPECT_EQ(f.s().posGross(), 0);
    QTest::mouseMove(topWindow, imFenster(400));
    EXPECT_EQ(f.s().posGross(), 400);
    QTest::mouseRelease(topWindow, Qt::LeftButton, {}, imFenster(400));
    EXPECT_FALSE(f.form->parts().band->bandHeld());
    EXPECT_EQ(f.w().fields.Anzeige_Normal->colour(), bandFarbe(400));
}

TEST(InteractionBand, ClickDropsATypedInColourAndTheValueHighlight)
{
    ShownWindow f;
    f.d().eingabeFarbeAktiv(true);
    f.d().eingabeTexteZeigen(true);
    klick(f.w().values.SGrObHex);
    ASSERT_NE(f.w().values.SGrObHex->background(), f.w().values.SKlObHex->background());
    bandClick(f, 10);
    EXPECT_FALSE(f.s().eingabeFarbeAktiv);
    EXPECT_FALSE(f.s().eingabeTexteZeigen);
    EXPECT_EQ(f.w().values.SGrObHex->background(), f.w().values.SKlObHex->background());
}

TEST(InteractionBand, TrackBarsWriteTheAnglesAndRedrawThePicture)
{
    ShownWindow f;
    f.harmonyMode("dreierHarmonien");
    MainWidgets& w = f.w();
    EXPECT_EQ(w.angle.WinkelO->text(), QStringLiteral("42 °"));
    const QImage vorher = w.angle.ImageWW->image();
    w.angle.TrackBar2->setValue(117);
    EXPECT_EQ(w.angle.WinkelO->text(), QStringLiteral("124 °"));
    EXPECT_EQ(f.s().abstand1(), 117);
    EXPECT_NE(w.angle.ImageWW->image(), vorher);
    EXPECT_EQ(w.angle.ImageWW->image(), f.form->parts().band->anglePicture());
    EXPECT_EQ(f.s().posRechts(), 339 - 117);

    w.angle.TrackBar2->setValue(0);
    EXPECT_EQ(w.angle.WinkelO->text(), QStringLiteral("0 °"));

    // Colour rows double the first distance.
    f.harmonyMode("farbreihen");
    w.angle.TrackBar2->setValue(60);
    EXPECT_EQ(f.s().abstand1(), 120);
    EXPECT_EQ(w.angle.WinkelO->text(), QStringLiteral("128 °"));
}

TEST(InteractionBand, FourColourTypeOneTurnsTheWheelWithTheSecondAngle)
{
    ShownWindow f;
    f.harmonyMode("viererHarmonien");
    MainWidgets& w = f.w();
    ASSERT_TRUE(w.angle.TrackBar3->isEnabled());
    const QImage wheel = f.form->parts().band->imageBg();
    w.angle.TrackBar3->setValue(90);
    EXPECT_EQ(w.angle.WinkelU->text(), QStringLiteral("96 °"));
    EXPECT_EQ(f.s().abstand2(), 90);
    EXPECT_NE(f.form->parts().band->imageBg(), wheel);

    // Angle type 2: only the first angle is adjustable.
    waehleEintrag(w.angle.ComboBox3, 1);
    EXPECT_TRUE(f.s().winkeltyp2);
    EXPECT_FALSE(w.angle.TrackBar3->isEnabled());
    EXPECT_TRUE(w.angle.WinkelU->isHidden());
    EXPECT_TRUE(w.angle.TrackBar2->isEnabled());
    waehleEintrag(w.angle.ComboBox3, 0);
    EXPECT_FALSE(f.s().winkeltyp2);
    EXPECT_TRUE(w.angle.TrackBar3->isEnabled());
    EXPECT_FALSE(w.angle.WinkelU->isHidden());
}

TEST(InteractionBand, NothingIsDrawnBeforeTheFirstShow)
{
    WindowFixture f;
    MainWidgets& w = f.w();
    const QImage vorher = w.angle.ImageWW->image();
    w.angle.TrackBar2->setValue(70);
    f.form->parts().band->TrackBarAllChange();
    EXPECT_TRUE(w.angle.WinkelO->text().isEmpty());
    EXPECT_EQ(w.angle.ImageWW->image(), vorher);
    f.d().switchSeparateOn();
    f.d().setPositions({{200, f.s().posRechts(), f.s().posLinks(), f.s().posMitte()}});
    f.form->parts().band->winkelZeichnen();
    EXPECT_EQ(f.s().farbWerte[slot::posGezeichnetGross], 0);
}

// Separate adjustment draws one marker per field on the unturned wheel and
// labels it; the legend repeats the value-row swatches.
TEST(InteractionBand, SeparateAdjustmentMarkersAndLegend)
{
    ShownWindow f;
    f.harmonyMode("dreierHarmonien");
    const MainState& s = f.s();
    MainWidgets& w = f.w();
    werkzeug(f, ActionId::farbenSeparatEinstellen);
    bandClick(f, 677); // only the big field moves
    EXPECT_EQ(w.legend.Label11->text(), QStringLiteral("360°"));
    ASSERT_EQ(s.posRechts(), 299);
    EXPECT_EQ(w.legend.Label14->text(), QStringLiteral("159°"));
    EXPECT_EQ(w.legend.Label12->text(), QStringLiteral("202°"));
    EXPECT_TRUE(w.legend.Label13->text().isEmpty());
    EXPECT_EQ(w.angle.ImageWW->image(), f.form->parts().band->anglePicture());
    EXPECT_EQ(w.legend.Panel16->colour(), w.values.Panel4->colour());
    EXPECT_EQ(w.legend.Panel19->colour(), w.values.Panel7->colour());
    EXPECT_EQ(w.legend.Panel17->colour(), w.values.Panel5->colour());
    EXPECT_TRUE(w.legend.Panel18->isHidden());

    // Unchanged positions draw nothing again; the track bars only ask for markers.
    const QString text = w.angle.WinkelO->text();
    w.angle.TrackBar2->setValue(10);
    EXPECT_EQ(w.angle.WinkelO->text(), text);
    EXPECT_EQ(s.abstand1(), 40);
}

// During a drag the big field's marker, label and legend swatch follow the
// field, not the place it left; switched off, the angle controls come back.
TEST(InteractionBand, SeparateAdjustmentMarkersFollowADragAndLeaveWithIt)
{
    ShownWindow f;
    f.harmonyMode("viererHarmonien");
    MainWidgets& w = f.w();
    werkzeug(f, ActionId::farbenSeparatEinstellen);
    bandClick(f, 400);
    const QString bei400 = w.legend.Label11->text();
    bandClick(f, 100);
    ASSERT_NE(w.legend.Label11->text(), bei400);

    drueck(w.band.Image2, {200, 30});
    zieh(w.band.Image2, {400, 30});
    EXPECT_EQ(w.legend.Label11->text(), bei400);
    EXPECT_EQ(w.legend.Panel16->colour(), w.values.Panel4->colour());
    loslass(w.band.Image2, {400, 30});

    werkzeug(f, ActionId::farbenSeparatEinstellen);
    EXPECT_TRUE(w.angle.TrackBar2->isEnabled());
    EXPECT_TRUE(w.angle.ComboBox3->isEnabled());
    EXPECT_FALSE(w.angle.WinkelO->isHidden());
}
