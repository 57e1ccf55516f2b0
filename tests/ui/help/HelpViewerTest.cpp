// The Qt Help viewer on the help files the build compiled.

#include "platform/desktop/HelpWindow.h"
#include "platform/desktop/LazyHelpViewer.h"
#include "platform/desktop/QtHelpViewer.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QMessageBox>
#include <QFile>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>

#include "support/ModalGuard.h"

#include <gtest/gtest.h>

namespace
{

const QString daten = QStringLiteral(TINCTORA_PROGRAM_DATA);
const QString quellen = QStringLiteral(TINCTORA_RESOURCES) + QStringLiteral("/help");

QString code(Sprache s)
{
    return s == Sprache::englisch ? QStringLiteral("en") : QStringLiteral("de");
}

// The <title> of a help page's source file.
QString titelVon(const QString& pfad)
{
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const auto m = QRegularExpression(QStringLiteral("<title>(.*)</title>"))
                       .match(QString::fromUtf8(f.readAll()));
    return m.hasMatch() ? m.captured(1).replace(QStringLiteral("&amp;"), QStringLiteral("&")) : QString();
}

} // namespace

TEST(QtHelpViewer, ContentsOpenInTheRequestedLanguage)
{
    for (Sprache s : {Sprache::deutsch, Sprache::englisch}) {
        QtHelpViewer viewer({daten});
        EXPECT_EQ(viewer.fenster(), nullptr); // nothing is loaded before help is asked for
        EXPECT_TRUE(viewer.htmlHelp(daten + QStringLiteral("/manual.chm"), HilfeBefehl::inhalt, s));
        HelpWindow* w = viewer.fenster();
        ASSERT_NE(w, nullptr);
        ASSERT_TRUE(w->geladen());
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(w->reiter()->currentIndex(), 0);
        EXPECT_EQ(w->browser()->source(),
                  QUrl(QStringLiteral("qthelp://org.tinctora.manual.%1/doc/HTML/index.htm").arg(code(s))));
        EXPECT_EQ(w->browser()->documentTitle(),
                  s == Sprache::englisch ? QStringLiteral("Tinctora Help") : QStringLiteral("Tinctora-Hilfe"));
        EXPECT_TRUE(w->windowTitle().startsWith(QStringLiteral("Tinctora")));
    }
}

TEST(QtHelpViewer, EveryTopicAddressOpensItsPage)
{
    for (Sprache s : {Sprache::deutsch, Sprache::englisch}) {
        QtHelpViewer viewer({daten});
        const QDir html(quellen + QStringLiteral("/") + code(s) + QStringLiteral("/HTML"));
        const QStringList seiten = html.entryList({QStringLiteral("*.htm")}, QDir::Files, QDir::Name);
        ASSERT_GE(seiten.size(), 19);
        for (const QString& seite : seiten) {
            const QString adresse = daten + QStringLiteral("/manual.chm::HTML\\") + seite;
            EXPECT_TRUE(viewer.htmlHelp(adresse, HilfeBefehl::thema, s)) << seite.toStdString();
            HelpWindow* w = viewer.fenster();
            ASSERT_NE(w, nullptr);
            EXPECT_EQ(w->browser()->source(), w->themaUrl(QStringLiteral("HTML/") + seite));
            EXPECT_EQ(w->browser()->documentTitle(), titelVon(html.filePath(seite))) << seite.toStdString();
            EXPECT_GT(w->browser()->toPlainText().size(), 200) << seite.toStdString();
        }
    }
}

TEST(QtHelpViewer, TheDialogTopicsExistInBothLanguages)
{
    for (Sprache s : {Sprache::deutsch, Sprache::englisch}) {
        QtHelpViewer viewer({daten});
        for (const char* thema : {"::HTML\\page03.htm", "::HTML\\page05.htm", "::HTML\\page06.htm"})
            EXPECT_TRUE(viewer.htmlHelp(daten + QStringLiteral("/manual.chm") + QString::fromLatin1(thema),
                                        HilfeBefehl::thema, s))
                << thema;
    }
}

TEST(QtHelpViewer, AnUnknownTopicShowsTheContentsPage)
{
    QtHelpViewer viewer({daten});
    EXPECT_FALSE(viewer.htmlHelp(daten + QStringLiteral("/manual.chm::HTML\\page99.htm"), HilfeBefehl::thema,
                                 Sprache::englisch));
    ASSERT_NE(viewer.fenster(), nullptr);
    EXPECT_EQ(viewer.fenster()->browser()->source(), viewer.fenster()->themaUrl(QStringLiteral("HTML/index.htm")));
}

