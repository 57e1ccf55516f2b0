// Help through the main window: F1, topic help, the tutorial menu with its
// path rules, the update question and the about box.

#include "support/InteractionFixture.h"
#include "support/ModalGuard.h"
#include "support/WindowFixture.h"

#include "core/language/LanguageTable.h"
#include "platform/desktop/HelpViewer.h"
#include "platform/desktop/ShellOpener.h"
#include "ui/dialogs/AboutBox.h"
#include "ui/dialogs/Einstellungen.h"
#include "ui/dialogs/TOKBottomDlg1.h"
#include "ui/dialogs/TfEingabe.h"
#include "ui/documents/TForm2.h"
#include "ui/language/ActionRegistry.h"
#include "ui/shell/HelpActions.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QUrl>

#include <gtest/gtest.h>

namespace
{

constexpr int german = 7; // any "TNVersion" but 11
constexpr int english = 11;

// A main window in the given language whose help viewer and shell only record.
struct HelpFixture {
    explicit HelpFixture(int version, const QString& tutorialPfad = {})
        : f([&](MemoryPreferenceStore& s) {
              s.setRaw(QStringLiteral("TNVersion"), version);
              if (!tutorialPfad.isEmpty())
                  s.setRaw(QStringLiteral("cURL"), tutorialPfad);
          })
    {
        auto v = std::make_unique<RecordingHelpViewer>();
        viewer = v.get();
        f.form->help().setHelpViewer(std::move(v));
        auto s = std::make_unique<RecordingShellOpener>();
        shell = s.get();
        f.form->setShellOpener(std::move(s));
    }

    QAction& action(ActionId a) { return f.form->actions().action(a); }

    WindowFixture f;
    RecordingHelpViewer* viewer = nullptr;
    RecordingShellOpener* shell = nullptr;
};

void schreibe(const QString& pathName)
{
    QDir().mkpath(QFileInfo(pathName).absolutePath());
    QFile fileItem(pathName);
    ASSERT_TRUE(fileItem.open(QIODevice::WriteOnly));
    fileItem.write("<html></html>");
}

// Answers the next question box with the given button and reports what it asked.
struct Antwort {
    QString caption, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons knoepfe;
};
void beantworte(QMessageBox::StandardButton button, Antwort& answer)
{
    onNextModal<QMessageBox>([button, &answer](QMessageBox& box) {
        answer = {box.windowTitle(), box.text(), box.icon(), box.standardButtons()};
        QTest::mouseClick(box.button(button), Qt::LeftButton);
    });
}

} // namespace

