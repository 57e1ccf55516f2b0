#include "ui/dialogs/Einstellungen.h"
#include "core/language/LanguageTable.h"
#include "core/prefs/MemoryPreferenceStore.h"
#include "core/prefs/RegistryForm.h"
#include "platform/desktop/ShellOpener.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace
{

class EinstellungenTest : public ::testing::Test
{
protected:
    std::unique_ptr<TEinstellungen> dialog(Language uiLanguage = Language::english)
    {
        textSet = std::make_unique<LanguageTable>(LanguageTable::forLanguage(uiLanguage));
        auto d = std::make_unique<TEinstellungen>(registry, *textSet, shell);
        d->setFileChooser([this](QWidget*, const QString& start, const QString& filter) {
            gefragt.append({start, filter});
            return chosen;
        });
        return d;
    }

    TfRegistryForm registry{std::make_unique<MemoryPreferenceStore>()};
    RecordingShellOpener shell;
    std::unique_ptr<LanguageTable> textSet;
    QString chosen; // what the currentState-in file dialog returns
    QList<QStringList> gefragt;
};

} // namespace

TEST_F(EinstellungenTest, ShowsItsTextsInTheChosenLanguage)
{
    auto de = dialog(Language::german);
    de->show();
    EXPECT_EQ(de->windowTitle(), QStringLiteral("Einstellungen"));
    EXPECT_EQ(de->PageControl1->count(), 3);
    EXPECT_EQ(de->PageControl1->tabText(0), QStringLiteral("Tutorial"));
    EXPECT_EQ(de->PageControl1->tabText(1), QStringLiteral("Sprache"));
    EXPECT_EQ(de->PageControl1->tabText(2), QStringLiteral("Druck"));
    EXPECT_EQ(de->Label1->text(), QStringLiteral("Lokaler Link zum Tutorial \"Farben im Webdesign\":"));
    EXPECT_EQ(de->Label3->text(), QStringLiteral("Tutorial im Internet:"));
    EXPECT_EQ(de->Button2->text(), QStringLiteral("Abbrechen"));
    EXPECT_EQ(de->OKBtn->text(), QStringLiteral("OK"));
    EXPECT_TRUE(de->Label2->wordWrap());
    EXPECT_EQ(de->Label2->width(), 327);
    EXPECT_EQ(de->size(), QSize(430, 302));

    auto en = dialog(Language::english);
    en->show();
    EXPECT_EQ(en->windowTitle(), QStringLiteral("Settings"));
    EXPECT_EQ(en->Button2->text(), QStringLiteral("Cancel"));
    EXPECT_EQ(en->Label3->text(), QStringLiteral("Tutorial in Internet:"));
    EXPECT_TRUE(en->Label2->text().startsWith(QStringLiteral("To open the according HTML-pages")));
    EXPECT_EQ(en->Label4->text(), textSet->text(Txt::website));
    EXPECT_TRUE(en->Edit1->isReadOnly());
}

TEST_F(EinstellungenTest, OkWithTheOfferedDefaultStoresTheDefaultPath)
{
    auto d = dialog();
    d->show();
    EXPECT_EQ(d->Edit1->text(), defaultTutorialPath());
    QTest::mouseClick(d->OKBtn, Qt::LeftButton);
    EXPECT_EQ(d->result(), QDialog::Accepted);
    EXPECT_EQ(registry.tutorialPfad, defaultTutorialPath());
}

TEST_F(EinstellungenTest, ShowsAStoredPathAndKeepsItOnOk)
{
    registry.tutorialPfad = QStringLiteral("/srv/Tutorial/index.html");
    auto d = dialog();
    d->show();
    EXPECT_EQ(d->Edit1->text(), QStringLiteral("/srv/Tutorial/index.html"));
    QTest::mouseClick(d->OKBtn, Qt::LeftButton);
    EXPECT_EQ(registry.tutorialPfad, QStringLiteral("/srv/Tutorial/index.html"));
}

TEST_F(EinstellungenTest, AnEmptyPathOnOkLeavesThePreferenceAlone)
{
    auto d = dialog();
    d->show();
    d->Edit1->clear();
    QTest::mouseClick(d->OKBtn, Qt::LeftButton);
    EXPECT_EQ(d->result(), QDialog::Accepted);
    EXPECT_EQ(registry.tutorialPfad, QStringLiteral(" "));
}

