#include "support/WindowFixture.h"

#include "ui/layout/WindowLayoutUi.h"
#include "ui/widgets/ColourPanel.h"
#include "ui/widgets/PictureBox.h"
#include "ui/widgets/StaticText.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace
{

// Gives the display the reference size 680 x 362 and runs the resize handler.
void referenzGroesse(WindowFixture& f)
{
    MainWidgets& w = f.w();
    f.form->layout().setLocked(false);
    w.regions.panelHintergrund->resize(680, 700);
    w.regions.Panel15->move(0, w.fields.Anzeige->y() + 362);
    f.form->FormResize();
}

int stapelPlatz(const QWidget* w)
{
    return static_cast<int>(w->parent()->children().indexOf(const_cast<QWidget*>(w)));
}

QColor textFarbe(const QWidget* w)
{
    return w->palette().color(QPalette::WindowText);
}

// Picks a background with the arrow keys, as the user does in the list box.
void hintergrundWaehlen(WindowFixture& f, int index)
{
    QComboBox* box = f.w().regions.ComboBox2;
    for (int n = 0; n < box->count() && box->currentIndex() != index; ++n)
        QTest::keyClick(box, box->currentIndex() < index ? Qt::Key_Down : Qt::Key_Up);
    ASSERT_EQ(box->currentIndex(), index);
}

// The value texts are recoloured from Timer2 once the change is through.
bool werteTexteNeuGefaerbt(WindowFixture& f)
{
    return QTest::qWaitFor([&] { return !f.w().furniture.Timer2->isActive(); });
}

} // namespace

TEST(MainWindowLayout, ResizeAtReferenceSizeReproducesTheDesign)
{
    WindowFixture f;
    MainWidgets& w = f.w();
    referenzGroesse(f);
    EXPECT_EQ(w.fields.Anzeige->size(), QSize(680, 362));
    EXPECT_EQ(w.fields.Anzeige_Normal->size(), QSize(678, 360)); // follows inside the bevel
    EXPECT_EQ(w.fields.KleinRechts->geometry(), QRect(414, 210, 186, 91));
    EXPECT_EQ(w.fields.KleinLinks->geometry(), QRect(72, 210, 186, 91));
    EXPECT_EQ(w.fields.KleinMitte->pos(), QPoint(243, 66));

    EXPECT_EQ(w.fields.R[2]->geometry(), QRect(54, 190, 40, 116));
    EXPECT_EQ(w.fields.R[2]->tag(), 54);
    EXPECT_EQ(w.fields.R[14]->x(), 10 + 13 * 44);
    EXPECT_EQ(w.fields.R[1]->tag(), 10);
    EXPECT_EQ(w.fields.R[1]->hint(), QStringLiteral("10"));
    EXPECT_EQ(w.fields.R[15]->hint(), QStringLiteral("626"));
    EXPECT_EQ(w.fields.R[1]->x(), 4); // the row display places the outer fields
    EXPECT_EQ(w.fields.R[1]->size(), QSize(40, 116));

    EXPECT_EQ(w.fields.FixedLinks->size(), QSize(339, 360));
    EXPECT_EQ(w.fields.FixedRechts->geometry(), QRect(339, 1, 341, 360));
    EXPECT_EQ(w.fields.FixedKleinRechts->geometry(), QRect(185, 234, 130, 73));
    EXPECT_EQ(w.fields.FixedLinksKleinMitte->geometry(), QRect(103, 126, 130, 73));
    EXPECT_EQ(w.fields.FixedRechtsReihen->geometry(), QRect(339, 0, 341, 360));
    // Four steps in either half: the outer panels currentState in the slots of R4 and R12.
    EXPECT_EQ(w.fields.RRe[1]->geometry(), QRect(71, 210, 20, 100));
    EXPECT_EQ(w.fields.RRe[15]->x(), 247);
    EXPECT_EQ(w.fields.RLi[5]->x(), 93);
    EXPECT_EQ(w.fields.RLi[5]->tag(), 93);
}

TEST(MainWindowLayout, ResizeFollowsTheFixedStepCounts)
{
    WindowFixture f;
    // Fixed at 7 rings, then the left half at 1.
    f.d().setStepCount(7);
    f.d().switchFixingOn(f.s().fixStand);
    f.d().selectHalf(true);
    f.d().setStepCount(1);
    f.d().switchFixingOff();
    f.d().setStepCount(4);
    referenzGroesse(f);
    EXPECT_EQ(f.w().fields.RRe[1]->x(), 5);
    EXPECT_EQ(f.w().fields.RRe[15]->x(), 313);
    EXPECT_EQ(f.w().fields.RLi[1]->x(), 5 + 6 * 22);
    EXPECT_EQ(f.w().fields.RLi[15]->x(), 5 + 8 * 22);
}

