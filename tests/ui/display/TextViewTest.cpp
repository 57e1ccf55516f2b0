#include "support/InteractionFixture.h"
#include "support/ModalGuard.h"

#include "ui/display/TextView.h"
#include "ui/language/ActionRegistry.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTextBlock>
#include <QTextEdit>
#include <QToolBar>

#include <gtest/gtest.h>

namespace
{

// Right button on a rich edit, then the menu entry clicked, through the submenu if it sits there.
void menuEintrag(ShownWindow& f, QTextEdit* edit, const char* name)
{
    QWidget* flaeche = edit->viewport();
    const QPoint p(10, 5);
    mausEreignis(flaeche, QEvent::MouseButtonPress, p, Qt::RightButton, Qt::RightButton);
    QContextMenuEvent menuEreignis(QContextMenuEvent::Mouse, p, flaeche->mapToGlobal(p));
    QApplication::sendEvent(flaeche, &menuEreignis);
    QMenu* menu = f.form->parts().text->PopupMenu1();
    ASSERT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }));
    auto* addEntry = menu->findChild<QAction*>(QString::fromLatin1(name));
    ASSERT_NE(addEntry, nullptr);
    for (QMenu* m : menu->findChildren<QMenu*>()) {
        if (!m->actions().contains(addEntry))
            continue;
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(m->menuAction()).center());
        ASSERT_TRUE(QTest::qWaitFor([m] { return m->isVisible(); }));
        menu = m;
    }
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(addEntry).center());
}

// Every character of the text, asked one by one.
void schriftUeberall(QTextEdit* edit, int punkte, bool fett)
{
    for (QTextBlock b = edit->document()->begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QFont font = it.fragment().charFormat().font();
            EXPECT_EQ(font.pointSize(), punkte) << it.fragment().text().toStdString();
            EXPECT_EQ(font.bold(), fett) << it.fragment().text().toStdString();
        }
    EXPECT_EQ(edit->font().pointSize(), punkte);
    EXPECT_EQ(edit->font().bold(), fett);
}

} // namespace

TEST(TextView, NotInFanning)
{
    ShownWindow f;
    f.harmonyMode("auffaecherungen");
    bool displayed = false;
    onNextModal<QMessageBox>([&](QMessageBox& box) {
        displayed = true;
        EXPECT_EQ(box.windowTitle(), QStringLiteral("Info"));
        EXPECT_EQ(box.icon(), QMessageBox::Information);
        EXPECT_EQ(box.text(),
                  QStringLiteral("The option \"Text Instead of Fields\" is not available in the modi "
                                 "fanning or color row."));
        QTest::mouseClick(box.button(QMessageBox::Ok), Qt::LeftButton);
    });
    werkzeug(f, ActionId::TextAnstelleFlaechen);
    EXPECT_TRUE(displayed);
    EXPECT_FALSE(f.form->actionItem("TextAnstelleFlaechen")->isChecked());
    EXPECT_FALSE(f.w().fields.RichEdit1->isVisible());
}

