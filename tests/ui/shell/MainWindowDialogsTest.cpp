#include "support/ModalGuard.h"
#include "support/WindowFixture.h"

#include "language/ActionRegistry.h"
#include "desktop/ShellOpener.h"
#include "dialogs/Einstellungen.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace
{

void onModalDialog(std::function<void(TEinstellungen&)> step)
{
    onNextModal<TEinstellungen>(std::move(step));
}

} // namespace

TEST(MainWindowDialogs, SettingsActionOpensTheDialogWithTheStoredPath)
{
    WindowFixture f([](MemoryPreferenceStore& s) {
        s.setRaw(QStringLiteral("cURL"), QStringLiteral("/home/u/tutorial/index.html"));
        s.setRaw(QStringLiteral("TNVersion"), 7);
    });
    auto recording = std::make_unique<RecordingShellOpener>();
    RecordingShellOpener* shell = recording.get();
    f.form->setShellOpener(std::move(recording));

    QAction& action = f.form->actions().action(Aktion::einstellungenMenu);
    ASSERT_TRUE(action.isEnabled());

    QString caption, shown;
    onModalDialog([&](TEinstellungen& d) {
        caption = d.windowTitle();
        shown = d.Edit1->text();
        d.Label4Click();
        d.Edit1->setText(QStringLiteral("/elsewhere/index.html"));
        d.Button2->click(); // Cancel keeps the stored path
    });
    action.trigger();

    EXPECT_EQ(caption, QStringLiteral("Einstellungen"));
    EXPECT_EQ(shown, QStringLiteral("/home/u/tutorial/index.html"));
    EXPECT_EQ(shell->opened().size(), 1);
    EXPECT_EQ(f.prefs->tutorialPfad, QStringLiteral("/home/u/tutorial/index.html"));
}

TEST(MainWindowDialogs, SettingsOkTakesTheNewPathAndANewDialogStartsFresh)
{
    WindowFixture f;
    QAction& action = f.form->actions().action(Aktion::einstellungenMenu);

    onModalDialog([](TEinstellungen& d) {
        d.Edit1->setText(QStringLiteral("/new/index.html"));
        d.OKBtn->click();
    });
    action.trigger();
    EXPECT_EQ(f.prefs->tutorialPfad, QStringLiteral("/new/index.html"));

    QString shown;
    onModalDialog([&](TEinstellungen& d) {
        shown = d.Edit1->text();
        d.Button2->click();
    });
    action.trigger();
    EXPECT_EQ(shown, QStringLiteral("/new/index.html"));
}