TEST(MainWindowLayout, LockedLayoutIgnoresResizing)
{
    WindowFixture f;
    MainWidgets& w = f.w();
    const QRect vorher = w.fields.KleinRechts->geometry();
    w.regions.panelHintergrund->resize(900, 700);
    f.form->FormResize(); // layoutGesperrt is still set before the first show
    EXPECT_EQ(w.fields.KleinRechts->geometry(), vorher);
}

TEST(MainWindowLayout, CompactLayoutPlacesTheControlsAndStopsScaling)
{
    WindowFixture f;
    MainWidgets& w = f.w();
    f.form->aufloesung800x600();
    EXPECT_TRUE(f.d().window().compactLayout);
    EXPECT_EQ(w.fields.Anzeige->geometry(), QRect(0, 128, 522, 273));
    EXPECT_EQ(w.regions.panelBG->geometry(), QRect(527, 115, 226, 409));
    EXPECT_GT(stapelPlatz(w.regions.panelBG), stapelPlatz(w.regions.panelHintergrund)); // in front
    EXPECT_EQ(w.fields.KleinRechts->geometry(), QRect(312, 158, 151, 73));
    EXPECT_EQ(w.fields.FixedRechts->geometry(), QRect(260, 1, 261, 271));
    EXPECT_EQ(w.fields.R[3]->geometry(), QRect(74, 150, 31, 90));
    EXPECT_EQ(w.fields.RLi[15]->geometry(), QRect(11 + 16 * 14, 160, 14, 70));
    EXPECT_EQ(w.lightDark.flaechenanzeigeFarbe->size(), QSize(129, 128));
    EXPECT_EQ(w.lightDark.Image3->size(), QSize(127, 126));
    EXPECT_TRUE(w.lightDark.Image3->stretched());
    EXPECT_EQ(w.lightDark.Image6->geometry(), QRect(128, 0, 1, 128));
    EXPECT_EQ(w.values.SKlUnMiHex->y(), 32);
    EXPECT_EQ(w.values.Panel11->y(), 52);
    EXPECT_EQ(w.values.WerteOben->geometry().top(), 59);
    // The background box keeps its right edge and shows its whole caption.
    QComboBox* backgroundBox = w.regions.ComboBox2;
    EXPECT_EQ(backgroundBox->geometry().right(), 378 + 135 - 1);
    EXPECT_GE(backgroundBox->width(), backgroundBox->sizeHint().width());

    f.form->layout().setLocked(false);
    w.regions.panelHintergrund->resize(900, 700);
    f.form->FormResize();
    EXPECT_EQ(w.fields.Anzeige->size(), QSize(522, 273));
    EXPECT_EQ(w.fields.KleinRechts->geometry(), QRect(312, 158, 151, 73));
}

TEST(MainWindowLayout, FirstShowChoosesTheCompactLayoutOnlyOnSmallScreens)
{
    for (const auto& [bildschirm, compact] :
         {std::pair{QSize(1024, 768), false}, std::pair{QSize(1016, 768), true},
          std::pair{QSize(1280, 720), true}}) {
        WindowFixture f(normalerPlatz, bildschirm);
        f.form->show();
        EXPECT_EQ(f.d().window().compactLayout, compact) << bildschirm.width() << "x" << bildschirm.height();
    }
}

