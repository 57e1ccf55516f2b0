#include "support/WindowFixture.h"

#include "ui/display/BandAngleControls.h"
#include "ui/display/DisplayParts.h"
#include "ui/layout/WindowLayoutUi.h"
#include "ui/widgets/ColourPanel.h"
#include "ui/widgets/PictureBox.h"

#include <QAction>
#include <QComboBox>
#include <QTest>

#include <cstdlib>

#include <gtest/gtest.h>

namespace
{

bool geschrieben(const MemoryPreferenceStore& s, const QString& name)
{
    for (const MemoryPreferenceStore::Write& w : s.writes())
        if (w.name == name)
            return true;
    return false;
}

int stapelPlatz(const QWidget* w)
{
    return static_cast<int>(w->parent()->children().indexOf(const_cast<QWidget*>(w)));
}

// The wheel's ring straight above the centre of the angle image: the hue the
// turn has brought to the top.
bool obenImRad(const PictureBox* winkelBild, QColor erwartet)
{
    const QColor c = winkelBild->image().pixelColor(61, 13);
    return std::abs(c.red() - erwartet.red()) <= 12 && std::abs(c.green() - erwartet.green()) <= 12 &&
           std::abs(c.blue() - erwartet.blue()) <= 12;
}

// A quarter turn clockwise about (61, 61): target (x, y) shows source (y, 121 - x).
bool vierteldrehungVon(const QImage& gedreht, const QImage& source)
{
    for (int y = 1; y < 121; ++y)
        for (int x = 1; x < 121; ++x)
            if (gedreht.pixel(x, y) != source.pixel(y, 121 - x))
                return false;
    return true;
}

} // namespace

TEST(MainWindowLifecycle, FirstShowAppliesThePlacementAndReadiesTheAngleImage)
{
    WindowFixture f(normalerPlatz);
    EXPECT_TRUE(f.w().angle.ImageWW->image().isNull());
    f.form->show();
    EXPECT_FALSE(f.form->firstStart());
    EXPECT_TRUE(f.d().window().shown);
    EXPECT_FALSE(f.form->layout().locked());
    EXPECT_EQ(f.form->pos(), QPoint(30, 40));
    EXPECT_EQ(f.form->size(), QSize(900, 700));
    EXPECT_FALSE(f.form->isMaximized());
    // The release step turned the wheel for position 0 (by 0 degrees) and drew
    // it into the angle image: the realistic red of position 0 at the top.
    EXPECT_EQ(f.form->parts().band->lastTurn(), 0);
    EXPECT_EQ(f.w().angle.ImageWW->image().size(), QSize(123, 123));
    EXPECT_TRUE(obenImRad(f.w().angle.ImageWW, QColor(218, 37, 29)));
    // The layout ran at the end of the show: the display fills the space above the lower strip.
    EXPECT_EQ(f.w().fields.Anzeige->width(), f.w().regions.panelHintergrund->width());
    EXPECT_EQ(f.w().fields.Anzeige->geometry().bottom() + 1, f.w().regions.Panel15->y());
}

TEST(MainWindowLifecycle, StoredMaximisedStateMaximises)
{
    WindowFixture f([](MemoryPreferenceStore& s) {
        normalerPlatz(s);
        s.setRaw(QStringLiteral("cFullscrn"), 1);
    });
    f.form->show();
    EXPECT_TRUE(f.form->isMaximized());
}

TEST(MainWindowLifecycle, PlacementOffEveryScreenFallsBackToTheDefault)
{
    WindowFixture f([](MemoryPreferenceStore& s) {
        normalerPlatz(s);
        s.setRaw(QStringLiteral("appLeft"), 9000);
    });
    f.form->show();
    EXPECT_EQ(f.form->pos(), QPoint(0, 0));
    EXPECT_EQ(f.form->size(), QSize(988, 728));
}

TEST(MainWindowLifecycle, OnlyTheFirstShowAppliesThePlacement)
{
    WindowFixture f(normalerPlatz);
    f.form->show();
    f.form->move(120, 130);
    f.form->hide();
    EXPECT_FALSE(f.form->layout().locked());
    f.form->show();
    EXPECT_EQ(f.form->pos(), QPoint(120, 130));
    EXPECT_FALSE(f.form->layout().locked());
}

TEST(MainWindowLifecycle, StoredBackgroundIsAppliedWhenNotStandard)
{
    WindowFixture f([](MemoryPreferenceStore& s) {
        normalerPlatz(s);
        s.setRaw(QStringLiteral("cbBgBrightness"), 2);
    });
    f.form->show();
    EXPECT_EQ(f.w().regions.ComboBox2->currentIndex(), 2);
    EXPECT_EQ(f.w().regions.panelHintergrund->colour(), QColor(0xB0, 0xB0, 0xB0));
    f.form->close();
    EXPECT_FALSE(geschrieben(*f.store, QStringLiteral("cbBgBrightness"))); // unchanged
}

TEST(MainWindowLifecycle, CloseWhileMaximisedKeepsTheStoredPlacement)
{
    WindowFixture f(normalerPlatz);
    f.form->show();
    f.form->showMaximized();
    f.form->close();
    EXPECT_TRUE(f.form->layout().locked());
    EXPECT_EQ(f.store->raw(QStringLiteral("cFullscrn")).toInt(), 1);
    for (const char* name : {"appTop", "appLeft", "appWidth", "appHeight"})
        EXPECT_FALSE(geschrieben(*f.store, QString::fromLatin1(name))) << name;
    EXPECT_EQ(f.store->raw(QStringLiteral("appLeft")).toInt(), 30);
}

