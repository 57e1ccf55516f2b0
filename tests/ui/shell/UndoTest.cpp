#include "support/InteractionFixture.h"
#include "support/ModalGuard.h"

#include "core/harmony/FieldColours.h"
#include "ui/dialogs/TfEingabe.h"
#include "ui/documents/ValueOutput.h"
#include "ui/shell/ColourSettingsFile.h"
#include "ui/shell/VerlaufAktionen.h"
#include "ui/soak/SessionChecks.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QTemporaryDir>
#include <QUndoStack>

#include <gtest/gtest.h>

namespace
{

struct VerlaufFenster : ShownWindow {
    VerlaufFenster()
    {
        // The user's steps start from the shown window, as the first show starts them.
        form->dokument().schrittAbschliessen();
        form->dokument().verlaufNeu();
    }
    QUndoStack& verlauf() { return form->dokument().verlauf(); }
    // A step is taken once the event that made it is handled.
    bool schritte(int n)
    {
        return QTest::qWaitFor([&] { return verlauf().count() == n; }, 2000);
    }
    void taste(Qt::Key key, Qt::KeyboardModifiers mods)
    {
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        QTest::keyClick(form.get(), key, mods);
    }
    QAction& aktion(Aktion a) { return form->actions().action(a); }
};

void bandKlick(ShownWindow& f, int x)
{
    klick(f.w().Image2, {x, 30});
}

} // namespace

