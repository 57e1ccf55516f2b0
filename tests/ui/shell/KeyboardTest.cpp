#include "support/InteractionFixture.h"

#include "ui/display/BandAngleControls.h"
#include "ui/shell/HistoryActions.h"
#include "ui/soak/SessionChecks.h"
#include "ui/widgets/FocusMark.h"

#include <QKeyEvent>
#include <QUndoStack>

#include <gtest/gtest.h>

namespace
{

struct KeyWindow : ShownWindow {
    KeyWindow()
    {
        form->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
        form->colourDocument().finishStep();
        form->colourDocument().restartHistory();
    }
    QUndoStack& history() { return form->colourDocument().history(); }
    // Tab from wherever the focus is until `target` has it; false when Tab never gets there.
    bool tabTo(QWidget* target)
    {
        for (int i = 0; i < 120 && !target->hasFocus(); ++i)
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : form.get(),
                            Qt::Key_Tab);
        return target->hasFocus();
    }
    void key(Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), k, mods);
    }
    // A key held: its first press, repeats and its release.
    void hold(Qt::Key k, int repeats)
    {
        QWidget* w = QApplication::focusWidget();
        QKeyEvent first(QEvent::KeyPress, k, Qt::NoModifier);
        QApplication::sendEvent(w, &first);
        for (int i = 0; i < repeats; ++i) {
            QKeyEvent release(QEvent::KeyRelease, k, Qt::NoModifier, QString(), true);
            QApplication::sendEvent(w, &release);
            QKeyEvent again(QEvent::KeyPress, k, Qt::NoModifier, QString(), true);
            QApplication::sendEvent(w, &again);
        }
        QKeyEvent last(QEvent::KeyRelease, k, Qt::NoModifier);
        QApplication::sendEvent(w, &last);
    }
    bool steps(int n)
    {
        return QTest::qWaitFor([&] { return history().count() == n; }, 2000);
    }
    int bandPosition() const { return form->parts().band->bandPosition(); }
    QWidget* markedControl() const { return form->findChild<FocusMark*>()->markedControl(); }
};

} // namespace

// A key on the band is a click beside the marker: same colours, one step.
TEST(Keyboard, TheBandMovesByKeysAsAClickThereWould)
{
    KeyWindow f;
    ASSERT_TRUE(f.tabTo(f.w().band.Panel3));
    const int start = f.bandPosition();

    f.key(Qt::Key_Right);
    ASSERT_TRUE(f.steps(1));
    EXPECT_EQ(f.markedControl(), f.w().band.Panel3);
    EXPECT_EQ(f.bandPosition(), start + 1);
    const Ansicht byKey = ansichtVon(*f.form);
    f.form->actions().action(ActionId::undo).trigger();
    klick(f.w().band.Image2, {start + 1, 30});
    EXPECT_EQ(unterschiede(byKey, ansichtVon(*f.form)), QStringList());

    f.key(Qt::Key_PageUp);
    EXPECT_EQ(f.bandPosition(), start + 11);
    f.key(Qt::Key_Left, Qt::ControlModifier);
    EXPECT_EQ(f.bandPosition(), start + 1);
    f.key(Qt::Key_Home);
    f.key(Qt::Key_Left); // stays at the band's start
    EXPECT_EQ(f.bandPosition(), 0);
    f.key(Qt::Key_End);
    EXPECT_EQ(f.bandPosition(), 677);

    // A held key is one step, however often it repeats.
    const int before = f.history().count();
    f.hold(Qt::Key_PageDown, 4);
    EXPECT_EQ(f.bandPosition(), 677 - 50);
    f.form->colourDocument().finishStep();
    EXPECT_EQ(f.history().count(), before + 1);
    // A click takes the ring away; the band keeps the keys.
    klick(f.w().band.Image2, {300, 30});
    EXPECT_EQ(f.markedControl(), nullptr);
    f.key(Qt::Key_Right);
    EXPECT_EQ(f.bandPosition(), 301);
    EXPECT_EQ(f.markedControl(), f.w().band.Panel3);
}

TEST(Keyboard, ArrowKeysMoveTheLightDarkPointByOneStepOfTheAmounts)
{
    KeyWindow f;
    QWidget* field = f.w().lightDark.PaintBox3;
    klick(field, {100, 155}); // dark 100, light 100
    ASSERT_TRUE(f.steps(1));
    ASSERT_TRUE(f.tabTo(field));
    EXPECT_EQ(f.markedControl(), field); // arrived by Tab
    f.key(Qt::Key_Right);
    f.key(Qt::Key_Up);
    ASSERT_TRUE(f.steps(3));
    EXPECT_EQ(f.s().dunkel[Field::big], 101);
    EXPECT_EQ(f.s().hell[Field::big], 101);
    f.key(Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(f.s().hell[Field::big], 91);
    EXPECT_EQ(f.w().lightDark.Label1->text(), QStringLiteral("36 %")); // 91 / 255
    // At the edge the amount stays at its end.
    f.hold(Qt::Key_Left, 120);
    EXPECT_EQ(f.s().dunkel[Field::big], 0);
    f.form->colourDocument().finishStep();
    EXPECT_EQ(f.history().count(), 5);
}

TEST(Keyboard, SpaceOrEnterOnAFieldSelectsIt)
{
    KeyWindow f;
    f.harmonyMode("dreierHarmonien");
    ASSERT_TRUE(f.tabTo(f.w().fields.KleinLinks));
    f.key(Qt::Key_Space);
    EXPECT_EQ(f.s().lightDarkTarget, Field::left);
    ASSERT_TRUE(f.tabTo(f.w().fields.Anzeige_Normal));
    f.key(Qt::Key_Return);
    EXPECT_EQ(f.s().lightDarkTarget, Field::big);
}

// The three windows' keys belong to nothing else: no other action, no key Qt's
// own text fields and dialogs use.
TEST(Keyboard, TheNewWindowKeysCollideWithNothing)
{
    KeyWindow f;
    QSet<QKeySequence> standard;
    for (int k = QKeySequence::HelpContents; k <= QKeySequence::Cancel; ++k)
        for (const QKeySequence& s : QKeySequence::keyBindings(static_cast<QKeySequence::StandardKey>(k)))
            standard.insert(s);
    for (ActionId a : {ActionId::contrast, ActionId::colourFormats, ActionId::history}) {
        const QKeySequence key = f.form->actions().action(a).shortcut();
        ASSERT_FALSE(key.isEmpty());
        EXPECT_FALSE(standard.contains(key)) << key.toString().toStdString();
    }
    f.form->activateWindow();
    QTest::keyClick(f.form.get(), Qt::Key_H, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return f.form->historyActions().topWindow() && f.form->historyActions().topWindow()->isVisible();
    }));
}