// Typed text stays through band moves; only its colours follow the fields.
TEST(TextView, TypedTextSurvivesBandMoves)
{
    ShownWindow f;
    MainWidgets& w = f.w();
    werkzeug(f, ActionId::TextAnstelleFlaechen);
    ASSERT_TRUE(w.fields.RichEdit1->isVisible());
    EXPECT_TRUE(f.form->actionItem("TextAnstelleFlaechen")->isChecked());
    klick(w.fields.RichEdit1->viewport(), {5, 5});
    EXPECT_TRUE(f.s().hdZielRechts()); // a click on the text selects its field
    QTest::keyClick(w.fields.RichEdit1, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(w.fields.RichEdit1, QStringLiteral(" Blau"));

    klick(w.band.Image2, {300, 30}); // 2 colours: right field at the complement 639
    EXPECT_TRUE(w.fields.RichEdit1->toPlainText().endsWith(QStringLiteral("options) Blau")));
    EXPECT_EQ(w.fields.RichEdit1->palette().color(QPalette::Text), bandFarbe(639));
    EXPECT_EQ(w.fields.RichEdit1->palette().color(QPalette::Base), bandFarbe(300));

    werkzeug(f, ActionId::TextAnstelleFlaechen);
    EXPECT_FALSE(w.fields.RichEdit1->isVisible());
    EXPECT_FALSE(f.form->actionItem("TextAnstelleFlaechen")->isChecked());
}

TEST(TextView, FixingOffFromTheLeftHalfKeepsItsTextsShowing)
{
    ShownWindow f;
    MainWidgets& w = f.w();
    f.form->actionItem("fixieren")->trigger();
    klick(w.fields.FixedLinksKleinRechts);
    werkzeug(f, ActionId::TextAnstelleFlaechen);
    ASSERT_TRUE(w.fields.RichEdit4->isVisible());
    QTest::keyClick(w.fields.RichEdit4, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(w.fields.RichEdit4, QStringLiteral(" links"));

    f.form->actionItem("fixieren")->trigger();
    EXPECT_TRUE(f.form->actionItem("TextAnstelleFlaechen")->isChecked());
    EXPECT_TRUE(w.fields.RichEdit1->isVisible());
    EXPECT_TRUE(w.fields.RichEdit1->toPlainText().endsWith(QStringLiteral(" links")));
    EXPECT_EQ(w.fields.RichEdit1->parentWidget(), w.fields.KleinRechts);
}

// The sizes act on the whole rich edit, also on a part the user has selected.
TEST(TextView, SizesApplyToTheWholeText)
{
    ShownWindow f;
    MainWidgets& w = f.w();
    f.harmonyMode("dreierHarmonien");
    werkzeug(f, ActionId::TextAnstelleFlaechen);
    QTextCursor teil = w.fields.RichEdit2->textCursor();
    teil.setPosition(0);
    teil.setPosition(4, QTextCursor::KeepAnchor);
    w.fields.RichEdit2->setTextCursor(teil);

    menuEintrag(f, w.fields.RichEdit2, "Mittel1");
    schriftUeberall(w.fields.RichEdit2, 10, true);
    menuEintrag(f, w.fields.RichEdit2, "Klein1");
    schriftUeberall(w.fields.RichEdit2, 8, false);
    EXPECT_EQ(w.fields.RichEdit1->font().pointSize(), 8);
    EXPECT_TRUE(w.fields.RichEdit1->font().bold()); // the other rich edits keep theirs

    menuEintrag(f, w.fields.RichEdit2, "Zentriert1");
    EXPECT_EQ(w.fields.RichEdit2->document()->firstBlock().blockFormat().alignment(), Qt::AlignHCenter);
}

// The currentState-in for the hidden band takes the band's clicks.
TEST(HiddenBand, ClickWhereTheBandWasSelectsThatHue)
{
    ShownWindow f;
    MainWidgets& w = f.w();
    werkzeug(f, ActionId::farbstreifenVerstecken);
    EXPECT_FALSE(w.band.Panel3->isVisible());
    ASSERT_TRUE(w.band.Panel2->isVisible());
    EXPECT_EQ(w.band.Panel2->geometry(), w.band.Panel3->geometry());
    EXPECT_EQ(w.band.Panel2->cursor().shape(), Qt::CrossCursor);
    EXPECT_FALSE(w.angle.ImageWW->isVisible());
    EXPECT_FALSE(w.lightDark.Image3->isVisible());

    klick(w.band.Panel2, {200, 30});
    EXPECT_EQ(f.s().posGross(), 200);
    EXPECT_EQ(w.fields.Anzeige_Normal->colour(), bandFarbe(200));
    EXPECT_EQ(w.lightDark.flaechenanzeigeFarbe->colour(), w.regions.panelHintergrund->colour());

    f.form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.form.get()));
    QTest::keyClick(f.form.get(), Qt::Key_F8);
    EXPECT_TRUE(w.band.Panel3->isVisible());
    EXPECT_FALSE(w.band.Panel2->isVisible());
    EXPECT_TRUE(w.angle.ImageWW->isVisible());
    EXPECT_EQ(w.lightDark.flaechenanzeigeFarbe->colour(), bandFarbe(200));
}
