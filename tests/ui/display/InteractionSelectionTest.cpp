#include "support/InteractionFixture.h"

#include "ui/display/DisplayParts.h"
#include "ui/display/FieldSelection.h"
#include "ui/widgets/ColourPanel.h"
#include "ui/widgets/PictureBox.h"
#include "ui/widgets/StaticText.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace
{

struct SaveTarget {
    bool big, right, left, centre;
};

SaveTarget target(const MainState& s)
{
    return {s.hdZielGross(), s.hdZielRechts(), s.hdZielLinks(), s.hdZielMitte()};
}

bool gleich(const SaveTarget& a, const SaveTarget& b)
{
    return a.big == b.big && a.right == b.right && a.left == b.left && a.centre == b.centre;
}

bool hervorgehoben(const StaticText* t)
{
    return t->background() == QApplication::palette().color(QPalette::Highlight);
}

} // namespace

TEST(InteractionSelection, ClickingAFieldSelectsItAndNamesItInTheStatusBar)
{
    ShownWindow f;
    f.harmonyMode("viererHarmonien");
    MainWidgets& w = f.w();
    struct Fall {
        QWidget* panel;
        SaveTarget target;
        const char* status;
    };
    const Fall faelle[] = {
        {w.fields.KleinRechts, {false, true, false, false}, "Small field on the right-hand side selected"},
        {w.fields.KleinLinks, {false, false, true, false}, "Small field on the left-hand side selected"},
        {w.fields.KleinMitte, {false, false, false, true}, "Small field in the center selected"},
        {w.fields.Anzeige_Normal, {true, false, false, false}, "Big field selected"},
    };
    for (const Fall& fall : faelle) {
        // A small field lies on the big one; the click must not reach both.
        klick(fall.panel, fall.panel == w.fields.Anzeige_Normal ? QPoint(5, 5) : fall.panel->rect().center());
        EXPECT_TRUE(gleich(target(f.s()), fall.target)) << fall.status;
        EXPECT_EQ(w.furniture.statusPanel1->text(), QString::fromLatin1(fall.status));
    }
}

TEST(InteractionSelection, PercentagesFollowTheSelectedField)
{
    ShownWindow f;
    MainWidgets& w = f.w();
    klick(w.fields.KleinRechts);
    klick(w.lightDark.PaintBox3, {51, 0}); // right: dark 51, light 255
    klick(w.fields.Anzeige_Normal, {5, 5});
    EXPECT_EQ(w.lightDark.Label1->text(), QStringLiteral("0 %"));
    EXPECT_EQ(w.lightDark.Label2->text(), QStringLiteral("0 %"));
    f.form->parts().selection->KleinRechtsClick2();
    EXPECT_EQ(w.lightDark.Label1->text(), QStringLiteral("100 %"));
    EXPECT_EQ(w.lightDark.Label2->text(), QStringLiteral("20 %"));
    EXPECT_EQ(w.furniture.statusPanel1->text(),
              QStringLiteral("Small field on the right-hand side selected"));
}

TEST(InteractionSelection, RowFieldsStandForTheSmallFieldOnTheirSide)
{
    ShownWindow f;
    f.harmonyMode("auffaecherungen");
    stufenWaehlen(f.w(), 7); // all 15 fields
    MainWidgets& w = f.w();
    klick(w.fields.R[3]);
    EXPECT_TRUE(gleich(target(f.s()), {false, false, true, false}));
    klick(w.fields.R[12]);
    EXPECT_TRUE(gleich(target(f.s()), {false, true, false, false}));
    const QString status = w.furniture.statusPanel1->text();
    klick(w.fields.R[8]); // the centre selects nothing
    EXPECT_TRUE(gleich(target(f.s()), {false, true, false, false}));
    EXPECT_EQ(w.furniture.statusPanel1->text(), status);
    // In fanning the background is the big field.
    klick(w.fields.AnzeigeReihen, {3, 3});
    EXPECT_TRUE(gleich(target(f.s()), {true, false, false, false}));
}

TEST(InteractionSelection, ColourRowsBackgroundSelectsNothing)
{
    ShownWindow f;
    f.harmonyMode("farbreihen");
    MainWidgets& w = f.w();
    ASSERT_TRUE(f.s().hdZielRechts()); // colour rows have no big field
    klick(w.fields.AnzeigeReihen, {3, 3});
    EXPECT_TRUE(gleich(target(f.s()), {false, true, false, false}));
    klick(w.fields.R[1]);
    EXPECT_TRUE(f.s().hdZielLinks());
}

TEST(InteractionSelection, ValueTextHighlightIsCopiedWithCtrlC)
{
    ShownWindow f;
    MainWidgets& w = f.w();
    QGuiApplication::clipboard()->setText(QStringLiteral("vorher"));

    klick(w.values.SGrObHex);
    EXPECT_TRUE(hervorgehoben(w.values.SGrObHex));
    EXPECT_TRUE(w.furniture.Kopieren1a->isEnabled());
    EXPECT_EQ(f.form->parts().selection->kopierWert(), QStringLiteral("#DA251D"));
    f.form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.form.get()));
    QTest::keyClick(f.form.get(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("#DA251D"));

    // The next value click also takes the focus off a list box.
    w.regions.ComboBox2->setFocus();
    ASSERT_TRUE(w.regions.ComboBox2->hasFocus());

    // Another value moves the highlight; the pop-up item copies it.
    klick(w.values.SKlObG);
    EXPECT_FALSE(w.regions.ComboBox2->hasFocus());
    EXPECT_TRUE(w.regions.ComboBox2->isEnabled());
    EXPECT_FALSE(hervorgehoben(w.values.SGrObHex));
    EXPECT_TRUE(hervorgehoben(w.values.SKlObG));
    w.furniture.Kopieren1a->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("146"));

    // A "-" offers nothing to copy and takes the highlight away.
    klick(w.values.SKlObLiR);
    EXPECT_FALSE(hervorgehoben(w.values.SKlObG));
    EXPECT_FALSE(hervorgehoben(w.values.SKlObLiR));
    EXPECT_FALSE(w.furniture.Kopieren1a->isEnabled());
    // An empty text (the lower row) the same.
    klick(w.values.SGrObR);
    klick(w.values.SGrUnR);
    EXPECT_FALSE(hervorgehoben(w.values.SGrObR));
    EXPECT_FALSE(w.furniture.Kopieren1a->isEnabled());
}

