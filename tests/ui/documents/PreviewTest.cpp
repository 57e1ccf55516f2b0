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

void button(TForm2& d, QAction* a)
{
    QWidget* w = d.ActionToolBar1->widgetForAction(a);
    ASSERT_NE(w, nullptr);
    QTest::mouseClick(w, Qt::LeftButton);
}

// Opens the preview with F9 and runs `step` in it; the step closes it.
void preview(ShownWindow& f, std::function<void(TForm2&)> step)
{
    bool gesehen = false;
    onNextModal<TForm2>([&](TForm2& d) {
        gesehen = true;
        step(d);
        button(d, d.schliessen1);
    });
    f.form->actionItem("vollbild")->trigger();
    EXPECT_TRUE(gesehen);
}

} // namespace

TEST(Preview, TwoColourRotationSwapsBackgroundAndBlock)
{
    ShownWindow f;
    preview(f, [&](TForm2& d) {
        const QColor bg = f.w().fields.Anzeige_Normal->colour();
        const QColor block = f.w().fields.KleinRechts->colour();
        EXPECT_EQ(d.PanelBg->colour(), bg);
        EXPECT_EQ(d.Panel[1]->colour(), block);
        EXPECT_TRUE(d.Panel[2]->isVisibleTo(&d));
        EXPECT_FALSE(d.Panel[3]->isVisibleTo(&d));
        EXPECT_FALSE(d.Wechseln->isVisible());
        button(d, d.farbwechsel1);
        EXPECT_EQ(d.PanelBg->colour(), block);
        EXPECT_EQ(d.Panel[2]->colour(), bg);
        button(d, d.farbwechsel1);
        EXPECT_EQ(d.PanelBg->colour(), bg);
        EXPECT_EQ(d.Panel[1]->colour(), block);
    });
}

TEST(Preview, FourRotationsOfFourColoursAndFourteenOfThirteenBarsComeBack)
{
    ShownWindow f;
    f.harmonyMode("viererHarmonien");
    preview(f, [&](TForm2& d) {
        const std::vector<QColor> start{d.PanelBg->colour(), d.Panel[1]->colour(), d.Panel[3]->colour(),
                                        d.Panel[5]->colour()};
        EXPECT_EQ(start[2], f.w().fields.KleinMitte->colour());
        for (int i = 0; i < 4; ++i) {
            EXPECT_NE(d.PanelBg->colour() == start[0] && d.Panel[3]->colour() == start[2], i > 0 && i < 4);
            button(d, d.farbwechsel1);
        }
        EXPECT_EQ((std::vector<QColor>{d.PanelBg->colour(), d.Panel[1]->colour(), d.Panel[3]->colour(),
                                       d.Panel[5]->colour()}),
                  start);
    });
    f.harmonyMode("farbreihen");
    stufenWaehlen(f.w(), 6);
    preview(f, [&](TForm2& d) {
        // Colour rows lie on the main window's background.
        EXPECT_EQ(d.PanelBg->colour(), f.w().regions.panelHintergrund->palette().color(QPalette::Window));
        int displayed = 0;
        for (int k = 1; k <= 15; ++k)
            displayed += d.R[static_cast<std::size_t>(k)]->isVisibleTo(&d);
        EXPECT_EQ(displayed, 13);
        EXPECT_EQ(d.R[15]->y(), 66 + 12 * 30);
        EXPECT_EQ(d.R[8]->colour(), f.w().fields.R[8]->colour());
        const QColor bg = d.PanelBg->colour();
        const QColor r8 = d.R[8]->colour();
        for (int i = 0; i < 14; ++i)
            button(d, d.farbwechsel1);
        EXPECT_EQ(d.PanelBg->colour(), bg);
        EXPECT_EQ(d.R[8]->colour(), r8);
        button(d, d.farbwechsel1);
        EXPECT_EQ(d.R[1]->colour(), bg);
    });
}

