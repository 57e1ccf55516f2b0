#include "support/InteractionFixture.h"
#include "support/ModalGuard.h"

#include "ui/dialogs/TOKBottomDlg1.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

namespace
{

void umwandeln(ShownWindow& f, std::function<void(TOKBottomDlg1&)> schritt)
{
    bool gelaufen = false;
    onNextModal<TOKBottomDlg1>([&](TOKBottomDlg1& d) {
        schritt(d);
        gelaufen = true;
        d.Button3->click();
    });
    f.form->aktion("inWebsichereFarbenUmwandeln")->trigger();
    EXPECT_TRUE(gelaufen);
}

QString feldName(TOKBottomDlg1& d)
{
    return d.Label4->text();
}

} // namespace

TEST(WebSafeDialogWindow, BarsPushBackAtTheEndsOfTheScale)
{
    ShownWindow f; // big field 218, 37, 29
    umwandeln(f, [](TOKBottomDlg1& d) {
        EXPECT_EQ(d.vorschlaege[0]->text(), QStringLiteral("204"));
        QTest::keyClick(d.regler[0], Qt::Key_Right);
        EXPECT_EQ(d.vorschlaege[0]->text(), QStringLiteral("255"));
        QTest::keyClick(d.regler[0], Qt::Key_Right); // already 255: back
        EXPECT_EQ(d.regler[0]->value(), 3);
        QTest::keyClick(d.regler[0], Qt::Key_Left);
        EXPECT_EQ(d.vorschlaege[0]->text(), QStringLiteral("204"));

        QTest::keyClick(d.regler[2], Qt::Key_Left);
        EXPECT_EQ(d.vorschlaege[2]->text(), QStringLiteral("0"));
        QTest::keyClick(d.regler[2], Qt::Key_Left); // already 0: back
        EXPECT_EQ(d.regler[2]->value(), 1);
        EXPECT_EQ(d.Panel2->colour(), QColor(204, 51, 0));
        EXPECT_EQ(d.regler[0]->auswahl(),
                  (StufenBereich{0, 3})); // set at the opening, kept while the bars move
    });
}

TEST(WebSafeDialogWindow, NextOneVisitsTheFieldsOfTheModeAndResetsTheBars)
{
    ShownWindow f;
    umwandeln(f, [&](TOKBottomDlg1& d) {
        EXPECT_EQ(feldName(d), QStringLiteral("Big Field:"));
        QTest::keyClick(d.regler[1], Qt::Key_Right);
        d.Button1->click();
        EXPECT_EQ(feldName(d), QStringLiteral("Small field on the right-hand side:"));
        EXPECT_EQ(d.werte[0]->text(), f.w().SKlObR->text());
        EXPECT_EQ(d.regler[1]->value(), 2);
        d.Button1->click();
        EXPECT_EQ(feldName(d), QStringLiteral("Big Field:"));
    });

    f.modus("dreierHarmonien");
    umwandeln(f, [](TOKBottomDlg1& d) {
        d.Button1->click();
        EXPECT_EQ(feldName(d), QStringLiteral("Small field on the left-hand side:"));
        d.Button1->click();
        EXPECT_EQ(feldName(d), QStringLiteral("Small field on the right-hand side:"));
        d.Button1->click();
        EXPECT_EQ(feldName(d), QStringLiteral("Big Field:"));
    });
}

TEST(WebSafeDialogWindow, FixedDisplayPanelsAreReadAndAllocated)
{
    ShownWindow f;
    f.form->aktion("fixieren")->trigger();
    ASSERT_TRUE(f.s().fixiert);
    const QColor vorher = f.w().FixedRechts->colour();
    umwandeln(f, [&](TOKBottomDlg1& d) {
        EXPECT_EQ(d.Panel1->colour(), vorher);
        d.Button2->click();
    });
    EXPECT_EQ(f.w().FixedRechts->colour(), QColor(204, 51, 51));
    EXPECT_EQ(f.w().SGrObHex->text(), QStringLiteral("#CC3333"));
    EXPECT_TRUE(f.s().websicherUebernommen);
}

TEST(WebSafeDialogWindow, RowModesOnlyShowTheMessage)
{
    ShownWindow f;
    f.modus("auffaecherungen");
    QString meldung;
    onNextModal<QMessageBox>([&](QMessageBox& box) {
        meldung = box.text();
        box.accept();
    });
    f.form->aktion("inWebsichereFarbenUmwandeln")->trigger();
    EXPECT_TRUE(meldung.startsWith(QStringLiteral("In the modi \"fanning\" and \"color row\"")));
}

TEST(WebSafeDialogWindow, TheEditedLeftHalfIsAllocatedAndKeepsTheSaveQuestionOverASwap)
{
    ShownWindow f;
    MainWidgets& w = f.w();
    f.form->aktion("fixieren")->trigger();
    klick(w.FixedLinksKleinRechts);
    klick(w.Image2, {300, 30});
    const QColor links = w.FixedLinks->colour(), rechts = w.FixedRechts->colour();
    ASSERT_NE(links, rechts);
    QColor vorschlag;
    umwandeln(f, [&](TOKBottomDlg1& d) {
        EXPECT_EQ(d.Panel1->colour(), links);
        d.Button2->click();
        vorschlag = d.Panel2->colour();
    });
    EXPECT_EQ(w.FixedLinks->colour(), vorschlag);
    EXPECT_EQ(w.SGrUnHex->text(), hex(vorschlag));
    EXPECT_EQ(w.FixedRechts->colour(), rechts);

    // The swap repaints no panel, nor does editing the other half touch the allocated ones.
    klick(w.FixedKleinRechts);
    EXPECT_TRUE(f.s().websicherUebernommen);
    klick(w.Image2, {100, 30});
    EXPECT_TRUE(f.s().websicherUebernommen);
    klick(w.FixedLinksKleinRechts);
    klick(w.Image2, {120, 30});
    EXPECT_FALSE(f.s().websicherUebernommen);
}