TEST(QtHelpViewer, AMissingHelpFileIsReportedByTheViewer)
{
    QTemporaryDir leer;
    QtHelpViewer viewer({leer.path()});
    EXPECT_FALSE(viewer.htmlHelp(leer.filePath(QStringLiteral("manual.chm")), HilfeBefehl::inhalt, Sprache::englisch));
    ASSERT_NE(viewer.fenster(), nullptr);
    EXPECT_TRUE(viewer.fenster()->isVisible());
    EXPECT_TRUE(viewer.fenster()->browser()->toPlainText().contains(QStringLiteral("manual-en.qch")));
}

TEST(QtHelpViewer, TheInstalledDataFolderIsSearchedToo)
{
    QTemporaryDir programm;
    QtHelpViewer viewer({programm.path(), daten});
    EXPECT_TRUE(viewer.htmlHelp(programm.filePath(QStringLiteral("manual.chm::HTML\\page05.htm")), HilfeBefehl::thema,
                                Sprache::deutsch));
}

TEST(QtHelpViewer, TheHelpWindowDoesNotKeepTheProgramRunning)
{
    QtHelpViewer viewer({daten});
    viewer.htmlHelp(daten + QStringLiteral("/manual.chm"), HilfeBefehl::inhalt, Sprache::englisch);
    ASSERT_NE(viewer.fenster(), nullptr);
    EXPECT_FALSE(viewer.fenster()->testAttribute(Qt::WA_QuitOnClose));
}

TEST(LazyHelpViewer, LoadsTheViewerLibraryOnlyWhenHelpIsFirstOpened)
{
    LazyHelpViewer viewer({daten}, {daten});
    EXPECT_EQ(viewer.geladen(), nullptr);
    EXPECT_TRUE(viewer.htmlHelp(daten + QStringLiteral("/manual.chm::HTML\\page03.htm"), HilfeBefehl::thema,
                                Sprache::englisch));
    ASSERT_NE(viewer.geladen(), nullptr);
    bool fensterOffen = false;
    for (QWidget* w : QApplication::topLevelWidgets())
        fensterOffen |= w->objectName() == QStringLiteral("HelpWindow") && w->isVisible();
    EXPECT_TRUE(fensterOffen);
}

TEST(LazyHelpViewer, AMissingViewerLibraryIsReportedInAWindow)
{
    QTemporaryDir leer;
    LazyHelpViewer viewer({daten}, {leer.path()});
    EXPECT_FALSE(viewer.htmlHelp(daten + QStringLiteral("/manual.chm"), HilfeBefehl::inhalt, Sprache::deutsch));
    EXPECT_EQ(viewer.geladen(), nullptr);
    QMessageBox* meldung = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QStringLiteral("HelpViewerMissing") && w->isVisible())
            meldung = qobject_cast<QMessageBox*>(w);
    ASSERT_NE(meldung, nullptr);
    EXPECT_EQ(meldung->text(), QStringLiteral("Die Hilfe konnte nicht geladen werden."));
    meldung->close();
}

TEST(QtHelpViewer, HelpOpenedFromAModalWindowStaysUsableAboveIt)
{
    QtHelpViewer viewer({daten});
    QDialog dialog;
    Qt::WindowModality waehrend = Qt::NonModal;
    onNextModal<QDialog>([&](QDialog& d) {
        viewer.htmlHelp(daten + QStringLiteral("/manual.chm::HTML\\page03.htm"), HilfeBefehl::thema, Sprache::englisch);
        ASSERT_NE(viewer.fenster(), nullptr);
        waehrend = viewer.fenster()->windowModality();
        viewer.fenster()->close();
        d.reject();
    });
    dialog.exec();
    EXPECT_EQ(waehrend, Qt::ApplicationModal);
    // Opened from the main window it blocks nothing.
    viewer.htmlHelp(daten + QStringLiteral("/manual.chm"), HilfeBefehl::inhalt, Sprache::englisch);
    EXPECT_EQ(viewer.fenster()->windowModality(), Qt::NonModal);
    EXPECT_TRUE(viewer.fenster()->isVisible());
}
