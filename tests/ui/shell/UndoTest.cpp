#include "support/InteractionFixture.h"
#include "support/ModalGuard.h"

#include "core/harmony/FieldColours.h"
#include "ui/dialogs/TfEingabe.h"
#include "ui/documents/ValueOutput.h"
#include "ui/shell/ColourSettingsFile.h"
#include "ui/shell/HistoryActions.h"
#include "ui/soak/SameStateWindow.h"
#include "ui/soak/SessionChecks.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QUndoStack>

#include <gtest/gtest.h>

namespace
{

struct VerlaufFenster : ShownWindow {
    VerlaufFenster()
    {
        // The user's steps start from the shown window, as the first show starts them.
        form->colourDocument().finishStep();
        form->colourDocument().restartHistory();
    }
    QUndoStack& history() { return form->colourDocument().history(); }
    // A step is taken once the event that made it is handled.
    bool schritte(int n)
    {
        return QTest::qWaitFor([&] { return history().count() == n; }, 2000);
    }
    void taste(Qt::Key key, Qt::KeyboardModifiers mods)
    {
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        QTest::keyClick(form.get(), key, mods);
    }
    QAction& actionItem(ActionId a) { return form->actions().action(a); }
    bool beiSchritt(int i)
    {
        return QTest::qWaitFor([&] { return history().index() == i && history().count() == i; }, 2000);
    }
    // The names of the steps, oldest first.
    std::string names()
    {
        QStringList n;
        for (int i = 0; i < history().count(); ++i)
            n << history().text(i);
        return n.join(QStringLiteral(", ")).toStdString();
    }
};

void bandClick(ShownWindow& f, int x)
{
    klick(f.w().band.Image2, {x, 30});
}

} // namespace