TEST_F(EinstellungenTest, AChosenFileIsTakenAtOnceAndSurvivesCancel)
{
    registry.tutorialPfad = QStringLiteral("/alt/tutorial/index.html");
    chosen = QStringLiteral("/neu/tutorial/index.html");
    auto d = dialog();
    d->show();
    QTest::mouseClick(d->BitBtn1, Qt::LeftButton);
    ASSERT_EQ(gefragt.size(), 1);
    EXPECT_EQ(gefragt[0][0], QStringLiteral("/alt/tutorial")); // starts where the shown path is
    EXPECT_EQ(gefragt[0][1], QStringLiteral("HTML (*.html)"));
    EXPECT_EQ(d->Edit1->text(), QDir::toNativeSeparators(chosen));
    EXPECT_EQ(registry.tutorialPfad, QDir::toNativeSeparators(chosen));

    QTest::mouseClick(d->Button2, Qt::LeftButton);
    EXPECT_EQ(d->result(), QDialog::Rejected);
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(registry.tutorialPfad, QDir::toNativeSeparators(chosen));
}

TEST_F(EinstellungenTest, CancellingTheFileDialogChangesNothing)
{
    auto d = dialog();
    d->show();
    QTest::mouseClick(d->BitBtn1, Qt::LeftButton); // the currentState-in returns nothing
    ASSERT_EQ(gefragt.size(), 1);
    EXPECT_EQ(d->Edit1->text(), defaultTutorialPath());
    QTest::mouseClick(d->Button2, Qt::LeftButton);
    EXPECT_EQ(registry.tutorialPfad, QStringLiteral(" "));
}

TEST_F(EinstellungenTest, TheWebSiteLinkOpensThroughTheShell)
{
    for (Language uiLanguage : {Language::german, Language::english}) {
        shell = RecordingShellOpener();
        auto d = dialog(uiLanguage);
        d->show();
        QTest::mouseClick(d->Label4, Qt::LeftButton);
        ASSERT_EQ(shell.opened().size(), 1);
        EXPECT_EQ(shell.opened()[0], QUrl(textSet->text(Txt::website)));
        EXPECT_TRUE(d->isVisible()); // the dialog stays open
        QTest::mouseClick(d->Label3, Qt::LeftButton);
        EXPECT_EQ(shell.opened().size(), 1);
    }
}

// The language is chosen here; OK keeps the choice for the next start, Cancel does not.
TEST_F(EinstellungenTest, TheLanguagePageChoosesTheLanguageOfTheNextStart)
{
    for (const auto& [tasten, selection] : {std::pair{0, pref::LanguageChoice::german},
                                            {1, pref::LanguageChoice::english},
                                            {2, pref::LanguageChoice::desktop}}) {
        registry.languageChoice = pref::LanguageChoice::desktop;
        auto d = dialog(Language::german);
        d->show();
        QTabBar* tabs = d->PageControl1->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
        ASSERT_EQ(d->PageControl1->currentWidget(), d->languagePage);
        EXPECT_EQ(d->languageBox->currentText(), QStringLiteral("Wie der Desktop"));
        d->languageBox->setFocus();
        QTest::keyClick(d->languageBox, Qt::Key_Home);
        for (int i = 0; i < tasten; ++i)
            QTest::keyClick(d->languageBox, Qt::Key_Down);
        QTest::mouseClick(d->OKBtn, Qt::LeftButton);
        EXPECT_EQ(registry.languageChoice, selection) << tasten;
    }
    auto d = dialog(Language::english);
    d->show();
    EXPECT_EQ(d->languageBox->currentText(), QStringLiteral("As the desktop"));
    QTest::keyClick(d->languageBox, Qt::Key_Home);
    QTest::mouseClick(d->Button2, Qt::LeftButton);
    EXPECT_EQ(registry.languageChoice, pref::LanguageChoice::desktop);
    EXPECT_FALSE(d->findChild<QLabel*>(QStringLiteral("languageNote"))->text().isEmpty());
}
