#include "support/InteractionFixture.h"

#include "ui/language/ActionRegistry.h"

#include <QRadioButton>
#include <QTextEdit>

#include <gtest/gtest.h>

// Fixing together with the view options that have their own fixed steps.

TEST(FixingCombinations, TextViewMovesIntoTheRightHalfAndTheLeftHalfKeepsItsTexts)
{
    ShownWindow f;
    MainWidgets& w = f.w();
    f.harmonyMode("dreierHarmonien");
    klick(w.band.Image2, {500, 30}); // small fields at 121 and 201
    werkzeug(f, ActionId::TextAnstelleFlaechen);
    ASSERT_TRUE(f.s().actionSet.textInsteadOfFields);
    w.fields.RichEdit1->setPlainText(QStringLiteral("Hausfarbe"));

    werkzeug(f, ActionId::fixieren);
    ASSERT_TRUE(f.s().fixiert);
    EXPECT_EQ(w.fields.RichEdit1->parentWidget(), w.fields.FixedKleinRechts);
    EXPECT_EQ(w.fields.RichEdit2->parentWidget(), w.fields.FixedKleinLinks);
    EXPECT_TRUE(w.fields.RichEdit4->isVisibleTo(w.fields.FixedLinksKleinRechts));
    EXPECT_EQ(w.fields.RichEdit4->toPlainText(), QStringLiteral("Hausfarbe"));
    // Text in the small field's colour on the big field's colour, in both halves.
    EXPECT_EQ(w.fields.RichEdit4->palette().color(QPalette::Base), bandFarbe(500));
    EXPECT_EQ(w.fields.RichEdit5->palette().color(QPalette::Text), bandFarbe(201));

    // Switching the view off while the right half is edited leaves the left half's texts.
    werkzeug(f, ActionId::TextAnstelleFlaechen);
    EXPECT_FALSE(w.fields.RichEdit1->isVisibleTo(w.fields.FixedKleinRechts));
    EXPECT_TRUE(w.fields.RichEdit4->isVisibleTo(w.fields.FixedLinksKleinRechts));

    werkzeug(f, ActionId::fixieren);
    EXPECT_EQ(w.fields.RichEdit1->parentWidget(), w.fields.KleinRechts);
    EXPECT_FALSE(w.fields.RichEdit4->isVisibleTo(w.fields.FixedLinksKleinRechts));
}

TEST(FixingCombinations, SwitchingOffDuringSeparateAdjustmentShowsTheEditedLeftHalfWithoutMovingAField)
{
    ShownWindow f;
    MainWidgets& w = f.w();
    f.harmonyMode("dreierHarmonien");
    klick(w.band.Image2, {500, 30});
    werkzeug(f, ActionId::farbenSeparatEinstellen);
    ASSERT_TRUE(f.s().separatModus);
    werkzeug(f, ActionId::fixieren);
    f.harmonyMode("farbreihen"); // the right half: a colour row, upper row without its big field

    klick(w.fields.FixedLinks); // swaps in the left half's 3-colour harmony in separate adjustment
    ASSERT_TRUE(f.s().fixLinksAktiv);
    ASSERT_TRUE(f.s().separatModus);
    klick(w.band.Image2, {100, 30}); // moves only the left half's big field
    QTest::mouseClick(w.choice.RadioButton4, Qt::LeftButton);
    klick(w.band.Image2, {300, 30}); // and then only its right field
    ASSERT_EQ(w.fields.FixedLinks->colour(), bandFarbe(100));
    ASSERT_EQ(w.fields.FixedLinksKleinRechts->colour(), bandFarbe(300));

    werkzeug(f, ActionId::fixieren);
    EXPECT_FALSE(f.s().fixiert);
    EXPECT_EQ(w.fields.Anzeige_Normal->colour(), bandFarbe(100));
    EXPECT_EQ(w.fields.KleinRechts->colour(), bandFarbe(300));
    EXPECT_EQ(w.fields.KleinLinks->colour(), bandFarbe(201));
    EXPECT_TRUE(w.values.Panel4->isVisibleTo(w.values.Panel4->window()));
    EXPECT_EQ(w.values.SGrObHex->text(), bandFarbe(100).name().toUpper());
}
