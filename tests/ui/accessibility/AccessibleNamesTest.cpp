#include "support/InteractionFixture.h"

#include "core/state/ColourDocument.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>
#include <QUndoStack>

#include <gtest/gtest.h>

namespace
{

QAccessibleInterface* face(QWidget* w)
{
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w);
    EXPECT_NE(i, nullptr);
    return i;
}

QString name(QWidget* w)
{
    return face(w)->text(QAccessible::Name);
}

} // namespace

// A field says which it is and the colour its value row shows; pressing it selects it as a click does.
TEST(AccessibleNames, FieldsNameThemselvesAndTheirColourAndPressToSelect)
{
    ShownWindow f;
    QAccessibleInterface* big = face(f.w().fields.Anzeige_Normal);
    EXPECT_EQ(big->role(), QAccessible::Button);
    EXPECT_TRUE(big->text(QAccessible::Name).startsWith(QStringLiteral("Big field: ")));
    EXPECT_TRUE(big->text(QAccessible::Name).contains(QStringLiteral("hex ") + f.w().values.SGrObHex->text()))
        << qPrintable(big->text(QAccessible::Name));
    EXPECT_TRUE(big->text(QAccessible::Name).endsWith(QStringLiteral("blue ") + f.w().values.SGrObB->text()));

    QAccessibleInterface* right = face(f.w().fields.KleinRechts);
    ASSERT_NE(right->actionInterface(), nullptr);
    right->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(f.s().hdZielRechts());

    // Separate adjustment's buttons are one radio group, named by their fields.
    QAccessibleInterface* choice = face(f.w().choice.RadioButton4);
    EXPECT_EQ(choice->role(), QAccessible::RadioButton);
    EXPECT_EQ(choice->text(QAccessible::Name), QStringLiteral("Small field right-hand side"));
    EXPECT_EQ(name(f.w().choice.RadioButton1), QStringLiteral("Big field"));
}

// Setting the band's value moves it as a click there does: one step of the history.
TEST(AccessibleNames, BandTakesItsPositionAsOneStep)
{
    ShownWindow f;
    QAccessibleInterface* band = face(f.w().band.Image2);
    EXPECT_EQ(band->text(QAccessible::Name), QStringLiteral("Color band Realistic"));
    QAccessibleValueInterface* value = band->valueInterface();
    ASSERT_NE(value, nullptr);
    const int steps = f.d().history().count();
    value->setCurrentValue(300);
    EXPECT_EQ(f.s().posGross(), 300);
    EXPECT_EQ(value->currentValue().toInt(), 300);
    QTRY_COMPARE(f.d().history().count(), steps + 1);
}

// The light/dark amounts and the angles read as the screen shows them.
TEST(AccessibleNames, AmountsAndAnglesReadAsShown)
{
    ShownWindow f;
    f.harmonyMode("viererHarmonien");
    const QString light = f.w().lightDark.Label1->text(), dark = f.w().lightDark.Label2->text();
    EXPECT_EQ(name(f.w().lightDark.PaintBox3),
              QStringLiteral("Light/dark field: light %1, dark %2").arg(light, dark));
    EXPECT_EQ(name(f.w().lightDark.Label1), QStringLiteral("Light amount ") + light);
    EXPECT_EQ(name(f.w().lightDark.Label2), QStringLiteral("Dark amount ") + dark);

    // Position 34 opens 36 degrees: twice round(34 × 0.531).
    f.w().angle.TrackBar2->setValue(34);
    QAccessibleInterface* first = face(f.w().angle.TrackBar2);
    EXPECT_EQ(first->text(QAccessible::Name), QStringLiteral("First angle"));
    EXPECT_EQ(first->valueInterface()->currentValue().toInt(), 36);
    EXPECT_EQ(f.w().angle.WinkelO->text(), QStringLiteral("36 °"));
    first->valueInterface()->setCurrentValue(90);
    EXPECT_EQ(f.w().angle.WinkelO->text(), QStringLiteral("90 °"));
    EXPECT_TRUE(name(f.w().angle.ImageWW).startsWith(QStringLiteral("Angle picture: 90 °")));
}

TEST(AccessibleNames, GermanInterfaceSpeaksGerman)
{
    WindowFixture de([](MemoryPreferenceStore& s) { s.setRaw(QStringLiteral("TNVersion"), 7); });
    EXPECT_TRUE(name(de.w().fields.Anzeige_Normal).startsWith(QStringLiteral("Große Fläche: ")));
    EXPECT_TRUE(name(de.w().fields.Anzeige_Normal).contains(QStringLiteral(", Hex ")));
    EXPECT_EQ(name(de.w().choice.RadioButton1), QStringLiteral("Große Fläche"));
    EXPECT_TRUE(name(de.w().lightDark.Label2).startsWith(QStringLiteral("Dunkel-Anteil ")));
    EXPECT_EQ(name(de.w().band.Image2), QStringLiteral("Farbband Real"));
}

// Each half of a fixed display names its row fields by the step count it was fixed with.
TEST(AccessibleNames, FixedHalvesNameTheirRowFieldsByTheirOwnSteps)
{
    ShownWindow f;
    f.currentState([](MainState& s) {
        s.stufenAnzahl = 4;
        s.stufenFixLinks = 2;
        s.stufenFixRechts = 4;
    });
    // Ring 8 - 1 is the field next to the centre: the 2nd of 5 fields, the 4th of 9.
    EXPECT_TRUE(name(f.w().fields.RLi[7]).contains(QStringLiteral("2nd")))
        << qPrintable(name(f.w().fields.RLi[7]));
    EXPECT_TRUE(name(f.w().fields.RRe[7]).contains(QStringLiteral("4th")))
        << qPrintable(name(f.w().fields.RRe[7]));
}