TEST(Preview, TextModeFollowsTheMainWindowAndSmallChangesOnlyTheFont)
{
    ShownWindow f;
    f.harmonyMode("dreierHarmonien");
    f.form->actionItem("TextAnstelleFlaechen")->trigger();
    ASSERT_TRUE(f.s().actionSet.textInsteadOfFields);
    preview(f, [&](TForm2& d) {
        EXPECT_TRUE(d.Schrift->isChecked());
        EXPECT_TRUE(d.Panel22->isVisibleTo(&d));
        EXPECT_TRUE(d.RichEdit[2]->isVisibleTo(&d));
        EXPECT_FALSE(d.RichEdit[3]->isVisibleTo(&d));
        EXPECT_EQ(d.RichEdit[1]->palette().color(QPalette::Text), d.Panel[1]->colour());
        const QSize block = d.Panel[1]->size();
        button(d, d.klein1);
        EXPECT_EQ(d.RichEdit[1]->font().pointSize(), 8);
        EXPECT_EQ(d.Panel[1]->size(), block);
        button(d, d.Schrift);
        EXPECT_FALSE(d.Panel22->isVisibleTo(&d));
        button(d, d.gross1);
        EXPECT_EQ(d.Panel[1]->size(), QSize(150, 60));
        EXPECT_EQ(d.Panel[2]->size(), QSize(300, 60));
    });
}

TEST(Preview, BlocksFollowTheMouseAndKeepTheirPlace)
{
    ShownWindow f;
    QPoint nachher;
    preview(f, [&](TForm2& d) {
        ColourPanel* p = d.Panel[1];
        const QPoint vorher = p->pos();
        drueck(p, {5, 5});
        zieh(p, {45, 25});
        loslass(p, {45, 25});
        EXPECT_EQ(p->pos(), vorher + QPoint(40, 20));
        nachher = p->pos();
    });
    preview(f, [&](TForm2& d) { EXPECT_EQ(d.Panel[1]->pos(), nachher); });
}

TEST(Preview, ChangeAlternatesBetweenTheFixedCombinations)
{
    ShownWindow f;
    klick(f.w().band.Image2, {500, 30});
    f.form->actionItem("fixieren")->trigger();
    klick(f.w().band.Image2, {100, 30});
    preview(f, [&](TForm2& d) {
        EXPECT_TRUE(d.Wechseln->isVisible());
        EXPECT_EQ(d.PanelBg->colour(), f.w().fields.FixedRechts->colour());
        button(d, d.Wechseln);
        EXPECT_TRUE(f.s().fixLinksAktiv);
        EXPECT_EQ(d.PanelBg->colour(), f.w().fields.FixedLinks->colour());
        button(d, d.Wechseln);
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
    std::vector<QAction*> entryItems;
    for (QMenu* m : d.PopupMenu1->findChildren<QMenu*>())
        for (QAction* a : m->actions())
            if (a->isCheckable())
                entryItems.push_back(a);
    return entryItems;
}
} // namespace

TEST(Preview, TheAlignmentMarksFollowTheBarThatWasClicked)
{
    ShownWindow f;
    f.harmonyMode("auffaecherungen");
    preview(f, [&](TForm2& d) {
        button(d, d.Schrift);
        ASSERT_TRUE(d.REd[1]->isVisibleTo(&d));
        std::vector<QAction*> entryItems = ausrichtungImMenue(d, d.REd[1]);
        ASSERT_EQ(entryItems.size(), 3u);
        entryItems[1]->trigger(); // right
        d.PopupMenu1->close();
        EXPECT_TRUE(d.REd[1]->alignment() & Qt::AlignRight);
        entryItems = ausrichtungImMenue(d, d.REd[2]);
        EXPECT_TRUE(entryItems[0]->isChecked());
        EXPECT_FALSE(entryItems[1]->isChecked());
        d.PopupMenu1->close();
    });
}
