#include "support/WindowFixture.h"

#include "ui/display/BandAngleControls.h"
#include "ui/display/DisplayParts.h"
#include "ui/layout/WindowLayoutUi.h"
#include "ui/widgets/ColourPanel.h"
#include "ui/widgets/PictureBox.h"
#include "ui/widgets/StaticText.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTextEdit>

#include <gtest/gtest.h>

TEST(MainWindowStart, StateAndFieldsShowTheStartCombination)
{
    WindowFixture f;
    const MainState& s = f.s();
    EXPECT_EQ(s.farbWerte[1], 218);
    EXPECT_EQ(s.farbWerte[2], 37);
    EXPECT_EQ(s.farbWerte[3], 29);
    EXPECT_EQ(s.farbWerte[4], 0);
    EXPECT_EQ(s.farbWerte[5], 146);
    EXPECT_EQ(s.farbWerte[6], 141);
    EXPECT_EQ(s.posGross(), 0);
    EXPECT_EQ(s.posRechts(), 339);
    EXPECT_TRUE(f.form->layout().locked());
    EXPECT_FALSE(f.d().window().shown);

    MainWidgets& w = f.w();
    const QColor big(0xDA, 0x25, 0x1D), right(0x00, 0x92, 0x8D);
    EXPECT_EQ(w.fields.Anzeige->colour(), big);
    EXPECT_EQ(w.fields.Anzeige_Normal->colour(), big);
    EXPECT_EQ(w.fields.KleinRechts->colour(), right);
    EXPECT_EQ(w.values.Panel4->colour(), big);
    EXPECT_EQ(w.values.Panel7->colour(), right);
    EXPECT_EQ(w.lightDark.flaechenanzeigeFarbe->colour(), big);
    EXPECT_EQ(w.lightDark.flaechenanzeigeFarbe->tag(), 0x1D25DA); // B·65536 + G·256 + R

    EXPECT_EQ(w.values.SGrObR->text(), QStringLiteral("218"));
    EXPECT_EQ(w.values.SGrObG->text(), QStringLiteral("37"));
    EXPECT_EQ(w.values.SGrObB->text(), QStringLiteral("29"));
    EXPECT_EQ(w.values.SGrObHex->text(), QStringLiteral("#DA251D"));
    EXPECT_EQ(w.values.SKlObHex->text(), QStringLiteral("#00928D"));
    EXPECT_EQ(w.values.SKlObLiHex->text(), QStringLiteral("-"));
    EXPECT_EQ(w.values.SKlObMiR->text(), QStringLiteral("-"));
    EXPECT_TRUE(w.values.SGrUnHex->text().isEmpty());
    EXPECT_TRUE(w.values.Panel5->isHidden());
    EXPECT_TRUE(w.values.Panel6->isHidden());
    EXPECT_FALSE(w.values.Panel7->isHidden());
    for (ColourPanel* p : {w.values.Panel8, w.values.Panel9, w.values.Panel10, w.values.Panel11})
        EXPECT_TRUE(p->isHidden());
}

TEST(MainWindowStart, ControlsStartInTheirDesignState)
{
    WindowFixture f;
    MainWidgets& w = f.w();
    for (QSlider* t : {w.angle.TrackBar2, w.angle.TrackBar3}) {
        EXPECT_EQ(t->minimum(), 0);
        EXPECT_EQ(t->maximum(), 117);
        EXPECT_FALSE(t->isEnabled());
    }
    EXPECT_EQ(w.angle.TrackBar2->value(), 40);
    EXPECT_EQ(w.angle.TrackBar3->value(), 34);
    EXPECT_TRUE(w.angle.WinkelO->isHidden());
    EXPECT_TRUE(w.angle.WinkelU->isHidden());
    EXPECT_FALSE(w.angle.ComboBox3->isEnabled());
    EXPECT_FALSE(w.rowControls.ComboBox1->isEnabled());
    EXPECT_EQ(w.rowControls.ComboBox1->currentIndex(), 3);
    EXPECT_EQ(w.regions.ComboBox2->currentIndex(), 0);
    EXPECT_FALSE(w.rowControls.Button1->isEnabled());
    EXPECT_TRUE(w.legend.Panel12->isHidden());
    EXPECT_EQ(w.legend.Panel12->width(), 197);
    EXPECT_TRUE(w.legend.Label12->text().isEmpty());
    EXPECT_TRUE(w.legend.Label13->text().isEmpty());
    EXPECT_TRUE(w.warning.Panel1->isHidden());
    EXPECT_TRUE(w.choice.RadioButton1->isChecked());
    for (QRadioButton* r :
         {w.choice.RadioButton1, w.choice.RadioButton2, w.choice.RadioButton3, w.choice.RadioButton4})
        EXPECT_FALSE(r->isEnabled());
    EXPECT_FALSE(w.choice.RadioButton2->isChecked());
    EXPECT_FALSE(w.furniture.Kopieren1a->isEnabled());
    EXPECT_EQ(w.angle.ImageWW->size(), QSize(123, 123));
    EXPECT_EQ(f.form->parts().band->anglePicture().size(), QSize(123, 123));
    EXPECT_EQ(w.band.Image2->image().size(), QSize(678, 65));
    EXPECT_EQ(w.lightDark.Image3->image().size(), QSize(255, 254)); // the overlay loaded
    EXPECT_TRUE(f.form->helpFile().endsWith(QStringLiteral("/manual.chm")));
}

