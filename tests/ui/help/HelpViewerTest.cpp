// The Qt Help viewer on the help files the build compiled.

#include "platform/desktop/HelpWindow.h"
#include "platform/desktop/LazyHelpViewer.h"
#include "platform/desktop/QtHelpViewer.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>

#include "support/ModalGuard.h"

#include <gtest/gtest.h>

namespace
{

const QString payload = QStringLiteral(TINCTORA_PROGRAM_DATA);
const QString quellen = QStringLiteral(TINCTORA_RESOURCES) + QStringLiteral("/help");

QString code(Language s)
{
    return s == Language::english ? QStringLiteral("en") : QStringLiteral("de");
}

// The <title> of a help page's source file.
QString titelVon(const QString& pathName)
{
    QFile f(pathName);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const auto m =
        QRegularExpression(QStringLiteral("<title>(.*)</title>")).match(QString::fromUtf8(f.readAll()));
    return m.hasMatch() ? m.captured(1).replace(QStringLiteral("&amp;"), QStringLiteral("&")) : QString();
}

} // namespace

TEST(QtHelpViewer, ContentsOpenInTheRequestedLanguage)
{
    for (Language s : {Language::german, Language::english}) {
        QtHelpViewer viewer({payload});
        EXPECT_EQ(viewer.topWindow(), nullptr); // nothing is loaded before help is asked for
        EXPECT_TRUE(viewer.htmlHelp(payload + QStringLiteral("/manual.chm"), HelpCommand::content, s));
        HelpWindow* w = viewer.topWindow();
        ASSERT_NE(w, nullptr);
        ASSERT_TRUE(w->loaded());
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(w->tabs()->currentIndex(), 0);
        EXPECT_EQ(w->browser()->source(),
                  QUrl(QStringLiteral("qthelp://org.tinctora.manual.%1/doc/HTML/index.htm").arg(code(s))));
        EXPECT_EQ(w->browser()->documentTitle(), s == Language::english ? QStringLiteral("Tinctora Help")
                                                                        : QStringLiteral("Tinctora-Hilfe"));
        EXPECT_TRUE(w->windowTitle().startsWith(QStringLiteral("Tinctora")));
    }
}

TEST(QtHelpViewer, EveryTopicAddressOpensItsPage)
{
    for (Language s : {Language::german, Language::english}) {
        QtHelpViewer viewer({payload});
        const QDir html(quellen + QStringLiteral("/") + code(s) + QStringLiteral("/HTML"));
        const QStringList pages = html.entryList({QStringLiteral("*.htm")}, QDir::Files, QDir::Name);
        ASSERT_GE(pages.size(), 19);
        for (const QString& page : pages) {
            const QString address = payload + QStringLiteral("/manual.chm::HTML\\") + page;
            EXPECT_TRUE(viewer.htmlHelp(address, HelpCommand::topic, s)) << page.toStdString();
            HelpWindow* w = viewer.topWindow();
            ASSERT_NE(w, nullptr);
            EXPECT_EQ(w->browser()->source(), w->topicUrl(QStringLiteral("HTML/") + page));
            EXPECT_EQ(w->browser()->documentTitle(), titelVon(html.filePath(page))) << page.toStdString();
            EXPECT_GT(w->browser()->toPlainText().size(), 200) << page.toStdString();
        }
    }
}

TEST(QtHelpViewer, TheDialogTopicsExistInBothLanguages)
{
    for (Language s : {Language::german, Language::english}) {
        QtHelpViewer viewer({payload});
        for (const char* topic : {"::HTML\\page03.htm", "::HTML\\page05.htm", "::HTML\\page06.htm"})
            EXPECT_TRUE(viewer.htmlHelp(payload + QStringLiteral("/manual.chm") + QString::fromLatin1(topic),
                                        HelpCommand::topic, s))
                << topic;
    }
}

