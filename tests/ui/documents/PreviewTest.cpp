#include "support/InteractionFixture.h"
#include "support/ModalGuard.h"

#include "ui/documents/TForm2.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QTextEdit>
#include <QToolBar>

#include <gtest/gtest.h>

namespace
{

void knopf(TForm2& d, QAction* a)
{
    QWidget* w = d.ActionToolBar1->widgetForAction(a);
    ASSERT_NE(w, nullptr);
    QTest::mouseClick(w, Qt::LeftButton);
}

// Opens the preview with F9 and runs `schritt` in it; the step closes it.
void vorschau(ShownWindow& f, std::function<void(TForm2&)> schritt)
{
    bool gesehen = false;
    onNextModal<TForm2>([&](TForm2& d) {
        gesehen = true;
        schritt(d);
        knopf(d, d.schliessen1);
    });
    f.form->aktion("vollbild")->trigger();
    EXPECT_TRUE(gesehen);
}

} // namespace

TEST(Preview, TwoColourRotationSwapsBackgroundAndBlock)
{
    ShownWindow f;
    vorschau(f, [&](TForm2& d) {
        const QColor bg = f.w().Anzeige_Normal->colour();
        const QColor block = f.w().KleinRechts->colour();
        EXPECT_EQ(d.PanelBg->colour(), bg);
        EXPECT_EQ(d.Panel[1]->colour(), block);
        EXPECT_TRUE(d.Panel[2]->isVisibleTo(&d));
        EXPECT_FALSE(d.Panel[3]->isVisibleTo(&d));
        EXPECT_FALSE(d.Wechseln->isVisible());
        knopf(d, d.farbwechsel1);
        EXPECT_EQ(d.PanelBg->colour(), block);
        EXPECT_EQ(d.Panel[2]->colour(), bg);
        knopf(d, d.farbwechsel1);
        EXPECT_EQ(d.PanelBg->colour(), bg);
        EXPECT_EQ(d.Panel[1]->colour(), block);
    });
}

TEST(Preview, FourRotationsOfFourColoursAndFourteenOfThirteenBarsComeBack)
{
    ShownWindow f;
    f.modus("viererHarmonien");
    vorschau(f, [&](TForm2& d) {
        const std::vector<QColor> start{d.PanelBg->colour(), d.Panel[1]->colour(), d.Panel[3]->colour(),
                                        d.Panel[5]->colour()};
        EXPECT_EQ(start[2], f.w().KleinMitte->colour());
        for (int i = 0; i < 4; ++i) {
            EXPECT_NE(d.PanelBg->colour() == start[0] && d.Panel[3]->colour() == start[2], i > 0 && i < 4);
            knopf(d, d.farbwechsel1);
        }
        EXPECT_EQ((std::vector<QColor>{d.PanelBg->colour(), d.Panel[1]->colour(), d.Panel[3]->colour(),
                                       d.Panel[5]->colour()}),
                  start);
    });
    f.modus("farbreihen");
    stufenWaehlen(f.w(), 6);
    vorschau(f, [&](TForm2& d) {
        // Colour rows lie on the main window's background.
        EXPECT_EQ(d.PanelBg->colour(), f.w().panelHintergrund->palette().color(QPalette::Window));
        int gezeigt = 0;
        for (int k = 1; k <= 15; ++k)
            gezeigt += d.R[static_cast<std::size_t>(k)]->isVisibleTo(&d);
        EXPECT_EQ(gezeigt, 13);
        EXPECT_EQ(d.R[15]->y(), 66 + 12 * 30);
        EXPECT_EQ(d.R[8]->colour(), f.w().R[8]->colour());
        const QColor bg = d.PanelBg->colour();
        const QColor r8 = d.R[8]->colour();
        for (int i = 0; i < 14; ++i)
            knopf(d, d.farbwechsel1);
        EXPECT_EQ(d.PanelBg->colour(), bg);
        EXPECT_EQ(d.R[8]->colour(), r8);
        knopf(d, d.farbwechsel1);
        EXPECT_EQ(d.R[1]->colour(), bg);
    });
}