TEST(MainWindowStart, LanguageSwitchFindsTheNamedControls)
{
    WindowFixture f; // no stored language: English
    MainWidgets& w = f.w();
    EXPECT_EQ(w.furniture.statusPanel0->text(), QStringLiteral("  2-Color Harmony"));
    EXPECT_EQ(w.furniture.statusPanel1->text(), QStringLiteral("Big field selected"));
    EXPECT_EQ(w.rowControls.Button1->text(), QStringLiteral("Interm. Values"));
    EXPECT_EQ(w.regions.ComboBox2->itemText(3), QStringLiteral("Background: Black"));
    EXPECT_EQ(w.angle.ComboBox3->itemText(0), QStringLiteral("Angle Type 1"));
    EXPECT_EQ(w.values.SGrObR->toolTip(), QStringLiteral("Big field"));
    EXPECT_EQ(w.values.Panel7->toolTip(), QStringLiteral("Small field right-hand side"));

    WindowFixture de([](MemoryPreferenceStore& s) { s.setRaw(QStringLiteral("TNVersion"), 7); });
    EXPECT_EQ(de.w().furniture.statusPanel0->text(), QStringLiteral("  Zweier-Harmonie"));
    EXPECT_EQ(de.w().rowControls.Button1->text(), QStringLiteral("Zwischendaten"));
}

TEST(MainWindowStart, EveryNamedControlExistsOnce)
{
    WindowFixture f;
    QStringList names = {"Farbband",
                         "Panel3",
                         "Panel2",
                         "Image1",
                         "Image2",
                         "PaintBox1",
                         "PaintBox2",
                         "HellDunkelGrau",
                         "flaechenanzeigeFarbe",
                         "Image3",
                         "KreuzV",
                         "KreuzH",
                         "Image4",
                         "Image5",
                         "Image6",
                         "Image7",
                         "Label1",
                         "Label2",
                         "PaintBox3",
                         "Panel13",
                         "ImageWW",
                         "Image8",
                         "Image9",
                         "Image10",
                         "Image11",
                         "PaintBox5",
                         "PaintBox6",
                         "TrackBar2",
                         "TrackBar3",
                         "WinkelO",
                         "WinkelU",
                         "ComboBox3",
                         "Panel12",
                         "Label11",
                         "Label12",
                         "Label13",
                         "Label14",
                         "Panel16",
                         "Panel17",
                         "Panel18",
                         "Panel19",
                         "ComboBox1",
                         "ComboBox2",
                         "Button1",
                         "ComboPanel",
                         "panelBG",
                         "panelHintergrund",
                         "Panel14",
                         "Panel15",
                         "Anzeige",
                         "Anzeige_Normal",
                         "KleinRechts",
                         "KleinLinks",
                         "KleinMitte",
                         "AnzeigeReihen",
                         "AnzeigeFixedReihen",
                         "FixedLinks",
                         "FixedRechts",
                         "FixedKleinRechts",
                         "FixedKleinLinks",
                         "FixedKleinMitte",
                         "FixedLinksKleinRechts",
                         "FixedLinksKleinLinks",
                         "FixedLinksKleinMitte",
                         "FixedLinksReihen",
                         "FixedRechtsReihen",
                         "PanelContainer1",
                         "PanelContainer2",
                         "WerteOben",
                         "WerteUnten",
                         "RadioButton1",
                         "RadioButton2",
                         "RadioButton3",
                         "RadioButton4",
                         "Panel1",
                         "Label18",
                         "Timer2",
                         "PopupMenu1a",
                         "Kopieren1a",
                         "StatusBar1",
                         "ActionToolBar1"};
    for (int k = 1; k <= 15; ++k)
        names << QStringLiteral("R%1").arg(k) << QStringLiteral("R%1Li").arg(k)
              << QStringLiteral("R%1Re").arg(k);
    for (int n = 1; n <= 11; ++n)
        if (n >= 4)
            names << QStringLiteral("Panel%1").arg(n);
    for (int n = 1; n <= 6; ++n)
        names << QStringLiteral("RichEdit%1").arg(n);
    for (StaticText* t : f.w().values.valueTexts())
        names << t->objectName();
    EXPECT_EQ(f.w().values.valueTexts().size(), 32u);

    for (const QString& name : names)
        EXPECT_EQ(f.form->findChildren<QObject*>(name).size(), 1) << name.toStdString();
}