TEST(Undo, TwoBandClicksAreTakenBackAndBroughtAgainWithTheKeys)
{
    VerlaufFenster f;
    EXPECT_FALSE(f.actionItem(ActionId::undo).isEnabled());
    const Ansicht anfang = ansichtVon(*f.form);
    bandClick(f, 100);
    ASSERT_TRUE(f.schritte(1));
    const Ansicht first = ansichtVon(*f.form);
    bandClick(f, 500);
    ASSERT_TRUE(f.schritte(2));
    const Ansicht second = ansichtVon(*f.form);
    ASSERT_NE(first, second);
    EXPECT_EQ(f.actionItem(ActionId::undo).statusTip(), QStringLiteral("Undo: band position"));

    f.taste(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(unterschiede(first, ansichtVon(*f.form)), QStringList());
    f.taste(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(unterschiede(anfang, ansichtVon(*f.form)), QStringList());
    EXPECT_FALSE(f.actionItem(ActionId::undo).isEnabled());
    f.taste(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(unterschiede(first, ansichtVon(*f.form)), QStringList());
    f.taste(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(unterschiede(second, ansichtVon(*f.form)), QStringList());
    EXPECT_FALSE(f.actionItem(ActionId::restoreStep).isEnabled());
    EXPECT_EQ(f.history().count(), 2); // undoing records nothing
}

// A drag on the band or the light/dark field is one step, however many moves it has.
TEST(Undo, ADragIsOneStepAndTheHistoryWindowListsTheSteps)
{
    VerlaufFenster f;
    // The later moves come after the first became a step, and join it.
    drueck(f.w().band.Image2, {100, 30});
    ASSERT_TRUE(f.schritte(1));
    for (int x = 110; x <= 300; x += 20)
        zieh(f.w().band.Image2, {x, 30});
    loslass(f.w().band.Image2, {300, 30});
    QWidget* field = f.w().lightDark.PaintBox3;
    drueck(field, {20, 200});
    ASSERT_TRUE(f.schritte(2));
    zieh(field, {60, 120});
    zieh(field, {90, 60});
    loslass(field, {90, 60});
    f.form->colourDocument().finishStep();
    ASSERT_EQ(f.history().count(), 2);
    EXPECT_EQ(f.history().text(0), QStringLiteral("band position"));
    EXPECT_EQ(f.history().text(1), QStringLiteral("light/dark"));

    f.actionItem(ActionId::history).trigger();
    auto* items = f.form->historyActions().topWindow()->findChild<QAbstractItemView*>();
    ASSERT_NE(items, nullptr);
    EXPECT_EQ(items->model()->rowCount(), 3); // the start and two steps
    // A click on the start goes back there.
    const QRect start = items->visualRect(items->model()->index(0, 0));
    QTest::mouseClick(items->viewport(), Qt::LeftButton, {}, start.center());
    EXPECT_EQ(f.history().index(), 0);
    EXPECT_EQ(f.s().posGross(), 0);
}

// Back at the saved step nothing is left to save, so closing asks nothing.
TEST(Undo, UndoingBackToTheSavedStepClearsTheModifiedState)
{
    VerlaufFenster f;
    QTemporaryDir dir;
    bandClick(f, 200);
    ASSERT_TRUE(f.schritte(1));
    f.form->setWindowTitle(dir.filePath(QStringLiteral("a.tnfx")));
    f.actionItem(ActionId::dateiSpeichern).setEnabled(true);
    f.actionItem(ActionId::dateiSpeichern).trigger();
    EXPECT_FALSE(f.actionItem(ActionId::dateiSpeichern).isEnabled());
    bandClick(f, 400);
    ASSERT_TRUE(f.schritte(2));
    EXPECT_TRUE(f.actionItem(ActionId::dateiSpeichern).isEnabled());
    f.taste(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_FALSE(f.actionItem(ActionId::dateiSpeichern).isEnabled());
    EXPECT_TRUE(f.form->fileItem().FormCloseQuery()); // no question: a box would block here
    f.taste(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(f.actionItem(ActionId::dateiSpeichern).isEnabled());
}

// Ctrl+Z in a text of the text view undoes the typing there, not a colour step.
TEST(Undo, TypingInTheTextViewKeepsItsOwnUndo)
{
    VerlaufFenster f;
    bandClick(f, 300);
    ASSERT_TRUE(f.schritte(1));
    werkzeug(f, ActionId::TextAnstelleFlaechen);
    QTextEdit* text = f.w().fields.RichEdit1;
    ASSERT_TRUE(QTest::qWaitFor([&] { return text->isVisible(); }));
    f.form->activateWindow();
    text->setFocus();
    text->moveCursor(QTextCursor::End);
    const QString vorher = text->toPlainText();
    QTest::keyClicks(text, QStringLiteral("xyz"));
    ASSERT_NE(text->toPlainText(), vorher);
    const int step = f.history().index();
    QTest::keyClick(text, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(text->toPlainText(), vorher);
    EXPECT_EQ(f.history().index(), step);
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
    werkzeug(f, ActionId::gezielteManuelleEingabeVonWerten);
    const MainState& s = f.s();
    const Rgb band = mixColour(s, slot::basisGross, s.dunkelGross(), s.hellGross());
    ASSERT_NE(QColor(band.r, band.g, band.b), getippt); // the band has no such colour
    EXPECT_EQ(f.w().fields.Anzeige_Normal->colour(), getippt);
    EXPECT_TRUE(f.form->valueOutput().allValuesText().contains(QStringLiteral("#B4464D")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return f.history().canUndo(); }, 2000));
    const int schritte = f.history().count();

    bandClick(f, 300);
    ASSERT_TRUE(f.schritte(schritte + 1));
    EXPECT_NE(f.w().fields.Anzeige_Normal->colour(), getippt);
    EXPECT_FALSE(f.form->valueOutput().allValuesText().contains(QStringLiteral("#B4464D")));

    // The offscreen platform keeps the closed dialog as the active window, so
    // the menu's command rather than its key.
    f.actionItem(ActionId::undo).trigger();
    EXPECT_EQ(f.w().fields.Anzeige_Normal->colour(), getippt);
    EXPECT_EQ(f.w().values.SGrObHex->text(), QStringLiteral("#B4464D"));
    EXPECT_TRUE(f.form->valueOutput().allValuesText().contains(QStringLiteral("#B4464D")));
}

// Undo and redo make band, wheel and light/dark gradient follow the state, and
// the command afterwards reads the state, not the widgets.
TEST(Undo, HideColorBandIsTakenBackAndBroughtAgainOnScreen)
{
    VerlaufFenster f;
    const MainWidgets& w = f.w();
    const auto versteckt = [&](bool ja) {
        return w.band.Panel3->isVisible() == !ja && w.angle.ImageWW->isVisible() == !ja &&
               w.lightDark.Image3->isVisible() == !ja && w.band.Panel2->isVisible() == ja &&
               f.actionItem(ActionId::farbstreifenVerstecken).isChecked() == ja;
    };
    ASSERT_TRUE(versteckt(false));
    f.taste(Qt::Key_F8, Qt::NoModifier);
    ASSERT_TRUE(f.beiSchritt(1));
    EXPECT_TRUE(versteckt(true));
    f.taste(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(versteckt(false));
    f.taste(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(versteckt(true));
    f.taste(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(versteckt(false));
    f.taste(Qt::Key_F8, Qt::NoModifier);
    EXPECT_TRUE(f.beiSchritt(1)); // a step again, the undone one replaced
    EXPECT_TRUE(versteckt(true));
}

// Back at 3 colours the centre row reads "-" again, as it did.
TEST(Undo, UndoingFourColoursBackToThreeClearsTheCentreRow)
{
    VerlaufFenster f;
    f.taste(Qt::Key_F3, Qt::NoModifier);
    ASSERT_TRUE(f.beiSchritt(1));
    const Ansicht three = ansichtVon(*f.form);
    f.taste(Qt::Key_F4, Qt::NoModifier);
    ASSERT_TRUE(f.beiSchritt(2));
    ASSERT_NE(f.w().values.SKlObMiHex->text(), QStringLiteral("-"));
    f.taste(Qt::Key_Z, Qt::ControlModifier);
    for (const StaticText* t :
         {f.w().values.SKlObMiR, f.w().values.SKlObMiG, f.w().values.SKlObMiB, f.w().values.SKlObMiHex})
        EXPECT_EQ(t->text(), QStringLiteral("-"));
    EXPECT_EQ(unterschiede(three, ansichtVon(*f.form)), QStringList());
}

TEST(Undo, SavingMakesNoStep)
{
    VerlaufFenster f;
    QTemporaryDir dir;
    f.form->setWindowTitle(dir.filePath(QStringLiteral("a.tnfx")));
    f.taste(Qt::Key_F4, Qt::NoModifier);
    ASSERT_TRUE(f.beiSchritt(1));
    f.taste(Qt::Key_S, Qt::ControlModifier);
    f.form->colourDocument().finishStep();
    EXPECT_EQ(f.names(), "harmony type");
    EXPECT_TRUE(f.history().isClean());
}

// Opening previews the luminous band; Cancel takes it back and leaves no step,
// OK leaves the typed colour as one.
TEST(Undo, ManualInputIsOneStepWhenTakenAndNoneWhenCancelled)
{
    VerlaufFenster f;
    ASSERT_TRUE(f.s().actionSet.realistisch);
    const Ansicht anfang = ansichtVon(*f.form);
    onNextModal<TfEingabe>([&](TfEingabe& d) {
        EXPECT_FALSE(f.s().actionSet.realistisch); // the preview is on
        QTest::mouseClick(d.Button2, Qt::LeftButton);
    });
    werkzeug(f, ActionId::gezielteManuelleEingabeVonWerten);
    f.form->colourDocument().finishStep();
    EXPECT_EQ(f.history().count(), 0);
    EXPECT_TRUE(f.s().actionSet.realistisch);

    onNextModal<TfEingabe>([&](TfEingabe& d) {
        d.Edit4->selectAll();
        QTest::keyClicks(d.Edit4, QStringLiteral("#B4464D"));
        QTest::mouseClick(d.OKBtn, Qt::LeftButton);
    });
    werkzeug(f, ActionId::gezielteManuelleEingabeVonWerten);
    f.form->colourDocument().finishStep();
    EXPECT_EQ(f.names(), "color input");
    f.actionItem(ActionId::undo).trigger();
    EXPECT_EQ(unterschiede(anfang, ansichtVon(*f.form)), QStringList());
}

// A drag that ends where it began changed nothing: no step for it.
TEST(Undo, ADragBackToItsStartLeavesNoStep)
{
    VerlaufFenster f;
    QWidget* field = f.w().lightDark.PaintBox3;
    klick(field, {40, 150});
    ASSERT_TRUE(f.beiSchritt(1));
    drueck(field, {40, 150});
    zieh(field, {90, 60});
    ASSERT_TRUE(f.schritte(2)); // the drag so far is a step
    zieh(field, {40, 150});
    loslass(field, {40, 150});
    f.form->colourDocument().finishStep();
    EXPECT_EQ(f.history().count(), 1);
    EXPECT_TRUE(f.beiSchritt(1));
}

// Each step is named after the gesture that began it; the Edit menu's entries
// name the step they take.
TEST(Undo, StepsAreNamedAfterTheGestureThatBeganThem)
{
    VerlaufFenster f;
    f.taste(Qt::Key_F3, Qt::NoModifier);
    ASSERT_TRUE(f.beiSchritt(1));
    f.taste(Qt::Key_F4, Qt::NoModifier);
    ASSERT_TRUE(f.beiSchritt(2));
    werkzeug(f, ActionId::luminoes);
    ASSERT_TRUE(f.beiSchritt(3));
    klick(f.w().band.Image1, {300, 10});
    ASSERT_TRUE(f.beiSchritt(4));
    EXPECT_EQ(f.names(), "harmony type, harmony type, band type, band position");
    EXPECT_EQ(f.actionItem(ActionId::undo).text(), QStringLiteral("&Undo band position"));
    f.taste(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(f.actionItem(ActionId::undo).text(), QStringLiteral("&Undo band type"));
    EXPECT_EQ(f.actionItem(ActionId::restoreStep).text(), QStringLiteral("&Redo band position"));
}

// A fixed display after a step is the display a window given that state shows:
// the halves meet in the same column and the wheel has the same edge.
TEST(Undo, AfterEachStepTheWindowIsWhatTheSameStateShows)
{
    VerlaufFenster f;
    SameStateWindow gleich;
    const auto pruefen = [&](const char* nach) {
        EXPECT_EQ(gleich.vergleichen(*f.form).join(QStringLiteral("\n")).toStdString(), "") << nach;
    };
    f.taste(Qt::Key_F4, Qt::NoModifier);
    ASSERT_TRUE(f.beiSchritt(1));
    werkzeug(f, ActionId::fixieren);
    ASSERT_TRUE(f.beiSchritt(2));
    f.taste(Qt::Key_F3, Qt::NoModifier); // the edited half is shown anew
    ASSERT_TRUE(f.beiSchritt(3));
    pruefen("F3");
    bandClick(f, 600);
    ASSERT_TRUE(f.beiSchritt(4));
    bandClick(f, 40); // the wheel turns the other way round to an angle
    ASSERT_TRUE(f.beiSchritt(5));
    pruefen("two band clicks");
    f.taste(Qt::Key_Z, Qt::ControlModifier);
    pruefen("undo");
    f.taste(Qt::Key_Z, Qt::ControlModifier);
    pruefen("undo twice");
    f.taste(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    pruefen("redo");
}

TEST(Undo, GermanStepsAreNamedInTheInterfacesTerms)
{
    WindowFixture de([](MemoryPreferenceStore& s) { s.setRaw(QStringLiteral("TNVersion"), 7); });
    de.form->show();
    de.form->resize(988, 728);
    de.d().finishStep();
    de.d().restartHistory();
    de.form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(de.form.get()));
    QTest::keyClick(de.form.get(), Qt::Key_F3);
    ASSERT_TRUE(QTest::qWaitFor([&] { return de.d().history().count() == 1; }, 2000));
    EXPECT_EQ(de.d().history().text(0).toStdString(), "Modus");
    EXPECT_EQ(de.form->actions().action(ActionId::undo).text().toStdString(), "&Rückgängig: Modus");
}

// The text view re-selects the fields the right half shows; in a 2-colour left
// half those painted fields must not fill its value rows.
TEST(Undo, TextViewInATwoColourLeftHalfLeavesItsUnusedRowsEmpty)
{
    VerlaufFenster f;
    SameStateWindow gleich;
    f.taste(Qt::Key_F4, Qt::NoModifier);
    werkzeug(f, ActionId::fixieren);
    klick(f.w().fields.FixedLinks);
    ASSERT_TRUE(QTest::qWaitFor([&] { return f.s().fixLinksAktiv; }, 2000));
    f.taste(Qt::Key_F2, Qt::NoModifier);
    werkzeug(f, ActionId::farbenSeparatEinstellen);
    werkzeug(f, ActionId::TextAnstelleFlaechen);
    ASSERT_TRUE(QTest::qWaitFor([&] { return f.s().actionSet.textInsteadOfFields; }, 2000));
    for (const StaticText* t : {f.w().values.SKlUnLiHex, f.w().values.SKlUnMiHex})
        EXPECT_EQ(t->text(), QStringLiteral("-"));
    EXPECT_EQ(gleich.vergleichen(*f.form).join(QStringLiteral("\n")).toStdString(), "");
}