TEST(MainWindowLifecycle, CloseInNormalStateStoresThePlacementAndBackground)
{
    WindowFixture f(normalerPlatz);
    f.form->show();
    f.form->move(50, 60);
    f.form->resize(950, 710);
    f.w().regions.ComboBox2->setCurrentIndex(3);
    f.form->close();
    EXPECT_EQ(f.store->raw(QStringLiteral("appLeft")).toInt(), 50);
    EXPECT_EQ(f.store->raw(QStringLiteral("appTop")).toInt(), 60);
    EXPECT_EQ(f.store->raw(QStringLiteral("appWidth")).toInt(), 950);
    EXPECT_EQ(f.store->raw(QStringLiteral("appHeight")).toInt(), 710);
    EXPECT_EQ(f.store->raw(QStringLiteral("cbBgBrightness")).toInt(), 3);
    EXPECT_FALSE(geschrieben(*f.store, QStringLiteral("cFullscrn"))); // still normal, as read
}

TEST(MainWindowLifecycle, ClosedWindowNoLongerLaysOut)
{
    WindowFixture f(normalerPlatz);
    f.form->show();
    f.form->close();
    const QSize vorher = f.w().fields.Anzeige->size();
    f.w().regions.panelHintergrund->resize(vorher.width() + 100, f.w().regions.panelHintergrund->height());
    f.form->FormResize();
    EXPECT_EQ(f.w().fields.Anzeige->size(), vorher);
}

TEST(MainWindowBandType, LuminousAndBackSwitchesPictureWheelAndMarks)
{
    WindowFixture f(normalerPlatz);
    f.form->show();
    MainWidgets& w = f.w();
    const QImage realistischesBild = w.angle.ImageWW->image();
    ASSERT_TRUE(obenImRad(w.angle.ImageWW, QColor(218, 37, 29)));
    QAction* luminoes = f.form->actionItem("luminoes");
    QAction* realistisch = f.form->actionItem("realistisch");
    ASSERT_TRUE(luminoes && realistisch);
    EXPECT_TRUE(realistisch->isChecked());

    f.d().eingabeFarbeAktiv(true);
    luminoes->trigger();
    EXPECT_TRUE(f.s().bandLuminoes);
    EXPECT_FALSE(f.s().actionSet.realistisch);
    EXPECT_TRUE(luminoes->isChecked());
    EXPECT_FALSE(realistisch->isChecked());
    EXPECT_GT(stapelPlatz(w.band.Image1), stapelPlatz(w.band.Image2));
    EXPECT_EQ(f.form->parts().band->imageOriginal(), f.blind->ImageOriginalLUM());
    EXPECT_TRUE(obenImRad(w.angle.ImageWW, QColor(255, 0, 0)));
    EXPECT_TRUE(f.s().eingabeFarbeAktiv); // a typed-in colour belongs to the luminous band

    realistisch->trigger();
    EXPECT_FALSE(f.s().bandLuminoes);
    EXPECT_TRUE(realistisch->isChecked());
    EXPECT_GT(stapelPlatz(w.band.Image2), stapelPlatz(w.band.Image1));
    EXPECT_EQ(f.form->parts().band->imageOriginal(), f.blind->ImageOriginalREAL());
    EXPECT_EQ(w.angle.ImageWW->image(), realistischesBild);
    EXPECT_FALSE(f.s().eingabeFarbeAktiv);
    // Positions stay where they were.
    EXPECT_EQ(f.s().posGross(), 0);
    EXPECT_EQ(f.s().posRechts(), 339);
}

TEST(MainWindowBandType, TypedTextsSurviveTheSwitch)
{
    WindowFixture f(normalerPlatz);
    f.form->show();
    f.d().eingabeTexteZeigen(true);
    f.form->luminoesExecute();
    EXPECT_TRUE(f.s().eingabeTexteZeigen);
    f.form->realistischExecute();
    EXPECT_TRUE(f.s().eingabeTexteZeigen);
}

// Position 508 turns the wheel by -round(508 / 1.8833334) = -270 degrees, a
// quarter turn clockwise. A switch keeps that angle, yet must turn the other
// band type's wheel anew.
TEST(MainWindowBandType, SwitchAlwaysTurnsTheWheelAgain)
{
    WindowFixture f(normalerPlatz);
    f.form->show();
    MainWidgets& w = f.w();
    QTest::mouseClick(w.band.Image2, Qt::LeftButton, {}, QPoint(508, 30));
    ASSERT_EQ(f.s().posGross(), 508);
    const QImage& real = f.blind->ImageOriginalREAL();
    const QImage& lum = f.blind->ImageOriginalLUM();
    ASSERT_TRUE(vierteldrehungVon(f.form->parts().band->imageBg(), real));
    EXPECT_TRUE(obenImRad(w.angle.ImageWW, QColor(40, 22, 111))); // realistic row 508

    f.form->actionItem("luminoes")->trigger();
    EXPECT_TRUE(vierteldrehungVon(f.form->parts().band->imageBg(), lum));
    EXPECT_TRUE(obenImRad(w.angle.ImageWW, QColor(49, 0, 255))); // luminous row 508

    f.form->actionItem("realistisch")->trigger();
    EXPECT_TRUE(vierteldrehungVon(f.form->parts().band->imageBg(), real));
    EXPECT_TRUE(obenImRad(w.angle.ImageWW, QColor(40, 22, 111)));
    EXPECT_FALSE(f.form->parts().band->rotieren()); // nothing changed since: no repaint
}