TEST(MainWindowLayout, BlackBackgroundAndBackRestoresEveryColour)
{
    WindowFixture f;
    MainWidgets& w = f.w();
    const QPalette system = QApplication::palette();

    hintergrundWaehlen(f, 3);
    const QColor grau(0x80, 0x80, 0x80);
    EXPECT_EQ(w.regions.panelHintergrund->colour(), QColor(0, 0, 0));
    EXPECT_EQ(w.regions.panelBG->colour(), QColor(0, 0, 0));
    EXPECT_EQ(w.fields.Anzeige->bevel(), ColourPanel::Bevel::none);
    for (QLabel* l :
         {w.angle.WinkelO, w.angle.WinkelU, w.lightDark.Label2, w.legend.Label11, w.legend.Label14})
        EXPECT_EQ(textFarbe(l), grau) << l->objectName().toStdString();
    EXPECT_EQ(textFarbe(w.lightDark.Label1), system.color(QPalette::WindowText)); // the band is shown
    EXPECT_EQ(w.rowControls.ComboBox1->palette().color(QPalette::Active, QPalette::Button), QColor(0, 0, 0));
    EXPECT_EQ(w.angle.ComboBox3->palette().color(QPalette::Active, QPalette::ButtonText), grau);
    // A disabled list box keeps the system's disabled text colour.
    EXPECT_EQ(w.angle.ComboBox3->palette().color(QPalette::Disabled, QPalette::ButtonText),
              system.color(QPalette::Disabled, QPalette::ButtonText));
    EXPECT_TRUE(w.furniture.Timer2->isActive());
    EXPECT_EQ(w.furniture.Timer2->interval(), 2);
    EXPECT_EQ(w.values.SGrObR->background(), system.color(QPalette::Base)); // not before the timer
    ASSERT_TRUE(werteTexteNeuGefaerbt(f));
    EXPECT_EQ(w.values.SGrObR->background(), QColor(0x99, 0x99, 0x99));

    hintergrundWaehlen(f, 0);
    EXPECT_EQ(w.regions.panelHintergrund->colour(), system.color(QPalette::Button));
    EXPECT_EQ(w.regions.panelBG->colour(), system.color(QPalette::Button));
    EXPECT_EQ(w.fields.Anzeige->bevel(), ColourPanel::Bevel::lowered);
    for (QLabel* l : {w.angle.WinkelO, w.angle.WinkelU, w.legend.Label11, w.legend.Label12, w.legend.Label13,
                      w.legend.Label14})
        EXPECT_EQ(textFarbe(l), system.color(QPalette::WindowText)) << l->objectName().toStdString();
    EXPECT_EQ(textFarbe(w.lightDark.Label2), QColor(255, 255, 255));
    for (QComboBox* c : {w.rowControls.ComboBox1, w.regions.ComboBox2, w.angle.ComboBox3}) {
        EXPECT_EQ(c->palette().color(QPalette::Active, QPalette::Button),
                  system.color(QPalette::Active, QPalette::Button));
        EXPECT_EQ(c->palette().color(QPalette::Active, QPalette::ButtonText),
                  system.color(QPalette::Active, QPalette::ButtonText));
        EXPECT_FALSE(c->testAttribute(Qt::WA_SetPalette));
    }
    ASSERT_TRUE(werteTexteNeuGefaerbt(f));
    for (StaticText* t : w.values.valueTexts()) {
        EXPECT_EQ(t->background(), system.color(QPalette::Base));
        EXPECT_EQ(t->textColour(), system.color(QPalette::Text));
    }
}

// A dark desktop theme, so that white value boxes cannot come from the system.
struct DunklesSystem {
    const QPalette vorher = QApplication::palette();
    DunklesSystem()
    {
        QPalette p = vorher;
        p.setColor(QPalette::Base, QColor(30, 30, 30));
        p.setColor(QPalette::Text, QColor(230, 230, 230));
        QApplication::setPalette(p);
    }
    ~DunklesSystem() { QApplication::setPalette(vorher); }
};

TEST(MainWindowLayout, WhiteAndGrayBackgroundsUseWhiteValueBoxes)
{
    const DunklesSystem dunkel;
    WindowFixture f;
    MainWidgets& w = f.w();
    for (const auto& [index, flaeche] :
         {std::pair{1, QColor(255, 255, 255)}, std::pair{2, QColor(0xB0, 0xB0, 0xB0)}}) {
        hintergrundWaehlen(f, index);
        ASSERT_TRUE(werteTexteNeuGefaerbt(f));
        EXPECT_EQ(w.values.SKlUnHex->background(), QColor(255, 255, 255)) << index;
        EXPECT_EQ(w.values.SKlUnHex->textColour(), QColor(0, 0, 0)) << index;
        EXPECT_EQ(w.fields.Anzeige->bevel(), ColourPanel::Bevel::lowered) << index;
        EXPECT_EQ(w.regions.panelHintergrund->colour(), flaeche) << index;

        hintergrundWaehlen(f, 0);
        ASSERT_TRUE(werteTexteNeuGefaerbt(f));
        EXPECT_EQ(w.values.SKlUnHex->background(), QColor(30, 30, 30)) << "standard after " << index;
        EXPECT_EQ(w.values.SKlUnHex->textColour(), QColor(230, 230, 230)) << "standard after " << index;
    }
}

