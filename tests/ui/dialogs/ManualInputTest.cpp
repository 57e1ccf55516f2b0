#include "support/InteractionFixture.h"
#include "support/ModalGuard.h"

#include "ui/dialogs/TfEingabe.h"
#include "ui/soak/SameStateWindow.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QTimer>

namespace
{

// Replaces a field's text as a user does: click, select all, type over it.
void tippen(QLineEdit* field, const QString& text)
{
    QTest::mouseClick(field, Qt::LeftButton);
    field->selectAll();
    QTest::keyClicks(field, text);
}

bool istLuminoes(ShownWindow& f)
{
    return f.form->actionItem("luminoes")->isChecked();
}

void eingeben(ShownWindow& f, std::function<void(TfEingabe&)> step)
{
    bool gelaufen = false;
    onNextModal<TfEingabe>([&](TfEingabe& d) {
        step(d);
        gelaufen = true;
    });
    werkzeug(f, ActionId::gezielteManuelleEingabeVonWerten);
    EXPECT_TRUE(gelaufen);
}

} // namespace

TEST(ManualInputDialog, LowerCaseHexIsTakenAndOkPaintsThatColour)
{
    ShownWindow f;
    eingeben(f, [&](TfEingabe& d) {
        EXPECT_TRUE(istLuminoes(f));
        tippen(d.Edit4, QStringLiteral("#c86464"));
        EXPECT_EQ(d.Edit1->text(), QStringLiteral("200"));
        EXPECT_EQ(d.Edit2->text(), QStringLiteral("100"));
        EXPECT_EQ(d.Edit3->text(), QStringLiteral("100"));
        EXPECT_EQ(d.Panel2->colour(), QColor(200, 100, 100));
        QTest::mouseClick(d.OKBtn, Qt::LeftButton);
    });
    EXPECT_TRUE(istLuminoes(f));
    EXPECT_EQ(f.w().fields.Anzeige_Normal->colour(), QColor(200, 100, 100));
    EXPECT_EQ(f.w().values.SGrObHex->text(), QStringLiteral("#C86464"));
    EXPECT_EQ(f.s().posGross(), 0);
    EXPECT_EQ(f.s().hellGross(), 100);
    EXPECT_EQ(f.s().dunkelGross(), 90);
    EXPECT_FALSE(f.s().eingabeFarbeAktiv);
}

TEST(ManualInputDialog, SevenCharacterTextWithANonHexLetterShowsTheMessage)
{
    ShownWindow f;
    eingeben(f, [&](TfEingabe& d) {
        QString meldung;
        onNextModal<QMessageBox>([&](QMessageBox& box) {
            meldung = box.text();
            box.accept();
        });
        tippen(d.Edit4, QStringLiteral("#C8646G"));
        EXPECT_EQ(meldung, QStringLiteral("The data input is no valid hex-form."));
        // The Enter that dismissed the box is released in the field: no second box.
        int weitere = 0;
        QTimer zaehler;
        QObject::connect(&zaehler, &QTimer::timeout, [&weitere] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                ++weitere;
                box->accept();
            }
        });
        zaehler.start(1);
        QTest::keyRelease(d.Edit4, Qt::Key_Return);
        QTest::keyRelease(d.Edit4, Qt::Key_Shift);
        EXPECT_EQ(weitere, 0);
        d.Button2->click();
    });
}

TEST(ManualInputDialog, DecimalFieldsKeepDigitsClampTo255AndFillTheHexField)
{
    ShownWindow f;
    eingeben(f, [&](TfEingabe& d) {
        tippen(d.Edit1, QStringLiteral("9x99"));
        EXPECT_EQ(d.Edit1->text(), QStringLiteral("255"));
        tippen(d.Edit2, QStringLiteral("16"));
        tippen(d.Edit3, QStringLiteral("0"));
        EXPECT_EQ(d.Edit4->text(), QStringLiteral("#FF1000"));
        EXPECT_EQ(d.Panel2->colour(), QColor(255, 16, 0));
        d.Button2->click();
    });
}

TEST(ManualInputDialog, CancelReturnsToTheRealisticBandThatOpeningLeft)
{
    ShownWindow f;
    ASSERT_FALSE(istLuminoes(f));
    eingeben(f, [&](TfEingabe& d) {
        EXPECT_TRUE(istLuminoes(f));
        d.Button2->click();
    });
    EXPECT_FALSE(istLuminoes(f));

    // Opened on luminous by the user: Cancel leaves it.
    f.form->actionItem("luminoes")->trigger();
    eingeben(f, [&](TfEingabe& d) { d.Button2->click(); });
    EXPECT_TRUE(istLuminoes(f));
}

TEST(ManualInputDialog, EscAndTheCloseBoxCancelAndAnEmptiedFieldReadsAsZero)
{
    ShownWindow f;
    eingeben(f, [&](TfEingabe& d) { QTest::keyClick(d.Edit4, Qt::Key_Escape); });
    EXPECT_FALSE(istLuminoes(f));
    eingeben(f, [&](TfEingabe& d) { d.close(); });
    EXPECT_FALSE(istLuminoes(f));

    eingeben(f, [&](TfEingabe& d) {
        tippen(d.Edit4, QStringLiteral("#C86400"));
        QTest::mouseClick(d.Edit3, Qt::LeftButton); // "0" empties on the click
        ASSERT_TRUE(d.Edit3->text().isEmpty());
        QTest::mouseClick(d.OKBtn, Qt::LeftButton);
    });
    EXPECT_EQ(f.w().fields.Anzeige_Normal->colour(), QColor(200, 100, 0));
}

TEST(ManualInputDialog, SmallFieldSelectedTheBigFieldTakesTheColour)
{
    ShownWindow f;
    klick(f.w().fields.KleinRechts);
    ASSERT_TRUE(f.s().hdZielRechts());
    eingeben(f, [&](TfEingabe& d) {
        tippen(d.Edit4, QStringLiteral("#800000"));
        d.OKBtn->click();
    });
    EXPECT_TRUE(f.s().hdZielRechts());
    EXPECT_EQ(f.s().posGross(), 0);
    EXPECT_EQ(f.s().hellGross(), 0);
    EXPECT_EQ(f.s().dunkelGross(), 127);
}

TEST(ManualInputDialog, ColourRowsGiveTheSelectedOuterFieldTheColour)
{
    ShownWindow f;
    f.harmonyMode("farbreihen");
    ASSERT_TRUE(f.s().hdZielRechts());
    const int angles = f.w().angle.TrackBar2->value();
    eingeben(f, [&](TfEingabe& d) {
        tippen(d.Edit4, QStringLiteral("#C86464"));
        d.OKBtn->click();
    });
    EXPECT_EQ(f.w().angle.TrackBar2->value(), angles);
    // The outer field's base colour and amounts mix back to the typed colour.
    const OneBased<88>& valueSet = f.s().farbWerte;
    const QColor basis(valueSet[slot::basisRechts], valueSet[slot::basisRechts + 1],
                       valueSet[slot::basisRechts + 2]);
    const QColor mix = mixedColour(basis, f.s().dunkelRechts(), f.s().hellRechts());
    EXPECT_LE(std::abs(mix.red() - 200), 2);
    EXPECT_LE(std::abs(mix.green() - 100), 2);
    EXPECT_LE(std::abs(mix.blue() - 100), 2);
    EXPECT_FALSE(f.s().eingabeFarbeAktiv);
    // The window shows what a fresh window shows for the same state.
    SameStateWindow same;
    EXPECT_EQ(same.vergleichen(*f.form).join(QStringLiteral("\n")).toStdString(), "");
}