TEST(QtHelpViewer, AnUnknownTopicShowsTheContentsPage)
{
    QtHelpViewer viewer({payload});
    EXPECT_FALSE(viewer.htmlHelp(payload + QStringLiteral("/manual.chm::HTML\\page99.htm"),
                                 HelpCommand::topic, Language::english));
    ASSERT_NE(viewer.topWindow(), nullptr);
    EXPECT_EQ(viewer.topWindow()->browser()->source(),
              viewer.topWindow()->topicUrl(QStringLiteral("HTML/index.htm")));
}

TEST(QtHelpViewer, AMissingHelpFileIsReportedByTheViewer)
{
    QTemporaryDir blank;
    QtHelpViewer viewer({blank.path()});
    EXPECT_FALSE(viewer.htmlHelp(blank.filePath(QStringLiteral("manual.chm")), HelpCommand::content,
                                 Language::english));
    ASSERT_NE(viewer.topWindow(), nullptr);
    EXPECT_TRUE(viewer.topWindow()->isVisible());
    EXPECT_TRUE(viewer.topWindow()->browser()->toPlainText().contains(QStringLiteral("manual-en.qch")));
}

TEST(QtHelpViewer, TheInstalledDataFolderIsSearchedToo)
{
    QTemporaryDir programm;
    QtHelpViewer viewer({programm.path(), payload});
    EXPECT_TRUE(viewer.htmlHelp(programm.filePath(QStringLiteral("manual.chm::HTML\\page05.htm")),
                                HelpCommand::topic, Language::german));
}

TEST(QtHelpViewer, TheHelpWindowDoesNotKeepTheProgramRunning)
{
    QtHelpViewer viewer({payload});
    viewer.htmlHelp(payload + QStringLiteral("/manual.chm"), HelpCommand::content, Language::english);
    ASSERT_NE(viewer.topWindow(), nullptr);
    EXPECT_FALSE(viewer.topWindow()->testAttribute(Qt::WA_QuitOnClose));
}

TEST(LazyHelpViewer, LoadsTheViewerLibraryOnlyWhenHelpIsFirstOpened)
{
    LazyHelpViewer viewer({payload}, {payload});
    EXPECT_EQ(viewer.loaded(), nullptr);
    EXPECT_TRUE(viewer.htmlHelp(payload + QStringLiteral("/manual.chm::HTML\\page03.htm"), HelpCommand::topic,
                                Language::english));
    ASSERT_NE(viewer.loaded(), nullptr);
    bool fensterOffen = false;
    for (QWidget* w : QApplication::topLevelWidgets())
        fensterOffen |= w->objectName() == QStringLiteral("HelpWindow") && w->isVisible();
    EXPECT_TRUE(fensterOffen);
}

TEST(LazyHelpViewer, AMissingViewerLibraryIsReportedInAWindow)
{
    QTemporaryDir blank;
    LazyHelpViewer viewer({payload}, {blank.path()});
    EXPECT_FALSE(
        viewer.htmlHelp(payload + QStringLiteral("/manual.chm"), HelpCommand::content, Language::german));
    EXPECT_EQ(viewer.loaded(), nullptr);
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
    QtHelpViewer viewer({payload});
    QDialog dialog;
    Qt::WindowModality waehrend = Qt::NonModal;
    onNextModal<QDialog>([&](QDialog& d) {
        viewer.htmlHelp(payload + QStringLiteral("/manual.chm::HTML\\page03.htm"), HelpCommand::topic,
                        Language::english);
        ASSERT_NE(viewer.topWindow(), nullptr);
        waehrend = viewer.topWindow()->windowModality();
        viewer.topWindow()->close();
        d.reject();
    });
    dialog.exec();
    EXPECT_EQ(waehrend, Qt::ApplicationModal);
    // Opened from the main window it blocks nothing.
    viewer.htmlHelp(payload + QStringLiteral("/manual.chm"), HelpCommand::content, Language::english);
    EXPECT_EQ(viewer.topWindow()->windowModality(), Qt::NonModal);
    EXPECT_TRUE(viewer.topWindow()->isVisible());
}