TEST(MainWindowStart, CreateHandlerParksTheUnusedPanels)
{
    WindowFixture f;
    MainWidgets& w = f.w();
    EXPECT_TRUE(w.fields.PanelContainer1->isHidden());
    for (QWidget* p :
         {static_cast<QWidget*>(w.fields.KleinLinks), static_cast<QWidget*>(w.fields.KleinMitte),
          static_cast<QWidget*>(w.fields.FixedKleinRechts),
          static_cast<QWidget*>(w.fields.FixedLinksKleinMitte), static_cast<QWidget*>(w.fields.AnzeigeReihen),
          static_cast<QWidget*>(w.fields.FixedLinks)})
        EXPECT_EQ(p->parentWidget(), w.fields.PanelContainer2) << p->objectName().toStdString();
    EXPECT_EQ(w.fields.FixedLinks->pos(), QPoint(1, 1));
    EXPECT_EQ(w.fields.FixedRechts->pos(), QPoint(338, 1));
    for (std::size_t n : {2u, 7u, 9u, 14u}) {
        EXPECT_EQ(w.fields.R[n]->parentWidget(), w.fields.PanelContainer2);
        EXPECT_EQ(w.fields.RRe[n]->parentWidget(), w.fields.PanelContainer2);
        EXPECT_EQ(w.fields.RLi[n]->parentWidget(), w.fields.PanelContainer2);
    }
    // The centre and the outer fields stay in their rows.
    for (std::size_t n : {1u, 8u, 15u}) {
        EXPECT_EQ(w.fields.R[n]->parentWidget(), w.fields.AnzeigeReihen);
        EXPECT_EQ(w.fields.RRe[n]->parentWidget(), w.fields.FixedRechtsReihen);
        EXPECT_EQ(w.fields.RLi[n]->parentWidget(), w.fields.FixedLinksReihen);
    }
    // Two-colour display: the big field fills the display and holds small right.
    EXPECT_EQ(w.fields.Anzeige_Normal->parentWidget(), w.fields.Anzeige);
    EXPECT_EQ(w.fields.Anzeige_Normal->geometry(), w.fields.Anzeige->innerRect());
    EXPECT_EQ(w.fields.KleinRechts->parentWidget(), w.fields.Anzeige_Normal);
    // The text fields fill their fields and wait hidden.
    EXPECT_EQ(w.fields.RichEdit1->parentWidget(), w.fields.KleinRechts);
    EXPECT_EQ(w.fields.RichEdit1->geometry(), w.fields.KleinRechts->rect());
    EXPECT_TRUE(w.fields.RichEdit1->isHidden());
    EXPECT_EQ(w.fields.RichEdit4->geometry(), w.fields.FixedLinksKleinRechts->rect());
}

TEST(MainWindowStart, ClickableFieldsCarryTheFieldCursor)
{
    WindowFixture f;
    MainWidgets& w = f.w();
    for (QWidget* p : w.fields.clickableFields())
        EXPECT_EQ(p->cursor().shape(), Qt::BitmapCursor) << p->objectName().toStdString();
    EXPECT_EQ(w.fields.clickableFields().size(), 13u + 14u * 3u + 2u);
    for (ColourPanel* centre : {w.fields.R[8], w.fields.RRe[8], w.fields.RLi[8]})
        EXPECT_EQ(centre->cursor().shape(), Qt::ArrowCursor); // the row centre selects nothing
    EXPECT_EQ(w.band.Image2->cursor().shape(), Qt::CrossCursor);
    EXPECT_EQ(w.lightDark.PaintBox3->cursor().shape(), Qt::CrossCursor);
}
