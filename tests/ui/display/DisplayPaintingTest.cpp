#include "support/DisplayFixture.h"

#include "colour/LightDark.h"
#include "display/LightDarkField.h"
#include "language/ActionRegistry.h"

#include <QPalette>
#include <QTest>
#include <QTextEdit>

#include <gtest/gtest.h>

namespace
{

// Counts the paint events of the widgets it watches.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(std::initializer_list<QWidget*> widgets)
    {
        for (QWidget* w : widgets)
            w->installEventFilter(this);
    }
    int count = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return QObject::eventFilter(watched, event);
    }
};

QColor gemischt(const QColor& basis, int dunkel, int hell)
{
    return QColor(rechneHellDunkel(basis.red(), dunkel, hell), rechneHellDunkel(basis.green(), dunkel, hell),
                  rechneHellDunkel(basis.blue(), dunkel, hell));
}

} // namespace

TEST(DisplayPainting, ShownWindowShowsTheStartCombination)
{
    DisplayFixture f;
    f.s().formularBereit = false; // the first show sets it
    f.form->show();
    MainWidgets& w = f.w();
    EXPECT_EQ(w.Anzeige_Normal->colour(), QColor(0xDA, 0x25, 0x1D));
    EXPECT_EQ(w.KleinRechts->colour(), QColor(0x00, 0x92, 0x8D));
    EXPECT_EQ(w.SGrObHex->text(), QStringLiteral("#DA251D"));
    EXPECT_EQ(w.SKlObHex->text(), QStringLiteral("#00928D"));
    EXPECT_EQ(w.SKlObR->text(), QStringLiteral("0"));
    EXPECT_EQ(w.SKlObG->text(), QStringLiteral("146"));
    EXPECT_EQ(w.SKlObB->text(), QStringLiteral("141"));
    EXPECT_EQ(w.SKlObLiHex->text(), QStringLiteral("-"));
}

TEST(DisplayPainting, PaintingTheSameColoursAgainRepaintsNothing)
{
    DisplayFixture f;
    f.form->show();
    MainWidgets& w = f.w();
    f.parts().display->datenHolen(50, true);
    QTest::qWait(30);
    PaintCounter zaehler{w.Anzeige_Normal, w.KleinRechts, w.Panel4, w.Panel7, w.SGrObHex, w.SKlObHex};
    f.parts().display->datenHolen(50, true);
    f.parts().display->datenHolen(50, true);
    QTest::qWait(30);
    EXPECT_EQ(zaehler.count, 0);

    f.parts().display->datenHolen(60, true); // a real change does repaint
    QTest::qWait(30);
    EXPECT_GT(zaehler.count, 0);
}

TEST(DisplayPainting, WebSafeDisplaySnapsPanelsAndTexts)
{
    DisplayFixture f;
    MainWidgets& w = f.w();
    f.s().nurWebsicher = true;
    f.parts().display->datenHolen(0, true);
    // 218, 37, 29 -> 204, 51, 51; 0, 146, 141 -> 0, 153, 153
    EXPECT_EQ(w.SGrObHex->text(), QStringLiteral("#CC3333"));
    EXPECT_EQ(w.SGrObR->text(), QStringLiteral("204"));
    EXPECT_EQ(w.Anzeige_Normal->colour(), QColor(204, 51, 51));
    EXPECT_EQ(w.SKlObHex->text(), QStringLiteral("#009999"));
    EXPECT_EQ(w.KleinRechts->colour(), QColor(0, 153, 153));
    // The light/dark field keeps the unsnapped base colour.
    EXPECT_EQ(w.flaechenanzeigeFarbe->colour(), QColor(218, 37, 29));

    f.modus("auffaecherungen");
    EXPECT_EQ(w.SKlObMiHex->text(), QStringLiteral("#009999")); // centre at 339
    EXPECT_EQ(w.R[8]->colour(), QColor(0, 153, 153));
    EXPECT_EQ(f.s().endFarben[47], 153);
}

TEST(DisplayPainting, LightDarkAmountsShowInFieldsAndValues)
{
    DisplayFixture f;
    MainWidgets& w = f.w();
    f.modus("dreierHarmonien");
    f.parts().selection->KleinLinksClick2();
    f.parts().hellDunkel->bewegeHellDunkel(100, 155); // dark 100, light 100
    const QColor links = gemischt(bandFarbe(false, f.s().posLinks()), 100, 100);
    EXPECT_EQ(w.KleinLinks->colour(), links);
    EXPECT_EQ(w.Panel5->colour(), links);
    EXPECT_EQ(w.SKlObLiHex->text(), hex(links));
    EXPECT_EQ(w.SKlObLiB->text(), QString::number(links.blue()));
    // The light/dark field shows the base colour, not the mixed one.
    EXPECT_EQ(w.flaechenanzeigeFarbe->colour(), bandFarbe(false, f.s().posLinks()));
    // Other fields keep their pure colours.
    EXPECT_EQ(w.KleinRechts->colour(), bandFarbe(false, f.s().posRechts()));
}