TEST(HelpActions, HelpAndTutorialActionsAreEnabledWithTheirKeys)
{
    HelpFixture h(english);
    for (ActionId a : {ActionId::hilfeInhalt, ActionId::hilfeInfo, ActionId::onlineCheckAufUpdate,
                       ActionId::tutorialStartseite, ActionId::tutorialRot, ActionId::tutorialHeadlines})
        EXPECT_TRUE(h.action(a).isEnabled()) << h.action(a).objectName().toStdString();
    EXPECT_EQ(h.action(ActionId::hilfeInhalt).shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_EQ(h.action(ActionId::tutorialStartseite).shortcut(), QKeySequence(Qt::ALT | Qt::Key_F1));
}

TEST(HelpActions, F1OpensTheContentsInTheInterfaceLanguage)
{
    for (const auto& [version, uiLanguage] :
         {std::pair{english, Language::english}, {german, Language::german}}) {
        HelpFixture h(version);
        h.f.form->show();
        QApplication::setActiveWindow(h.f.form.get());
        QTest::keyClick(h.f.form.get(), Qt::Key_F1);
        ASSERT_EQ(h.viewer->recordedCalls().size(), 1);
        const auto& call = h.viewer->recordedCalls().first();
        EXPECT_EQ(call.command, HelpCommand::content);
        EXPECT_EQ(call.uiLanguage, uiLanguage);
        EXPECT_EQ(call.address, h.f.form->helpFile());
        EXPECT_TRUE(call.address.endsWith(QStringLiteral("/manual.chm")));
    }
}

TEST(HelpActions, ATopicGoesToTheViewerAsHelpFileAndTopic)
{
    HelpFixture h(german);
    for (const char* topic : {"::HTML\\page03.htm", "::HTML\\page05.htm", "::HTML\\page06.htm"}) {
        h.f.form->showHelpTopic(QString::fromLatin1(topic));
        const auto& call = h.viewer->recordedCalls().last();
        EXPECT_EQ(call.command, HelpCommand::topic);
        EXPECT_EQ(call.uiLanguage, Language::german);
        EXPECT_EQ(call.address, h.f.form->helpFile() + QString::fromLatin1(topic));
    }
    // The display parts reach the same call through their host.
    DisplayHost& host = *h.f.form;
    host.showHelpTopic(QStringLiteral("::HTML\\page06.htm"));
    EXPECT_EQ(h.viewer->recordedCalls().size(), 4);
}

TEST(HelpActions, AHelpAddressSplitsIntoFileAndTopic)
{
    const HelpAddress a = splitHelpAddress(QStringLiteral("/opt/t/manual.chm::HTML\\page06.htm"));
    EXPECT_EQ(a.fileItem, QStringLiteral("/opt/t/manual.chm"));
    EXPECT_EQ(a.topic, QStringLiteral("HTML/page06.htm"));
    EXPECT_TRUE(splitHelpAddress(QStringLiteral("/opt/t/manual.chm")).topic.isEmpty());
}

TEST(HelpActions, AStoredPathOpensTheColourPageOfTheSameFolder)
{
    QTemporaryDir folder;
    for (const char* page : {"index.html", "farben/rot.htm", "colors/red.htm", "marketing_headlines.htm"})
        schreibe(folder.filePath(QString::fromLatin1(page)));
    const QString pathName = folder.filePath(QStringLiteral("index.html"));
    {
        HelpFixture h(german, pathName);
        h.action(ActionId::tutorialRot).trigger();
        ASSERT_EQ(h.shell->opened().size(), 1);
        EXPECT_EQ(h.shell->opened()[0],
                  QUrl::fromLocalFile(folder.filePath(QStringLiteral("farben/rot.htm"))));
    }
    {
        HelpFixture h(english, pathName);
        h.action(ActionId::tutorialRot).trigger();
        ASSERT_EQ(h.shell->opened().size(), 1);
        EXPECT_EQ(h.shell->opened()[0],
                  QUrl::fromLocalFile(folder.filePath(QStringLiteral("colors/red.htm"))));
        h.action(ActionId::tutorialHeadlines).trigger();
        EXPECT_EQ(h.shell->opened()[1],
                  QUrl::fromLocalFile(folder.filePath(QStringLiteral("marketing_headlines.htm"))));
        EXPECT_EQ(h.f.prefs->tutorialPfad, pathName);
    }
}

TEST(HelpActions, AStoredPathThatIsGoneAsksForTheTutorialInstead)
{
    QTemporaryDir folder;
    schreibe(folder.filePath(QStringLiteral("index.html"))); // the start page alone: "Rot" is missing
    HelpFixture h(german, folder.filePath(QStringLiteral("index.html")));
    Antwort answer;
    beantworte(QMessageBox::No, answer);
    h.action(ActionId::tutorialRot).trigger();
    EXPECT_EQ(answer.text, h.f.blind->uiLanguage.text(Txt::tutorialNotFound));
    EXPECT_TRUE(h.shell->opened().isEmpty());

    // The whole folder moved away: Yes leads to the settings' tutorial page.
    folder.remove();
    beantworte(QMessageBox::Yes, answer);
    bool einstellungen = false;
    onNextModal<TEinstellungen>([&](TEinstellungen& d) {
        einstellungen = d.PageControl1->currentWidget() == d.TabSheet2;
        d.reject();
    });
    h.action(ActionId::tutorialStartseite).trigger();
    EXPECT_TRUE(einstellungen);
    EXPECT_TRUE(h.shell->opened().isEmpty());
}

TEST(HelpActions, AltF1OpensTheStartPage)
{
    QTemporaryDir folder;
    const QString start = folder.filePath(QStringLiteral("index.html"));
    schreibe(start);
    HelpFixture h(english, start);
    h.f.form->show();
    QApplication::setActiveWindow(h.f.form.get());
    QTest::keyClick(h.f.form.get(), Qt::Key_F1, Qt::AltModifier);
    ASSERT_EQ(h.shell->opened().size(), 1);
    EXPECT_EQ(h.shell->opened()[0], QUrl::fromLocalFile(start));
    EXPECT_TRUE(h.viewer->recordedCalls().isEmpty()); // Alt+F1 is not F1
}

// With no browser the desktop opens nothing; the user is told, in the interface language.
TEST(HelpActions, ATutorialPageTheDesktopCannotOpenIsReported)
{
    QTemporaryDir folder;
    const QString start = folder.filePath(QStringLiteral("index.html"));
    schreibe(start);
    for (int version : {german, english}) {
        HelpFixture h(version, start);
        h.shell->setSucceeds(false);
        h.f.form->show();
        QApplication::setActiveWindow(h.f.form.get());
        Antwort answer;
        beantworte(QMessageBox::Ok, answer);
        QTest::keyClick(h.f.form.get(), Qt::Key_F1, Qt::AltModifier);
        const LanguageTable& t = h.f.blind->uiLanguage;
        EXPECT_EQ(answer.icon, QMessageBox::Critical);
        EXPECT_EQ(answer.caption, t.text(Txt::errorBox));
        EXPECT_EQ(answer.text, t.text(Txt::tutorialNotOpened).arg(QDir::toNativeSeparators(start)));
    }
}

TEST(HelpActions, AWebAddressAsTutorialPathStaysAWebAddress)
{
    HelpFixture h(english, QStringLiteral("https://www.tinctora.example/tutorial/index.html"));
    h.action(ActionId::tutorialBlau).trigger();
    ASSERT_EQ(h.shell->opened().size(), 1);
    EXPECT_EQ(h.shell->opened()[0],
              QUrl(QStringLiteral("https://www.tinctora.example/tutorial/colors/blue.htm")));
}

TEST(HelpActions, UnsetPathWithTheTutorialPresentStoresTheDefaultStartPage)
{
    QTemporaryDir programm;
    schreibe(programm.filePath(QStringLiteral("tutorial/index.html")));
    schreibe(programm.filePath(QStringLiteral("tutorial/colors/red.htm")));
    HelpFixture h(english);
    ASSERT_FALSE(h.f.prefs->tutorialPathSet());
    // The installed folder comes second; the build tree's own folder has it here.
    h.f.form->help().setDataFolders(
        {QDir(programm.path()).filePath(QStringLiteral("nothing")), programm.path()});
    h.action(ActionId::tutorialRot).trigger();

    const QString start = QDir::toNativeSeparators(programm.filePath(QStringLiteral("tutorial/index.html")));
    EXPECT_EQ(h.f.prefs->tutorialPfad, start);
    ASSERT_EQ(h.shell->opened().size(), 1);
    EXPECT_EQ(h.shell->opened()[0],
              QUrl::fromLocalFile(programm.filePath(QStringLiteral("tutorial/colors/red.htm"))));
    // Stored at the end of the run, so the next start uses it.
    h.f.prefs->speicherDaten();
    EXPECT_EQ(h.f.store->raw(QStringLiteral("cURL")).toString(), start);
}

TEST(HelpActions, NoTutorialAnywhereAndYesOpensTheSettingsOnTheTutorialPage)
{
    QTemporaryDir blank;
    HelpFixture h(german);
    h.f.form->help().setDataFolders({blank.path()});

    Antwort answer;
    beantworte(QMessageBox::Yes, answer);
    bool aufTutorialSeite = false;
    onNextModal<TEinstellungen>([&](TEinstellungen& d) {
        aufTutorialSeite =
            d.PageControl1->currentWidget() == d.TabSheet2 &&
            d.PageControl1->tabText(d.PageControl1->currentIndex()) == QStringLiteral("Tutorial");
        d.reject();
    });
    h.action(ActionId::tutorialGruen).trigger();

    EXPECT_EQ(answer.caption, QStringLiteral("Frage"));
    EXPECT_EQ(answer.text, QStringLiteral("Tinctora kann den Pfad zum Tutorial nicht finden. Möchten Sie den "
                                          "Pfad jetzt eingeben?"));
    EXPECT_EQ(answer.icon, QMessageBox::Question);
    EXPECT_EQ(answer.knoepfe, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_TRUE(aufTutorialSeite);
    EXPECT_TRUE(h.shell->opened().isEmpty());
    EXPECT_FALSE(h.f.prefs->tutorialPathSet());
}

TEST(HelpActions, NoTutorialAnywhereAndNoOrCancelDoNothing)
{
    QTemporaryDir blank;
    HelpFixture h(english);
    h.f.form->help().setDataFolders({blank.path()});
    for (QMessageBox::StandardButton button : {QMessageBox::No, QMessageBox::Cancel}) {
        Antwort answer;
        beantworte(button, answer);
        h.action(ActionId::tutorialStartseite).trigger();
        EXPECT_EQ(answer.caption, QStringLiteral("Question"));
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
    EXPECT_TRUE(h.shell->opened().isEmpty());
}

TEST(HelpActions, UpdateQuestionYesOpensTheUpdatePageOfTheLanguage)
{
    for (const auto& [version, page] : {std::pair{english, "/checkupdate.php"}, {german, "/update.php"}}) {
        HelpFixture h(version);
        Antwort answer;
        beantworte(QMessageBox::Yes, answer);
        h.action(ActionId::onlineCheckAufUpdate).trigger();
        EXPECT_EQ(answer.icon, QMessageBox::Question);
        EXPECT_EQ(answer.knoepfe, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        ASSERT_EQ(h.shell->opened().size(), 1);
        const QUrl url = h.shell->opened()[0];
        EXPECT_EQ(url.path(), QString::fromLatin1(page));
        EXPECT_EQ(url.query(), QStringLiteral("vers=325"));
        EXPECT_EQ(url.host(), QUrl(h.f.blind->uiLanguage.text(Txt::website)).host());
        EXPECT_EQ(answer.text, h.f.blind->uiLanguage.text(Txt::updateQuestion));

        beantworte(QMessageBox::No, answer);
        h.action(ActionId::onlineCheckAufUpdate).trigger();
        EXPECT_EQ(h.shell->opened().size(), 1);
    }
}

TEST(HelpActions, TheAboutBoxShowsTheProductAndOpensItsLinks)
{
    HelpFixture h(english);
    TAboutBox* erste = nullptr;
    QString titleText, name1, version;
    bool name2Sichtbar = true;
    onNextModal<TAboutBox>([&](TAboutBox& box) {
        erste = &box;
        titleText = box.windowTitle();
        name1 = box.ProductName1->text();
        name2Sichtbar = box.ProductName2->isVisible();
        version = box.Version->text();
        EXPECT_TRUE(box.ProductName1->font().bold());
        EXPECT_FALSE(box.ProgramIcon->pixmap().isNull());
        EXPECT_EQ(box.ProgramIcon->size(), QSize(35, 35));
        EXPECT_EQ(box.Label2->cursor().shape(), Qt::PointingHandCursor);
        QTest::mouseClick(box.Label2, Qt::LeftButton);
        QTest::mouseClick(box.Label3, Qt::LeftButton);
        QTest::mouseClick(box.Button1, Qt::LeftButton);
    });
    h.action(ActionId::hilfeInfo).trigger();

    EXPECT_EQ(titleText, QStringLiteral("Info"));
    EXPECT_EQ(name1, QStringLiteral("Tinctora for Zevediz Adirevivo"));
    EXPECT_FALSE(name2Sichtbar);
    EXPECT_EQ(version, QStringLiteral("Version 3.25"));
    ASSERT_EQ(h.shell->opened().size(), 2);
    EXPECT_EQ(h.shell->opened()[0], QUrl(h.f.blind->uiLanguage.text(Txt::website)));
    EXPECT_EQ(h.shell->opened()[1].scheme(), QStringLiteral("mailto"));
    EXPECT_EQ(h.shell->opened()[1].path(), h.f.blind->uiLanguage.text(Txt::supportEMail));

    // Later calls show the same box again.
    TAboutBox* zweite = nullptr;
    onNextModal<TAboutBox>([&](TAboutBox& box) {
        zweite = &box;
        box.accept();
    });
    h.action(ActionId::hilfeInfo).trigger();
    EXPECT_EQ(zweite, erste);
    EXPECT_EQ(h.f.form->help().aboutBox(), erste);
}

TEST(HelpActions, TheGermanAboutBoxNamesBothProducts)
{
    HelpFixture h(german);
    QString name1, name2;
    onNextModal<TAboutBox>([&](TAboutBox& box) {
        name1 = box.ProductName1->text();
        name2 = box.ProductName2->text();
        box.accept();
    });
    h.action(ActionId::hilfeInfo).trigger();
    EXPECT_EQ(name1, QStringLiteral("Tinctora"));
    EXPECT_EQ(name2, QStringLiteral("Tinctora für Razuvazizeduduvir"));
}

TEST(HelpActions, ThePopUpWindowsHelpButtonOpensItsTopic)
{
    HelpFixture h(german);
    h.f.form->show();
    bool gesehen = false;
    onNextModal<TForm2>([&](TForm2& d) {
        gesehen = true;
        EXPECT_TRUE(d.hilfe1->isEnabled());
        EXPECT_EQ(d.hilfe1->shortcut(), QKeySequence(Qt::Key_F1));
        QTest::mouseClick(d.ActionToolBar1->widgetForAction(d.hilfe1), Qt::LeftButton);
        QTest::mouseClick(d.ActionToolBar1->widgetForAction(d.schliessen1), Qt::LeftButton);
    });
    h.action(ActionId::vollbild).trigger();
    EXPECT_TRUE(gesehen);
    ASSERT_EQ(h.viewer->recordedCalls().size(), 1);
    EXPECT_EQ(h.viewer->recordedCalls()[0].address,
              h.f.form->helpFile() + QStringLiteral("::HTML\\page03.htm"));
    EXPECT_EQ(h.viewer->recordedCalls()[0].command, HelpCommand::topic);
    EXPECT_EQ(h.viewer->recordedCalls()[0].uiLanguage, Language::german);
}

TEST(HelpActions, TheManualInputAndWebSafeHelpButtonsOpenTheirTopics)
{
    ShownWindow f; // English: no "TNVersion"
    auto v = std::make_unique<RecordingHelpViewer>();
    RecordingHelpViewer* viewer = v.get();
    f.form->help().setHelpViewer(std::move(v));

    onNextModal<TfEingabe>([&](TfEingabe& d) {
        EXPECT_TRUE(d.Button1->isEnabled());
        QTest::mouseClick(d.Button1, Qt::LeftButton);
        d.Button2->click();
    });
    f.form->actionItem("gezielteManuelleEingabeVonWerten")->trigger();
    onNextModal<TOKBottomDlg1>([&](TOKBottomDlg1& d) {
        EXPECT_TRUE(d.Button4->isEnabled());
        QTest::mouseClick(d.Button4, Qt::LeftButton);
        d.Button3->click();
    });
    f.form->actionItem("inWebsichereFarbenUmwandeln")->trigger();

    ASSERT_EQ(viewer->recordedCalls().size(), 2);
    EXPECT_EQ(viewer->recordedCalls()[0].address, f.form->helpFile() + QStringLiteral("::HTML\\page05.htm"));
    EXPECT_EQ(viewer->recordedCalls()[1].address, f.form->helpFile() + QStringLiteral("::HTML\\page06.htm"));
    for (const auto& call : viewer->recordedCalls()) {
        EXPECT_EQ(call.command, HelpCommand::topic);
        EXPECT_EQ(call.uiLanguage, Language::english);
    }
}