TEST(MainWindowLayout, ColourRowsStandOnTheBackground)
{
    WindowFixture f(normalerPlatz);
    f.form->show();
    MainWidgets& w = f.w();
    f.form->actionItem("farbreihen")->trigger();
    ASSERT_EQ(f.s().harmonyMode(), HarmonyMode::colourRows);
    hintergrundWaehlen(f, 2);
    for (ColourPanel* p :
         {w.fields.Anzeige, w.fields.AnzeigeReihen, w.fields.FixedLinksReihen, w.fields.FixedRechtsReihen})
        EXPECT_EQ(p->colour(), QColor(0xB0, 0xB0, 0xB0)) << p->objectName().toStdString();
}

TEST(MainWindowLayout, BorderlessModeReturnsToANormalWindow)
{
    WindowFixture f(normalerPlatz);
    f.form->show();
    const QRect normal = f.form->geometry();
    QAction* actionItem = f.form->actionItem("programmOhneRand");
    ASSERT_NE(actionItem, nullptr);
    EXPECT_TRUE(actionItem->isEnabled());

    actionItem->trigger();
    EXPECT_TRUE(f.form->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(f.form->isFullScreen());
    EXPECT_TRUE(f.form->layout().borderlessFromNormal());
    EXPECT_TRUE(actionItem->isChecked());

    actionItem->trigger();
    EXPECT_FALSE(f.form->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_FALSE(f.form->isFullScreen());
    EXPECT_FALSE(f.form->isMaximized());
    EXPECT_TRUE(f.form->isVisible());
    EXPECT_FALSE(actionItem->isChecked());
    EXPECT_EQ(f.form->geometry().size(), normal.size());
}

TEST(MainWindowLayout, BorderlessModeReturnsToAMaximisedWindow)
{
    WindowFixture f(normalerPlatz);
    f.form->show();
    f.form->showMaximized();
    QAction* actionItem = f.form->actionItem("programmOhneRand");
    actionItem->trigger();
    EXPECT_FALSE(f.form->layout().borderlessFromNormal());
    EXPECT_TRUE(f.form->isFullScreen());
    actionItem->trigger();
    EXPECT_TRUE(f.form->isMaximized());
    EXPECT_FALSE(f.form->windowFlags().testFlag(Qt::FramelessWindowHint));
}

TEST(MainWindowLayout, ClosingTheBackgroundListLeavesTheTrackBarsAsTheyWere)
{
    WindowFixture f(normalerPlatz);
    f.form->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.form.get()));
    MainWidgets& w = f.w();
    QComboBox* box = w.regions.ComboBox2;
    QWidget* items = box->view()->window();
    const auto aufUndZu = [&] {
        QTest::mouseClick(box, Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitFor([&] { return items->isVisible(); }));
        QTest::keyClick(box->view(), Qt::Key_Escape);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !items->isVisible(); }));
        EXPECT_EQ(QApplication::focusWidget(), box); // the focus came back through the track bars
    };

    aufUndZu();
    EXPECT_FALSE(w.angle.TrackBar2->isEnabled());
    EXPECT_FALSE(w.angle.TrackBar3->isEnabled());

    f.form->actionItem("dreierHarmonien")->trigger(); // the first angle comes into use
    ASSERT_TRUE(w.angle.TrackBar2->isEnabled());
    aufUndZu();
    EXPECT_TRUE(w.angle.TrackBar2->isEnabled());
    EXPECT_FALSE(w.angle.TrackBar3->isEnabled());
}

// On a small screen the default placement (988 x 728) would put the status bar
// below the screen's edge; the window is shrunk into the screen instead.
TEST(MainWindowLayout, TheDefaultPlacementFitsSmallScreens)
{
    for (const QSize bildschirm : {QSize(1280, 720), QSize(1024, 600), QSize(800, 600)}) {
        WindowFixture f([](MemoryPreferenceStore& s) { s.setRaw(QStringLiteral("cFullscrn"), 0); },
                        bildschirm);
        f.form->show();
        const QRect flaeche(QPoint(0, 0), bildschirm);
        EXPECT_TRUE(flaeche.contains(f.form->frameGeometry()))
            << bildschirm.width() << "x" << bildschirm.height();
        const QRect statuszeile(f.w().furniture.StatusBar1->mapToGlobal(QPoint(0, 0)),
                                f.w().furniture.StatusBar1->size());
        EXPECT_TRUE(flaeche.contains(statuszeile)) << bildschirm.height();
    }
}