TEST(InteractionSelection, RightButtonHighlightsAndOffersThePopUp)
{
    ShownWindow f;
    MainWidgets& w = f.w();
    for (StaticText* t : w.values.valueTexts())
        EXPECT_EQ(t->contextMenuPolicy(), Qt::CustomContextMenu) << t->objectName().toStdString();
    QTest::mousePress(w.values.SKlObB, Qt::RightButton);
    EXPECT_TRUE(hervorgehoben(w.values.SKlObB));
    EXPECT_TRUE(w.furniture.Kopieren1a->isEnabled());
    EXPECT_EQ(f.form->parts().selection->kopierWert(), QStringLiteral("141"));
}

TEST(InteractionSelection, PressOnTheBackgroundRemovesTheHighlight)
{
    ShownWindow f;
    MainWidgets& w = f.w();
    for (QWidget* flaeche :
         {static_cast<QWidget*>(w.values.WerteOben), static_cast<QWidget*>(w.regions.panelBG),
          static_cast<QWidget*>(w.lightDark.HellDunkelGrau), static_cast<QWidget*>(w.angle.Panel13)}) {
        klick(w.values.SGrObG);
        ASSERT_TRUE(hervorgehoben(w.values.SGrObG));
        // A free spot of the panel, off every child.
        QPoint frei;
        for (int y = 0; y < flaeche->height() && frei.isNull(); ++y)
            for (int x = 1; x < flaeche->width(); ++x)
                if (!flaeche->childAt(x, y)) {
                    frei = QPoint(x, y);
                    break;
                }
        ASSERT_FALSE(frei.isNull()) << flaeche->objectName().toStdString();
        QTest::mousePress(flaeche, Qt::LeftButton, {}, frei);
        QTest::mouseRelease(flaeche, Qt::LeftButton, {}, frei);
        EXPECT_FALSE(hervorgehoben(w.values.SGrObG)) << flaeche->objectName().toStdString();
    }
}

TEST(InteractionSelection, RadioButtonsOutsideSeparateAdjustmentDisableThemselves)
{
    ShownWindow f;
    MainWidgets& w = f.w();
    w.choice.RadioButton4->setEnabled(true);
    w.choice.RadioButton4->setChecked(true);
    EXPECT_FALSE(w.choice.RadioButton4->isEnabled());
    EXPECT_EQ(w.furniture.statusPanel1->text(),
              QStringLiteral("Small field on the right-hand side selected"));
    EXPECT_TRUE(f.s().hdZielGross()); // the target stays
}

// Separate adjustment: the radio buttons choose the one field that takes part.
TEST(InteractionSelection, SeparateAdjustmentRadioButtons)
{
    ShownWindow f;
    const MainState& s = f.s();
    MainWidgets& w = f.w();
    werkzeug(f, ActionId::farbenSeparatEinstellen);
    ASSERT_TRUE(s.separatModus);

    // 2-colour: the left field does not exist.
    QTest::mouseClick(w.choice.RadioButton2, Qt::LeftButton);
    EXPECT_FALSE(w.choice.RadioButton2->isChecked());
    EXPECT_TRUE(w.choice.RadioButton1->isChecked());

    QTest::mouseClick(w.choice.RadioButton4, Qt::LeftButton);
    EXPECT_TRUE(w.choice.RadioButton4->isChecked());
    EXPECT_FALSE(w.choice.RadioButton1->isChecked());
    EXPECT_TRUE(s.feldRechtsAn());
    EXPECT_FALSE(s.feldGrossAn());
    EXPECT_TRUE(s.hdZielRechts());

    // A click on the checked button leaves everything as it is.
    QTest::mouseClick(w.choice.RadioButton4, Qt::LeftButton);
    EXPECT_TRUE(w.choice.RadioButton4->isChecked());
    EXPECT_TRUE(s.feldRechtsAn());

    // Selecting the checked field again only rewrites the status text.
    klick(w.fields.Anzeige_Normal, {5, 5});
    EXPECT_TRUE(w.choice.RadioButton1->isChecked());
    EXPECT_FALSE(w.choice.RadioButton4->isChecked());
    EXPECT_TRUE(s.feldGrossAn());
    EXPECT_FALSE(s.feldRechtsAn());
    EXPECT_TRUE(s.hdZielGross());
    f.currentState(
        [](MainState& n) { n.lightDarkTarget = Field::centre; }); // a marker: an early stop leaves it
    w.furniture.statusPanel1->clear();
    klick(w.fields.KleinRechts);
    EXPECT_TRUE(s.hdZielRechts());
    f.currentState([](MainState& n) { n.lightDarkTarget = Field::big; });
    klick(w.fields.KleinRechts);
    EXPECT_TRUE(s.hdZielGross()); // stopped: RadioButton4 was already checked
    EXPECT_EQ(w.furniture.statusPanel1->text(),
              QStringLiteral("Small field on the right-hand side selected"));
}