TEST(DisplayPainting, TextFieldsTakeTheFieldColours)
{
    DisplayFixture f;
    MainWidgets& w = f.w();
    f.modus("viererHarmonien");
    f.parts().display->datenHolen(120, true);
    const QColor gross = bandFarbe(false, 120);
    for (QTextEdit* e : {w.RichEdit1, w.RichEdit2, w.RichEdit3})
        EXPECT_EQ(e->palette().color(QPalette::Base), gross);
    EXPECT_EQ(w.RichEdit1->palette().color(QPalette::Text), bandFarbe(false, f.s().posRechts()));
    EXPECT_EQ(w.RichEdit2->palette().color(QPalette::Text), bandFarbe(false, f.s().posLinks()));
    EXPECT_EQ(w.RichEdit3->palette().color(QPalette::Text), bandFarbe(false, f.s().posMitte()));
}

TEST(DisplayPainting, SwappedInSnapshotLeavesPanelsAndTextsAlone)
{
    DisplayFixture f;
    MainWidgets& w = f.w();
    f.parts().display->datenHolen(0, true);
    f.s().anzeigeSperre = true;
    f.parts().display->datenHolen(200, true);
    EXPECT_EQ(w.Anzeige_Normal->colour(), bandFarbe(false, 0));
    EXPECT_EQ(w.KleinRechts->colour(), bandFarbe(false, 339));
    EXPECT_EQ(w.SGrObHex->text(), hex(bandFarbe(false, 0)));
    EXPECT_EQ(w.SKlObHex->text(), hex(bandFarbe(false, 339)));
    EXPECT_EQ(w.RichEdit1->palette().color(QPalette::Base), bandFarbe(false, 0));
    // The text view's font colour still follows.
    EXPECT_EQ(w.RichEdit1->palette().color(QPalette::Text), bandFarbe(false, komplement(200)));
    f.s().anzeigeSperre = false;
    f.parts().display->datenHolen(200, true);
    EXPECT_EQ(w.KleinRechts->colour(), bandFarbe(false, komplement(200)));
}

TEST(DisplayPainting, RepaintMarksUnsavedChangesAndDropsWebSafeTakeOver)
{
    DisplayFixture f;
    FieldDisplay& anzeige = *f.parts().display;
    anzeige.aenderungenGespeichert();
    f.s().websicherUebernommen = true;
    anzeige.datenHolen(10, false); // computing alone paints nothing
    EXPECT_FALSE(anzeige.ungespeicherteAenderungen());
    EXPECT_TRUE(f.s().websicherUebernommen);
    anzeige.datenHolen(10, true);
    EXPECT_TRUE(anzeige.ungespeicherteAenderungen());
    EXPECT_FALSE(f.s().websicherUebernommen);
    // Saving does not exist yet, so its action stays unavailable.
    EXPECT_FALSE(f.form->actions().action(Aktion::dateiSpeichern).isEnabled());
}

TEST(DisplayPainting, BandTypeSwitchRecolorsEveryFieldAndKeepsTheSelection)
{
    DisplayFixture f;
    MainWidgets& w = f.w();
    MainState& s = f.s();
    f.modus("viererHarmonien");
    f.parts().display->datenHolen(40, true);
    f.parts().selection->KleinRechtsClick2();
    f.parts().hellDunkel->bewegeHellDunkel(80, 255); // small right: dark 80
    f.parts().selection->KleinLinksClick2();
    const int gross = s.posGross(), rechts = s.posRechts(), links = s.posLinks(), mitte = s.posMitte();

    f.form->aktion("luminoes")->trigger();
    EXPECT_EQ(s.posGross(), gross);
    EXPECT_EQ(s.posLinks(), links);
    EXPECT_EQ(w.Anzeige_Normal->colour(), bandFarbe(true, gross));
    EXPECT_EQ(w.KleinRechts->colour(), gemischt(bandFarbe(true, rechts), 80, 0));
    EXPECT_EQ(w.KleinLinks->colour(), bandFarbe(true, links));
    EXPECT_EQ(w.KleinMitte->colour(), bandFarbe(true, mitte));
    EXPECT_EQ(w.SKlObMiHex->text(), hex(bandFarbe(true, mitte)));
    EXPECT_TRUE(s.hdZielLinks);
    EXPECT_FALSE(s.sammelLauf);
    EXPECT_EQ(w.statusPanel1->text(), QStringLiteral("Small field on the left-hand side selected"));
    EXPECT_EQ(w.flaechenanzeigeFarbe->colour(), bandFarbe(true, links));

    f.form->aktion("realistisch")->trigger();
    EXPECT_EQ(w.KleinMitte->colour(), bandFarbe(false, mitte));
    EXPECT_EQ(w.KleinRechts->colour(), gemischt(bandFarbe(false, rechts), 80, 0));
    EXPECT_TRUE(s.hdZielLinks);
}

TEST(DisplayPainting, BandTypeSwitchRecolorsTheWholeRow)
{
    DisplayFixture f;
    MainWidgets& w = f.w();
    f.modus("auffaecherungen");
    f.felder(3);
    f.parts().display->datenHolen(100, true);
    f.form->aktion("luminoes")->trigger();
    EXPECT_EQ(w.R[15]->colour(), bandFarbe(true, 399));
    EXPECT_EQ(w.R[1]->colour(), bandFarbe(true, 479));
    EXPECT_EQ(w.R[8]->colour(), bandFarbe(true, 439));
    EXPECT_EQ(w.R[6]->colour(), bandFarbe(true, 465));
    EXPECT_EQ(w.AnzeigeReihen->colour(), bandFarbe(true, 100));
    EXPECT_TRUE(f.s().hdZielGross);
}
