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

constexpr int deutsch = 7; // any "TNVersion" but 11
constexpr int englisch = 11;

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
        f.form->hilfe().setHelpViewer(std::move(v));
        auto s = std::make_unique<RecordingShellOpener>();
        shell = s.get();
        f.form->setShellOpener(std::move(s));
    }

    QAction& action(Aktion a) { return f.form->actions().action(a); }

    WindowFixture f;
    RecordingHelpViewer* viewer = nullptr;
    RecordingShellOpener* shell = nullptr;
};

void schreibe(const QString& pfad)
{
    QDir().mkpath(QFileInfo(pfad).absolutePath());
    QFile datei(pfad);
    ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
    datei.write("<html></html>");
}

// Answers the next question box with the given button and reports what it asked.
struct Antwort {
    QString caption, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons knoepfe;
};
void beantworte(QMessageBox::StandardButton knopf, Antwort& antwort)
{
    onNextModal<QMessageBox>([knopf, &antwort](QMessageBox& box) {
        antwort = {box.windowTitle(), box.text(), box.icon(), box.standardButtons()};
        QTest::mouseClick(box.button(knopf), Qt::LeftButton);
    });
}

} // namespace

TEST(HelpActions, HelpAndTutorialActionsAreEnabledWithTheirKeys)
{
    HelpFixture h(englisch);
    for (Aktion a : {Aktion::hilfeInhalt, Aktion::hilfeInfo, Aktion::onlineCheckAufUpdate,
                     Aktion::tutorialStartseite, Aktion::tutorialRot, Aktion::tutorialHeadlines})
        EXPECT_TRUE(h.action(a).isEnabled()) << h.action(a).objectName().toStdString();
    EXPECT_EQ(h.action(Aktion::hilfeInhalt).shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_EQ(h.action(Aktion::tutorialStartseite).shortcut(), QKeySequence(Qt::ALT | Qt::Key_F1));
}

TEST(HelpActions, F1OpensTheContentsInTheInterfaceLanguage)
{
    for (const auto& [version, sprache] :
         {std::pair{englisch, Sprache::englisch}, {deutsch, Sprache::deutsch}}) {
        HelpFixture h(version);
        h.f.form->show();
        QApplication::setActiveWindow(h.f.form.get());
        QTest::keyClick(h.f.form.get(), Qt::Key_F1);
        ASSERT_EQ(h.viewer->aufrufe().size(), 1);
        const auto& aufruf = h.viewer->aufrufe().first();
        EXPECT_EQ(aufruf.befehl, HilfeBefehl::inhalt);
        EXPECT_EQ(aufruf.sprache, sprache);
        EXPECT_EQ(aufruf.adresse, h.f.form->helpFile());
        EXPECT_TRUE(aufruf.adresse.endsWith(QStringLiteral("/manual.chm")));
    }
}

TEST(HelpActions, ATopicGoesToTheViewerAsHelpFileAndTopic)
{
    HelpFixture h(deutsch);
    for (const char* thema : {"::HTML\\page03.htm", "::HTML\\page05.htm", "::HTML\\page06.htm"}) {
        h.f.form->hilfeThemaZeigen(QString::fromLatin1(thema));
        const auto& aufruf = h.viewer->aufrufe().last();
        EXPECT_EQ(aufruf.befehl, HilfeBefehl::thema);
        EXPECT_EQ(aufruf.sprache, Sprache::deutsch);
        EXPECT_EQ(aufruf.adresse, h.f.form->helpFile() + QString::fromLatin1(thema));
    }
    // The display parts reach the same call through their host.
    DisplayHost& host = *h.f.form;
    host.hilfeThemaZeigen(QStringLiteral("::HTML\\page06.htm"));
    EXPECT_EQ(h.viewer->aufrufe().size(), 4);
}

TEST(HelpActions, AHelpAddressSplitsIntoFileAndTopic)
{
    const HilfeAdresse a = zerlegeHilfeAdresse(QStringLiteral("/opt/t/manual.chm::HTML\\page06.htm"));
    EXPECT_EQ(a.datei, QStringLiteral("/opt/t/manual.chm"));
    EXPECT_EQ(a.thema, QStringLiteral("HTML/page06.htm"));
    EXPECT_TRUE(zerlegeHilfeAdresse(QStringLiteral("/opt/t/manual.chm")).thema.isEmpty());
}

TEST(HelpActions, AStoredPathOpensTheColourPageOfTheSameFolder)
{
    QTemporaryDir ordner;
    for (const char* seite : {"index.html", "farben/rot.htm", "colors/red.htm", "marketing_headlines.htm"})
        schreibe(ordner.filePath(QString::fromLatin1(seite)));
    const QString pfad = ordner.filePath(QStringLiteral("index.html"));
    {
        HelpFixture h(deutsch, pfad);
        h.action(Aktion::tutorialRot).trigger();
        ASSERT_EQ(h.shell->opened().size(), 1);
        EXPECT_EQ(h.shell->opened()[0],
                  QUrl::fromLocalFile(ordner.filePath(QStringLiteral("farben/rot.htm"))));
    }
    {
        HelpFixture h(englisch, pfad);
        h.action(Aktion::tutorialRot).trigger();
        ASSERT_EQ(h.shell->opened().size(), 1);
        EXPECT_EQ(h.shell->opened()[0],
                  QUrl::fromLocalFile(ordner.filePath(QStringLiteral("colors/red.htm"))));
        h.action(Aktion::tutorialHeadlines).trigger();
        EXPECT_EQ(h.shell->opened()[1],
                  QUrl::fromLocalFile(ordner.filePath(QStringLiteral("marketing_headlines.htm"))));
        EXPECT_EQ(h.f.prefs->tutorialPfad, pfad);
    }
}

TEST(HelpActions, AStoredPathThatIsGoneAsksForTheTutorialInstead)
{
    QTemporaryDir ordner;
    schreibe(ordner.filePath(QStringLiteral("index.html"))); // the start page alone: "Rot" is missing
    HelpFixture h(deutsch, ordner.filePath(QStringLiteral("index.html")));
    Antwort antwort;
    beantworte(QMessageBox::No, antwort);
    h.action(Aktion::tutorialRot).trigger();
    EXPECT_EQ(antwort.text, h.f.blind->sprache.text(Txt::tutorialNichtGefunden));
    EXPECT_TRUE(h.shell->opened().isEmpty());

    // The whole folder moved away: Yes leads to the settings' tutorial page.
    ordner.remove();
    beantworte(QMessageBox::Yes, antwort);
    bool einstellungen = false;
    onNextModal<TEinstellungen>([&](TEinstellungen& d) {
        einstellungen = d.PageControl1->currentWidget() == d.TabSheet2;
        d.reject();
    });
    h.action(Aktion::tutorialStartseite).trigger();
    EXPECT_TRUE(einstellungen);
    EXPECT_TRUE(h.shell->opened().isEmpty());
}

TEST(HelpActions, AltF1OpensTheStartPage)
{
    QTemporaryDir ordner;
    const QString start = ordner.filePath(QStringLiteral("index.html"));
    schreibe(start);
    HelpFixture h(englisch, start);
    h.f.form->show();
    QApplication::setActiveWindow(h.f.form.get());
    QTest::keyClick(h.f.form.get(), Qt::Key_F1, Qt::AltModifier);
    ASSERT_EQ(h.shell->opened().size(), 1);
    EXPECT_EQ(h.shell->opened()[0], QUrl::fromLocalFile(start));
    EXPECT_TRUE(h.viewer->aufrufe().isEmpty()); // Alt+F1 is not F1
}

// With no browser the desktop opens nothing; the user is told, in the interface language.
TEST(HelpActions, ATutorialPageTheDesktopCannotOpenIsReported)
{
    QTemporaryDir ordner;
    const QString start = ordner.filePath(QStringLiteral("index.html"));
    schreibe(start);
    for (int version : {deutsch, englisch}) {
        HelpFixture h(version, start);
        h.shell->setSucceeds(false);
        h.f.form->show();
        QApplication::setActiveWindow(h.f.form.get());
        Antwort antwort;
        beantworte(QMessageBox::Ok, antwort);
        QTest::keyClick(h.f.form.get(), Qt::Key_F1, Qt::AltModifier);
        const LanguageTable& t = h.f.blind->sprache;
        EXPECT_EQ(antwort.icon, QMessageBox::Critical);
        EXPECT_EQ(antwort.caption, t.text(Txt::fehler));
        EXPECT_EQ(antwort.text, t.text(Txt::tutorialNichtGeoeffnet).arg(QDir::toNativeSeparators(start)));
    }
}

TEST(HelpActions, AWebAddressAsTutorialPathStaysAWebAddress)
{
    HelpFixture h(englisch, QStringLiteral("https://www.tinctora.example/tutorial/index.html"));
    h.action(Aktion::tutorialBlau).trigger();
    ASSERT_EQ(h.shell->opened().size(), 1);
    EXPECT_EQ(h.shell->opened()[0],
              QUrl(QStringLiteral("https://www.tinctora.example/tutorial/colors/blue.htm")));
}

TEST(HelpActions, UnsetPathWithTheTutorialPresentStoresTheDefaultStartPage)
{
    QTemporaryDir programm;
    schreibe(programm.filePath(QStringLiteral("tutorial/index.html")));
    schreibe(programm.filePath(QStringLiteral("tutorial/colors/red.htm")));
    HelpFixture h(englisch);
    ASSERT_FALSE(h.f.prefs->tutorialPfadGesetzt());
    // The installed folder comes second; the build tree's own folder has it here.
    h.f.form->hilfe().setDatenOrdner(
        {QDir(programm.path()).filePath(QStringLiteral("nothing")), programm.path()});
    h.action(Aktion::tutorialRot).trigger();

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
    QTemporaryDir leer;
    HelpFixture h(deutsch);
    h.f.form->hilfe().setDatenOrdner({leer.path()});

    Antwort antwort;
    beantworte(QMessageBox::Yes, antwort);
    bool aufTutorialSeite = false;
    onNextModal<TEinstellungen>([&](TEinstellungen& d) {
        aufTutorialSeite =
            d.PageControl1->currentWidget() == d.TabSheet2 &&
            d.PageControl1->tabText(d.PageControl1->currentIndex()) == QStringLiteral("Tutorial");
        d.reject();
    });
    h.action(Aktion::tutorialGruen).trigger();

    EXPECT_EQ(antwort.caption, QStringLiteral("Frage"));
    EXPECT_EQ(antwort.text,
              QStringLiteral("Tinctora kann den Pfad zum Tutorial nicht finden. Möchten Sie den "
                             "Pfad jetzt eingeben?"));
    EXPECT_EQ(antwort.icon, QMessageBox::Question);
    EXPECT_EQ(antwort.knoepfe, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_TRUE(aufTutorialSeite);
    EXPECT_TRUE(h.shell->opened().isEmpty());
    EXPECT_FALSE(h.f.prefs->tutorialPfadGesetzt());
}

TEST(HelpActions, NoTutorialAnywhereAndNoOrCancelDoNothing)
{
    QTemporaryDir leer;
    HelpFixture h(englisch);
    h.f.form->hilfe().setDatenOrdner({leer.path()});
    for (QMessageBox::StandardButton knopf : {QMessageBox::No, QMessageBox::Cancel}) {
        Antwort antwort;
        beantworte(knopf, antwort);
        h.action(Aktion::tutorialStartseite).trigger();
        EXPECT_EQ(antwort.caption, QStringLiteral("Question"));
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
    EXPECT_TRUE(h.shell->opened().isEmpty());
}

TEST(HelpActions, UpdateQuestionYesOpensTheUpdatePageOfTheLanguage)
{
    for (const auto& [version, seite] : {std::pair{englisch, "/checkupdate.php"}, {deutsch, "/update.php"}}) {
        HelpFixture h(version);
        Antwort antwort;
        beantworte(QMessageBox::Yes, antwort);
        h.action(Aktion::onlineCheckAufUpdate).trigger();
        EXPECT_EQ(antwort.icon, QMessageBox::Question);
        EXPECT_EQ(antwort.knoepfe, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        ASSERT_EQ(h.shell->opened().size(), 1);
        const QUrl url = h.shell->opened()[0];
        EXPECT_EQ(url.path(), QString::fromLatin1(seite));
        EXPECT_EQ(url.query(), QStringLiteral("vers=325"));
        EXPECT_EQ(url.host(), QUrl(h.f.blind->sprache.text(Txt::webSeite)).host());
        EXPECT_EQ(antwort.text, h.f.blind->sprache.text(Txt::updateFrage));

        beantworte(QMessageBox::No, antwort);
        h.action(Aktion::onlineCheckAufUpdate).trigger();
        EXPECT_EQ(h.shell->opened().size(), 1);
    }
}

TEST(HelpActions, TheAboutBoxShowsTheProductAndOpensItsLinks)
{
    HelpFixture h(englisch);
    TAboutBox* erste = nullptr;
    QString titel, name1, version;
    bool name2Sichtbar = true;
    onNextModal<TAboutBox>([&](TAboutBox& box) {
        erste = &box;
        titel = box.windowTitle();
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
    h.action(Aktion::hilfeInfo).trigger();

    EXPECT_EQ(titel, QStringLiteral("Info"));
    EXPECT_EQ(name1, QStringLiteral("Tinctora for Zevediz Adirevivo"));
    EXPECT_FALSE(name2Sichtbar);
    EXPECT_EQ(version, QStringLiteral("Version 3.25"));
    ASSERT_EQ(h.shell->opened().size(), 2);
    EXPECT_EQ(h.shell->opened()[0], QUrl(h.f.blind->sprache.text(Txt::webSeite)));
    EXPECT_EQ(h.shell->opened()[1].scheme(), QStringLiteral("mailto"));
    EXPECT_EQ(h.shell->opened()[1].path(), h.f.blind->sprache.text(Txt::supportEMail));

    // Later calls show the same box again.
    TAboutBox* zweite = nullptr;
    onNextModal<TAboutBox>([&](TAboutBox& box) {
        zweite = &box;
        box.accept();
    });
    h.action(Aktion::hilfeInfo).trigger();
    EXPECT_EQ(zweite, erste);
    EXPECT_EQ(h.f.form->hilfe().aboutBox(), erste);
}

TEST(HelpActions, TheGermanAboutBoxNamesBothProducts)
{
    HelpFixture h(deutsch);
    QString name1, name2;
    onNextModal<TAboutBox>([&](TAboutBox& box) {
        name1 = box.ProductName1->text();
        name2 = box.ProductName2->text();
        box.accept();
    });
    h.action(Aktion::hilfeInfo).trigger();
    EXPECT_EQ(name1, QStringLiteral("Tinctora"));
    EXPECT_EQ(name2, QStringLiteral("Tinctora für Razuvazizeduduvir"));
}

TEST(HelpActions, ThePopUpWindowsHelpButtonOpensItsTopic)
{
    HelpFixture h(deutsch);
    h.f.form->show();
    bool gesehen = false;
    onNextModal<TForm2>([&](TForm2& d) {
        gesehen = true;
        EXPECT_TRUE(d.hilfe1->isEnabled());
        EXPECT_EQ(d.hilfe1->shortcut(), QKeySequence(Qt::Key_F1));
        QTest::mouseClick(d.ActionToolBar1->widgetForAction(d.hilfe1), Qt::LeftButton);
        QTest::mouseClick(d.ActionToolBar1->widgetForAction(d.schliessen1), Qt::LeftButton);
    });
    h.action(Aktion::vollbild).trigger();
    EXPECT_TRUE(gesehen);
    ASSERT_EQ(h.viewer->aufrufe().size(), 1);
    EXPECT_EQ(h.viewer->aufrufe()[0].adresse, h.f.form->helpFile() + QStringLiteral("::HTML\\page03.htm"));
    EXPECT_EQ(h.viewer->aufrufe()[0].befehl, HilfeBefehl::thema);
    EXPECT_EQ(h.viewer->aufrufe()[0].sprache, Sprache::deutsch);
}

TEST(HelpActions, TheManualInputAndWebSafeHelpButtonsOpenTheirTopics)
{
    ShownWindow f; // English: no "TNVersion"
    auto v = std::make_unique<RecordingHelpViewer>();
    RecordingHelpViewer* viewer = v.get();
    f.form->hilfe().setHelpViewer(std::move(v));

    onNextModal<TfEingabe>([&](TfEingabe& d) {
        EXPECT_TRUE(d.Button1->isEnabled());
        QTest::mouseClick(d.Button1, Qt::LeftButton);
        d.Button2->click();
    });
    f.form->aktion("gezielteManuelleEingabeVonWerten")->trigger();
    onNextModal<TOKBottomDlg1>([&](TOKBottomDlg1& d) {
        EXPECT_TRUE(d.Button4->isEnabled());
        QTest::mouseClick(d.Button4, Qt::LeftButton);
        d.Button3->click();
    });
    f.form->aktion("inWebsichereFarbenUmwandeln")->trigger();

    ASSERT_EQ(viewer->aufrufe().size(), 2);
    EXPECT_EQ(viewer->aufrufe()[0].adresse, f.form->helpFile() + QStringLiteral("::HTML\\page05.htm"));
    EXPECT_EQ(viewer->aufrufe()[1].adresse, f.form->helpFile() + QStringLiteral("::HTML\\page06.htm"));
    for (const auto& aufruf : viewer->aufrufe()) {
        EXPECT_EQ(aufruf.befehl, HilfeBefehl::thema);
        EXPECT_EQ(aufruf.sprache, Sprache::englisch);
    }
}
