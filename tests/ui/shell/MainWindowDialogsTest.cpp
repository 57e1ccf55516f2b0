#include "support/ModalGuard.h"
#include "support/WindowFixture.h"

#include "core/language/LanguageTable.h"
#include "platform/desktop/ShellOpener.h"
#include "ui/dialogs/Einstellungen.h"
#include "ui/language/ActionRegistry.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUrl>

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

    QAction& action = f.form->actions().action(ActionId::einstellungenMenu);
    ASSERT_TRUE(action.isEnabled());

    QString caption, shown;
    onModalDialog([&](TEinstellungen& d) {
        caption = d.windowTitle();
        shown = d.Edit1->text();
        QTest::mouseClick(d.Label4, Qt::LeftButton);
        d.Edit1->setText(QStringLiteral("/elsewhere/index.html"));
        QTest::mouseClick(d.Button2, Qt::LeftButton); // Cancel keeps the stored path
    });
    action.trigger();

    EXPECT_EQ(caption, QStringLiteral("Einstellungen"));
    EXPECT_EQ(shown, QStringLiteral("/home/u/tutorial/index.html"));
    ASSERT_EQ(shell->opened().size(), 1);
    EXPECT_EQ(shell->opened()[0], QUrl(LanguageTable::forLanguage(Language::german).text(Txt::website)));
    EXPECT_EQ(f.prefs->tutorialPfad, QStringLiteral("/home/u/tutorial/index.html"));
}

TEST(MainWindowDialogs, SettingsOkTakesTheNewPathAndANewDialogStartsFresh)
{
    WindowFixture f;
    QAction& action = f.form->actions().action(ActionId::einstellungenMenu);

    onModalDialog([](TEinstellungen& d) {
        d.Edit1->setText(QStringLiteral("/new/index.html"));
        QTest::mouseClick(d.OKBtn, Qt::LeftButton);
    });
    action.trigger();
    EXPECT_EQ(f.prefs->tutorialPfad, QStringLiteral("/new/index.html"));

    QString shown;
    onModalDialog([&](TEinstellungen& d) {
        shown = d.Edit1->text();
        QTest::mouseClick(d.Button2, Qt::LeftButton);
    });
    action.trigger();
    EXPECT_EQ(shown, QStringLiteral("/new/index.html"));
}
