#include "support/FieldHelpers.h"
#include "support/ModalGuard.h"
#include "support/WindowFixture.h"

#include "ui/dialogs/TfPipette.h"
#include "ui/widgets/StaticText.h"

#include <QCursor>
#include <QLabel>
#include <QTest>

// The real screen of an X server: a window of a known colour, the pipette
// started with F12, steered with the arrow keys and picked with Space.
TEST(PipetteOnScreen, PicksTheColourOfAnotherWindow)
{
    QWidget probe;
    probe.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    probe.setAttribute(Qt::WA_ShowWithoutActivating);
    probe.setAutoFillBackground(true);
    QPalette p = probe.palette();
    p.setColor(QPalette::Window, QColor(30, 144, 200));
    probe.setPalette(p);
    probe.setGeometry(1000, 700, 200, 150);
    probe.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&probe));
    WindowFixture f([](MemoryPreferenceStore& s) { s.setRaw(QStringLiteral("cHinweisPipette"), 0); });
    f.form->setWindowState(Qt::WindowNoState);
    f.form->setGeometry(20, 40, 988, 728);
    f.form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f.form.get()));

    QCursor::setPos(1050, 750);

    f.form->activateWindow();
    // Without a window manager the window may never be told it is active.
    (void)QTest::qWaitForWindowActive(f.form.get(), 500);
    bool gelaufen = false;
    onNextModal<TfPipette>([&](TfPipette& pipette) {
        EXPECT_TRUE(QTest::qWaitFor([&] { return pipette.labels[3]->text() == QLatin1String("#1E90C8"); }));
        // Each key steps from where the last tick found the cursor.
        const int ticks = pipette.ticks();
        QTest::keyClick(&pipette, Qt::Key_Right, Qt::ControlModifier);
        EXPECT_TRUE(QTest::qWaitFor([&] { return pipette.ticks() > ticks + 1; }));
        QTest::keyClick(&pipette, Qt::Key_Down);
        EXPECT_TRUE(QTest::qWaitFor([] { return QCursor::pos() == QPoint(1060, 751); }));
        QTest::keyClick(&pipette, Qt::Key_Space);
        gelaufen = true;
    });
    QTest::keyClick(f.form.get(), Qt::Key_F12);
    EXPECT_TRUE(gelaufen);
    EXPECT_TRUE(QTest::qWaitFor([&] { return f.form->isVisible(); }));

    EXPECT_EQ(f.w().values.SGrObHex->text(), QStringLiteral("#1E90C8"));
    // The found band position and light/dark amounts mix back to the colour.
    const QColor mix = mixedColour(bandFarbe(f.s().posGross(), true), f.s().dunkelGross(), f.s().hellGross());
    EXPECT_LE(std::abs(mix.red() - 30), 3);
    EXPECT_LE(std::abs(mix.green() - 144), 3);
    EXPECT_LE(std::abs(mix.blue() - 200), 3);
}
