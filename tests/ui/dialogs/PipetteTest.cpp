#include "support/InteractionFixture.h"
#include "support/ModalGuard.h"

#include "platform/screen/ScreenReader.h"
#include "ui/dialogs/TfHinweisPipette.h"
#include "ui/dialogs/TfPipette.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

namespace
{

// Every pixel tells where it is: R = x, G = y, B = 100.
QImage koordinatenBild()
{
    QImage picture(256, 256, QImage::Format_RGB32);
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x)
            picture.setPixel(x, y, qRgb(x, y, 100));
    return picture;
}

struct PipettenFenster : ShownWindow {
    explicit PipettenFenster(bool note = false)
    {
        prefs->zeigeHinweisPipette = note;
        auto s = std::make_unique<FakeScreenReader>(koordinatenBild());
        screen = s.get();
        screen->setCursorPos({50, 60});
        form->setScreenReader(std::move(s));
    }

    // Runs the pipette from its tool bar button; step works on the open window.
    void starten(std::function<void(TfPipette&)> step)
    {
        bool gelaufen = false;
        onNextModal<TfPipette>([&](TfPipette& p) {
            step(p);
            gelaufen = true;
        });
        werkzeug(*this, ActionId::pipette);
        EXPECT_TRUE(gelaufen);
    }

    FakeScreenReader* screen = nullptr;
};

bool zeigt(TfPipette& p, const char* hex)
{
    return QTest::qWaitFor([&] { return p.labels[3]->text() == QLatin1String(hex); });
}

bool weitereTicks(TfPipette& p, int n)
{
    const int target = p.ticks() + n;
    return QTest::qWaitFor([&] { return p.ticks() >= target; });
}

} // namespace

TEST(PipetteWindow, MagnifiersFollowTheCursorNotTheScreen)
{
    PipettenFenster f;
    f.starten([&](TfPipette& p) {
        EXPECT_FALSE(f.form->isVisible());
        ASSERT_TRUE(zeigt(p, "#323C64"));
        EXPECT_EQ(p.labels[0]->text(), QStringLiteral("R: 50"));
        // 3 x 3 pixels over 64: the centre pixel and the magenta marks.
        EXPECT_EQ(p.pictures[2]->picture().pixel(32, 32), qRgb(50, 60, 100));
        EXPECT_EQ(p.pictures[2]->picture().pixel(32, 18), qRgb(255, 0, 255));
        EXPECT_EQ(p.pictures[0]->picture().pixel(0, 0), qRgb(43, 53, 100));

        const QImage vorher = p.pictures[0]->picture().copy();
        const int readCount = f.screen->readCount();
        f.screen->picture().fill(Qt::red);
        ASSERT_TRUE(weitereTicks(p, 5));
        EXPECT_EQ(p.pictures[0]->picture(), vorher);
        EXPECT_EQ(f.screen->readCount(), readCount);

        f.screen->setCursorPos({51, 60});
        EXPECT_TRUE(zeigt(p, "#FF0000"));
        EXPECT_NE(p.pictures[0]->picture(), vorher);
        p.close(); // the close button
    });
    EXPECT_TRUE(f.form->isVisible());
    EXPECT_EQ(f.w().values.SGrObHex->text(), QStringLiteral("#DA251D"));
}

TEST(PipetteWindow, ArrowKeysSteerAndSpacePicksOnRelease)
{
    PipettenFenster f;
    f.starten([&](TfPipette& p) {
        ASSERT_TRUE(zeigt(p, "#323C64"));
        QTest::keyClick(&p, Qt::Key_Right, Qt::ControlModifier);
        EXPECT_EQ(f.screen->cursorPos(), QPoint(60, 60));
        ASSERT_TRUE(zeigt(p, "#3C3C64"));
        QTest::keyClick(&p, Qt::Key_Right);
        EXPECT_EQ(f.screen->cursorPos(), QPoint(61, 60));
        ASSERT_TRUE(zeigt(p, "#3D3C64"));

        QTest::keyPress(&p, Qt::Key_Space);
        ASSERT_TRUE(weitereTicks(p, 5));
        EXPECT_TRUE(p.isVisible());
        QTest::keyRelease(&p, Qt::Key_Space);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !p.isVisible(); }));
    });
    EXPECT_TRUE(f.form->isVisible());
    EXPECT_EQ(f.w().fields.Anzeige_Normal->colour(), QColor(61, 60, 100));
    EXPECT_EQ(f.w().values.SGrObHex->text(), QStringLiteral("#3D3C64"));
    EXPECT_TRUE(f.form->actionItem("luminoes")->isChecked());
}

TEST(PipetteWindow, HintShowsEachRunUntilSwitchedOffAndStaysOff)
{
    PipettenFenster f(true);
    int hinweise = 0;
    const auto lauf = [&](bool abschalten) {
        onNextModal<TfHinweisPipette>([&](TfHinweisPipette& h) {
            ++hinweise;
            EXPECT_EQ(h.windowTitle(), QStringLiteral("Hints for pipette"));
            h.CheckBox1->setChecked(abschalten);
            h.Button1->click();
            QTimer::singleShot(0, [&] { f.form->pipette()->close(); });
        });
        werkzeug(f, ActionId::pipette);
    };
    lauf(false);
    lauf(true);
    EXPECT_EQ(hinweise, 2);
    EXPECT_FALSE(f.prefs->zeigeHinweisPipette);

    f.starten([](TfPipette& p) {
        EXPECT_TRUE(weitereTicks(p, 5));
        p.close();
    });
    EXPECT_EQ(hinweise, 2);
    f.prefs->speicherDaten();
    EXPECT_EQ(f.store->raw(QStringLiteral("cHinweisPipette")).toInt(), 0);
}

TEST(PipetteWindow, APickBeforeTheCursorMovesTakesWhatIsUnderItNow)
{
    PipettenFenster f;
    f.starten([&](TfPipette& p) {
        ASSERT_TRUE(zeigt(p, "#323C64"));
        QTest::keyClick(&p, Qt::Key_Space);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !p.isVisible(); }));
    });
    // The spot under the still cursor changes colour between two runs.
    f.screen->picture().setPixel(50, 60, qRgb(1, 2, 3));
    f.starten([&](TfPipette& p) {
        EXPECT_EQ(p.labels[3]->text(), QStringLiteral("#010203"));
        QTest::keyClick(&p, Qt::Key_Space);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !p.isVisible(); }));
    });
    EXPECT_EQ(f.w().values.SGrObHex->text(), QStringLiteral("#010203"));
}
