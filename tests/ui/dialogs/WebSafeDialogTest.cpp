#include "support/InteractionFixture.h"
#include "support/ModalGuard.h"

#include "ui/dialogs/TOKBottomDlg1.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

namespace
{

void umwandeln(ShownWindow& f, std::function<void(TOKBottomDlg1&)> step)
{
    bool gelaufen = false;
    onNextModal<TOKBottomDlg1>([&](TOKBottomDlg1& d) {
        step(d);
        gelaufen = true;
        d.Button3->click();
    });
    f.form->actionItem("inWebsichereFarbenUmwandeln")->trigger();
    EXPECT_TRUE(gelaufen);
}

QString fieldName(TOKBottomDlg1& d)
{
    return d.Label4->text();
}

} // namespace

TEST(WebSafeDialogWindow, BarsPushBackAtTheEndsOfTheScale)
{
    ShownWindow f; // big field 218, 37, 29
    umwandeln(f, [](TOKBottomDlg1& d) {
        EXPECT_EQ(d.suggestions[0]->text(), QStringLiteral("204"));
        QTest::keyClick(d.sliders[0], Qt::Key_Right);
        EXPECT_EQ(d.suggestions[0]->text(), QStringLiteral("255"));
        QTest::keyClick(d.sliders[0], Qt::Key_Right); // already 255: back
        EXPECT_EQ(d.sliders[0]->value(), 3);
        QTest::keyClick(d.sliders[0], Qt::Key_Left);
        EXPECT_EQ(d.suggestions[0]->text(), QStringLiteral("204"));

        QTest::keyClick(d.sliders[2], Qt::Key_Left);
        EXPECT_EQ(d.suggestions[2]->text(), QStringLiteral("0"));
        QTest::keyClick(d.sliders[2], Qt::Key_Left); // already 0: back
        EXPECT_EQ(d.sliders[2]->value(), 1);
        EXPECT_EQ(d.Panel2->colour(), QColor(204, 51, 0));
        EXPECT_EQ(d.sliders[0]->choice(), (StepRange{0, 3})); // set at the opening, kept while the bars move
    });
}

TEST(WebSafeDialogWindow, NextOneVisitsTheFieldsOfTheModeAndResetsTheBars)
{
    ShownWindow f;
    umwandeln(f, [&](TOKBottomDlg1& d) {
        EXPECT_EQ(fieldName(d), QStringLiteral("Big Field:"));
        QTest::keyClick(d.sliders[1], Qt::Key_Right);
        d.Button1->click();
        EXPECT_EQ(fieldName(d), QStringLiteral("Small field on the right-hand side:"));
        EXPECT_EQ(d.valueSet[0]->text(), f.w().values.SKlObR->text());
        EXPECT_EQ(d.sliders[1]->value(), 2);
        d.Button1->click();
        EXPECT_EQ(fieldName(d), QStringLiteral("Big Field:"));
    });

    f.harmonyMode("dreierHarmonien");
    umwandeln(f, [](TOKBottomDlg1& d) {
        d.Button1->click();
        EXPECT_EQ(fieldName(d), QStringLiteral("Small field on the left-hand side:"));
        d.Button1->click();
        EXPECT_EQ(fieldName(d), QStringLiteral("Small field on the right-hand side:"));
        d.Button1->click();
        EXPECT_EQ(fieldName(d), QStringLiteral("Big Field:"));
    });
}

TEST(WebSafeDialogWindow, FixedDisplayPanelsAreReadAndAllocated)
{
    ShownWindow f;
    f.form->actionItem("fixieren")->trigger();
    ASSERT_TRUE(f.s().fixiert);
    const QColor vorher = f.w().fields.FixedRechts->colour();
    umwandeln(f, [&](TOKBottomDlg1& d) {
        EXPECT_EQ(d.Panel1->colour(), vorher);
        d.Button2->click();
    });
    EXPECT_EQ(f.w().fields.FixedRechts->colour(), QColor(204, 51, 51));
    EXPECT_EQ(f.w().values.SGrObHex->text(), QStringLiteral("#CC3333"));
    EXPECT_TRUE(f.s().websicherUebernommen);
}

TEST(WebSafeDialogWindow, RowModesOnlyShowTheMessage)
{
    ShownWindow f;
    f.harmonyMode("auffaecherungen");
    QString meldung;
    onNextModal<QMessageBox>([&](QMessageBox& box) {
        meldung = box.text();
        box.accept();
    });
    f.form->actionItem("inWebsichereFarbenUmwandeln")->trigger();
    EXPECT_TRUE(meldung.startsWith(QStringLiteral("In the modi \"fanning\" and \"color row\"")));
}

TEST(WebSafeDialogWindow, TheEditedLeftHalfIsAllocatedAndKeepsTheSaveQuestionOverASwap)
{
    ShownWindow f;
    MainWidgets& w = f.w();
    f.form->actionItem("fixieren")->trigger();
    klick(w.fields.FixedLinksKleinRechts);
    klick(w.band.Image2, {300, 30});
    const QColor left = w.fields.FixedLinks->colour(), right = w.fields.FixedRechts->colour();
    ASSERT_NE(left, right);
    QColor suggestion;
    umwandeln(f, [&](TOKBottomDlg1& d) {
        EXPECT_EQ(d.Panel1->colour(), left);
        d.Button2->click();
        suggestion = d.Panel2->colour();
    });
    EXPECT_EQ(w.fields.FixedLinks->colour(), suggestion);
    EXPECT_EQ(w.values.SGrUnHex->text(), hex(suggestion));
    EXPECT_EQ(w.fields.FixedRechts->colour(), right);

    // The swap repaints no panel, nor does editing the other half touch the allocated ones.
    klick(w.fields.FixedKleinRechts);
    EXPECT_TRUE(f.s().websicherUebernommen);
    klick(w.band.Image2, {100, 30});
    EXPECT_TRUE(f.s().websicherUebernommen);
    klick(w.fields.FixedLinksKleinRechts);
    klick(w.band.Image2, {120, 30});
    EXPECT_FALSE(f.s().websicherUebernommen);
}