TEST(Preview, TextModeFollowsTheMainWindowAndSmallChangesOnlyTheFont)
{
    ShownWindow f;
    f.modus("dreierHarmonien");
    f.form->aktion("TextAnstelleFlaechen")->trigger();
    ASSERT_TRUE(f.s().aktionen.textAnstelleFlaechen);
    vorschau(f, [&](TForm2& d) {
        EXPECT_TRUE(d.Schrift->isChecked());
        EXPECT_TRUE(d.Panel22->isVisibleTo(&d));
        EXPECT_TRUE(d.RichEdit[2]->isVisibleTo(&d));
        EXPECT_FALSE(d.RichEdit[3]->isVisibleTo(&d));
        EXPECT_EQ(d.RichEdit[1]->palette().color(QPalette::Text), d.Panel[1]->colour());
        const QSize block = d.Panel[1]->size();
        knopf(d, d.klein1);
        EXPECT_EQ(d.RichEdit[1]->font().pointSize(), 8);
        EXPECT_EQ(d.Panel[1]->size(), block);
        knopf(d, d.Schrift);
        EXPECT_FALSE(d.Panel22->isVisibleTo(&d));
        knopf(d, d.gross1);
        EXPECT_EQ(d.Panel[1]->size(), QSize(150, 60));
        EXPECT_EQ(d.Panel[2]->size(), QSize(300, 60));
    });
}

TEST(Preview, BlocksFollowTheMouseAndKeepTheirPlace)
{
    ShownWindow f;
    QPoint nachher;
    vorschau(f, [&](TForm2& d) {
        ColourPanel* p = d.Panel[1];
        const QPoint vorher = p->pos();
        drueck(p, {5, 5});
        zieh(p, {45, 25});
        loslass(p, {45, 25});
        EXPECT_EQ(p->pos(), vorher + QPoint(40, 20));
        nachher = p->pos();
    });
    vorschau(f, [&](TForm2& d) { EXPECT_EQ(d.Panel[1]->pos(), nachher); });
}

TEST(Preview, ChangeAlternatesBetweenTheFixedCombinations)
{
    ShownWindow f;
    klick(f.w().Image2, {500, 30});
    f.form->aktion("fixieren")->trigger();
    klick(f.w().Image2, {100, 30});
    vorschau(f, [&](TForm2& d) {
        EXPECT_TRUE(d.Wechseln->isVisible());
        EXPECT_EQ(d.PanelBg->colour(), f.w().FixedRechts->colour());
        knopf(d, d.Wechseln);
        EXPECT_TRUE(f.s().fixLinksAktiv);
        EXPECT_EQ(d.PanelBg->colour(), f.w().FixedLinks->colour());
        knopf(d, d.Wechseln);
        EXPECT_FALSE(f.s().fixLinksAktiv);
    });
}

namespace
{
// The context menu of a rich text as the right mouse button opens it; the menu's alignment entries.
std::vector<QAction*> ausrichtungImMenue(TForm2& d, QTextEdit* e)
{
    QWidget* flaeche = e->viewport();
    QContextMenuEvent menuEreignis(QContextMenuEvent::Mouse, {5, 5}, flaeche->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(flaeche, &menuEreignis);
    EXPECT_TRUE(QTest::qWaitFor([&d] { return d.PopupMenu1->isVisible(); }));
    std::vector<QAction*> eintraege;
    for (QMenu* m : d.PopupMenu1->findChildren<QMenu*>())
        for (QAction* a : m->actions())
            if (a->isCheckable())
                eintraege.push_back(a);
    return eintraege;
}
} // namespace

TEST(Preview, TheAlignmentMarksFollowTheBarThatWasClicked)
{
    ShownWindow f;
    f.modus("auffaecherungen");
    vorschau(f, [&](TForm2& d) {
        knopf(d, d.Schrift);
        ASSERT_TRUE(d.REd[1]->isVisibleTo(&d));
        std::vector<QAction*> eintraege = ausrichtungImMenue(d, d.REd[1]);
        ASSERT_EQ(eintraege.size(), 3u);
        eintraege[1]->trigger(); // right
        d.PopupMenu1->close();
        EXPECT_TRUE(d.REd[1]->alignment() & Qt::AlignRight);
        eintraege = ausrichtungImMenue(d, d.REd[2]);
        EXPECT_TRUE(eintraege[0]->isChecked());
        EXPECT_FALSE(eintraege[1]->isChecked());
        d.PopupMenu1->close();
    });
}