TEST(Undo, TwoBandClicksAreTakenBackAndBroughtAgainWithTheKeys)
{
    VerlaufFenster f;
    EXPECT_FALSE(f.aktion(Aktion::rueckgaengig).isEnabled());
    const Ansicht anfang = ansichtVon(*f.form);
    bandKlick(f, 100);
    ASSERT_TRUE(f.schritte(1));
    const Ansicht erster = ansichtVon(*f.form);
    bandKlick(f, 500);
    ASSERT_TRUE(f.schritte(2));
    const Ansicht zweiter = ansichtVon(*f.form);
    ASSERT_NE(erster, zweiter);
    EXPECT_EQ(f.aktion(Aktion::rueckgaengig).statusTip(), QStringLiteral("Undo: band position"));

    f.taste(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(unterschiede(erster, ansichtVon(*f.form)), QStringList());
    f.taste(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(unterschiede(anfang, ansichtVon(*f.form)), QStringList());
    EXPECT_FALSE(f.aktion(Aktion::rueckgaengig).isEnabled());
    f.taste(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(unterschiede(erster, ansichtVon(*f.form)), QStringList());
    f.taste(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(unterschiede(zweiter, ansichtVon(*f.form)), QStringList());
    EXPECT_FALSE(f.aktion(Aktion::wiederherstellen).isEnabled());
    EXPECT_EQ(f.verlauf().count(), 2); // undoing records nothing
}

// A drag on the band or the light/dark field is one step, however many moves it has.
TEST(Undo, ADragIsOneStepAndTheHistoryWindowListsTheSteps)
{
    VerlaufFenster f;
    // The later moves come after the first became a step, and join it.
    drueck(f.w().Image2, {100, 30});
    ASSERT_TRUE(f.schritte(1));
    for (int x = 110; x <= 300; x += 20)
        zieh(f.w().Image2, {x, 30});
    loslass(f.w().Image2, {300, 30});
    QWidget* feld = f.w().PaintBox3;
    drueck(feld, {20, 200});
    ASSERT_TRUE(f.schritte(2));
    zieh(feld, {60, 120});
    zieh(feld, {90, 60});
    loslass(feld, {90, 60});
    f.form->dokument().schrittAbschliessen();
    ASSERT_EQ(f.verlauf().count(), 2);
    EXPECT_EQ(f.verlauf().text(0), QStringLiteral("band position"));
    EXPECT_EQ(f.verlauf().text(1), QStringLiteral("light/dark"));

    f.aktion(Aktion::verlauf).trigger();
    auto* liste = f.form->verlaufAktionen().fenster()->findChild<QAbstractItemView*>();
    ASSERT_NE(liste, nullptr);
    EXPECT_EQ(liste->model()->rowCount(), 3); // the start and two steps
    // A click on the start goes back there.
    const QRect start = liste->visualRect(liste->model()->index(0, 0));
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, start.center());
    EXPECT_EQ(f.verlauf().index(), 0);
    EXPECT_EQ(f.s().posGross(), 0);
}

// Back at the saved step nothing is left to save, so closing asks nothing.
TEST(Undo, UndoingBackToTheSavedStepClearsTheModifiedState)
{
    VerlaufFenster f;
    QTemporaryDir dir;
    bandKlick(f, 200);
    ASSERT_TRUE(f.schritte(1));
    f.form->setWindowTitle(dir.filePath(QStringLiteral("a.tnfx")));
    f.aktion(Aktion::dateiSpeichern).setEnabled(true);
    f.aktion(Aktion::dateiSpeichern).trigger();
    EXPECT_FALSE(f.aktion(Aktion::dateiSpeichern).isEnabled());
    bandKlick(f, 400);
    ASSERT_TRUE(f.schritte(2));
    EXPECT_TRUE(f.aktion(Aktion::dateiSpeichern).isEnabled());
    f.taste(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_FALSE(f.aktion(Aktion::dateiSpeichern).isEnabled());
    EXPECT_TRUE(f.form->datei().FormCloseQuery()); // no question: a box would block here
    f.taste(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(f.aktion(Aktion::dateiSpeichern).isEnabled());
}

// Ctrl+Z in a text of the text view undoes the typing there, not a colour step.
TEST(Undo, TypingInTheTextViewKeepsItsOwnUndo)
{
    VerlaufFenster f;
    bandKlick(f, 300);
    ASSERT_TRUE(f.schritte(1));
    werkzeug(f, Aktion::TextAnstelleFlaechen);
    QTextEdit* text = f.w().RichEdit1;
    ASSERT_TRUE(QTest::qWaitFor([&] { return text->isVisible(); }));
    f.form->activateWindow();
    text->setFocus();
    text->moveCursor(QTextCursor::End);
    const QString vorher = text->toPlainText();
    QTest::keyClicks(text, QStringLiteral("xyz"));
    ASSERT_NE(text->toPlainText(), vorher);
    const int schritt = f.verlauf().index();
    QTest::keyClick(text, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(text->toPlainText(), vorher);
    EXPECT_EQ(f.verlauf().index(), schritt);
    EXPECT_EQ(f.s().posGross(), 300);
}

// A typed colour stays on the big field until the field is painted anew:
// copying gives what the field shows, and undo brings it back exactly.
TEST(Undo, ATypedColourIsCopiedAsShownAndComesBackWithUndo)
{
    VerlaufFenster f;
    const QColor getippt(0xB4, 0x46, 0x4D);
    onNextModal<TfEingabe>([&](TfEingabe& d) {
        d.Edit4->selectAll();
        QTest::keyClicks(d.Edit4, QStringLiteral("#B4464D"));
        QTest::mouseClick(d.OKBtn, Qt::LeftButton);
    });
    werkzeug(f, Aktion::gezielteManuelleEingabeVonWerten);
    const MainState& s = f.s();
    const Rgb band = mische(s, slot::basisGross, s.dunkelGross(), s.hellGross());
    ASSERT_NE(QColor(band.r, band.g, band.b), getippt); // the band has no such colour
    EXPECT_EQ(f.w().Anzeige_Normal->colour(), getippt);
    EXPECT_TRUE(f.form->ausgabe().alleWerteText().contains(QStringLiteral("#B4464D")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return f.verlauf().canUndo(); }, 2000));
    const int schritte = f.verlauf().count();

    bandKlick(f, 300);
    ASSERT_TRUE(f.schritte(schritte + 1));
    EXPECT_NE(f.w().Anzeige_Normal->colour(), getippt);
    EXPECT_FALSE(f.form->ausgabe().alleWerteText().contains(QStringLiteral("#B4464D")));

    // The offscreen platform keeps the closed dialog as the active window, so
    // the menu's command rather than its key.
    f.aktion(Aktion::rueckgaengig).trigger();
    EXPECT_EQ(f.w().Anzeige_Normal->colour(), getippt);
    EXPECT_EQ(f.w().SGrObHex->text(), QStringLiteral("#B4464D"));
    EXPECT_TRUE(f.form->ausgabe().alleWerteText().contains(QStringLiteral("#B4464D")));
}
