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
    std::unique_ptr<TEinstellungen> dialog(Sprache sprache = Sprache::englisch)
    {
        texte = std::make_unique<LanguageTable>(LanguageTable::forLanguage(sprache));
        auto d = std::make_unique<TEinstellungen>(registry, *texte, shell);
        d->setDateiAuswahl([this](QWidget*, const QString& start, const QString& filter) {
            gefragt.append({start, filter});
            return gewaehlt;
        });
        return d;
    }

    TfRegistryForm registry{std::make_unique<MemoryPreferenceStore>()};
    RecordingShellOpener shell;
    std::unique_ptr<LanguageTable> texte;
    QString gewaehlt; // what the stand-in file dialog returns
    QList<QStringList> gefragt;
};

} // namespace

TEST_F(EinstellungenTest, ShowsItsTextsInTheChosenLanguage)
{
    auto de = dialog(Sprache::deutsch);
    de->show();
    EXPECT_EQ(de->windowTitle(), QStringLiteral("Einstellungen"));
    EXPECT_EQ(de->PageControl1->count(), 2);
    EXPECT_EQ(de->PageControl1->tabText(0), QStringLiteral("Tutorial"));
    EXPECT_EQ(de->PageControl1->tabText(1), QStringLiteral("Sprache"));
    EXPECT_EQ(de->Label1->text(), QStringLiteral("Lokaler Link zum Tutorial \"Farben im Webdesign\":"));
    EXPECT_EQ(de->Label3->text(), QStringLiteral("Tutorial im Internet:"));
    EXPECT_EQ(de->Button2->text(), QStringLiteral("Abbrechen"));
    EXPECT_EQ(de->OKBtn->text(), QStringLiteral("OK"));
    EXPECT_TRUE(de->Label2->wordWrap());
    EXPECT_EQ(de->Label2->width(), 327);
    EXPECT_EQ(de->size(), QSize(430, 302));

    auto en = dialog(Sprache::englisch);
    en->show();
    EXPECT_EQ(en->windowTitle(), QStringLiteral("Settings"));
    EXPECT_EQ(en->Button2->text(), QStringLiteral("Cancel"));
    EXPECT_EQ(en->Label3->text(), QStringLiteral("Tutorial in Internet:"));
    EXPECT_TRUE(en->Label2->text().startsWith(QStringLiteral("To open the according HTML-pages")));
    EXPECT_EQ(en->Label4->text(), texte->text(Txt::webSeite));
    EXPECT_TRUE(en->Edit1->isReadOnly());
}

TEST_F(EinstellungenTest, OkWithTheOfferedDefaultStoresTheDefaultPath)
{
    auto d = dialog();
    d->show();
    EXPECT_EQ(d->Edit1->text(), standardTutorialPfad());
    QTest::mouseClick(d->OKBtn, Qt::LeftButton);
    EXPECT_EQ(d->result(), QDialog::Accepted);
    EXPECT_EQ(registry.tutorialPfad, standardTutorialPfad());
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
    gewaehlt = QStringLiteral("/neu/tutorial/index.html");
    auto d = dialog();
    d->show();
    QTest::mouseClick(d->BitBtn1, Qt::LeftButton);
    ASSERT_EQ(gefragt.size(), 1);
    EXPECT_EQ(gefragt[0][0], QStringLiteral("/alt/tutorial")); // starts where the shown path is
    EXPECT_EQ(gefragt[0][1], QStringLiteral("HTML (*.html)"));
    EXPECT_EQ(d->Edit1->text(), QDir::toNativeSeparators(gewaehlt));
    EXPECT_EQ(registry.tutorialPfad, QDir::toNativeSeparators(gewaehlt));

    QTest::mouseClick(d->Button2, Qt::LeftButton);
    EXPECT_EQ(d->result(), QDialog::Rejected);
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(registry.tutorialPfad, QDir::toNativeSeparators(gewaehlt));
}

TEST_F(EinstellungenTest, CancellingTheFileDialogChangesNothing)
{
    auto d = dialog();
    d->show();
    QTest::mouseClick(d->BitBtn1, Qt::LeftButton); // the stand-in returns nothing
    ASSERT_EQ(gefragt.size(), 1);
    EXPECT_EQ(d->Edit1->text(), standardTutorialPfad());
    QTest::mouseClick(d->Button2, Qt::LeftButton);
    EXPECT_EQ(registry.tutorialPfad, QStringLiteral(" "));
}

TEST_F(EinstellungenTest, TheWebSiteLinkOpensThroughTheShell)
{
    for (Sprache sprache : {Sprache::deutsch, Sprache::englisch}) {
        shell = RecordingShellOpener();
        auto d = dialog(sprache);
        d->show();
        QTest::mouseClick(d->Label4, Qt::LeftButton);
        ASSERT_EQ(shell.opened().size(), 1);
        EXPECT_EQ(shell.opened()[0], QUrl(texte->text(Txt::webSeite)));
        EXPECT_TRUE(d->isVisible()); // the dialog stays open
        QTest::mouseClick(d->Label3, Qt::LeftButton);
        EXPECT_EQ(shell.opened().size(), 1);
    }
}

// The language is chosen here; OK keeps the choice for the next start, Cancel does not.
TEST_F(EinstellungenTest, TheLanguagePageChoosesTheLanguageOfTheNextStart)
{
    for (const auto& [tasten, wahl] : {std::pair{0, pref::SprachWahl::deutsch},
                                       {1, pref::SprachWahl::englisch},
                                       {2, pref::SprachWahl::desktop}}) {
        registry.sprachWahl = pref::SprachWahl::desktop;
        auto d = dialog(Sprache::deutsch);
        d->show();
        QTabBar* reiter = d->PageControl1->tabBar();
        QTest::mouseClick(reiter, Qt::LeftButton, {}, reiter->tabRect(1).center());
        ASSERT_EQ(d->PageControl1->currentWidget(), d->languagePage);
        EXPECT_EQ(d->languageBox->currentText(), QStringLiteral("Wie der Desktop"));
        d->languageBox->setFocus();
        QTest::keyClick(d->languageBox, Qt::Key_Home);
        for (int i = 0; i < tasten; ++i)
            QTest::keyClick(d->languageBox, Qt::Key_Down);
        QTest::mouseClick(d->OKBtn, Qt::LeftButton);
        EXPECT_EQ(registry.sprachWahl, wahl) << tasten;
    }
    auto d = dialog(Sprache::englisch);
    d->show();
    EXPECT_EQ(d->languageBox->currentText(), QStringLiteral("As the desktop"));
    QTest::keyClick(d->languageBox, Qt::Key_Home);
    QTest::mouseClick(d->Button2, Qt::LeftButton);
    EXPECT_EQ(registry.sprachWahl, pref::SprachWahl::desktop);
    EXPECT_FALSE(d->findChild<QLabel*>(QStringLiteral("languageNote"))->text().isEmpty());
}
