#include "ui/shell/HelpActions.h"

#include "core/language/LanguageTable.h"
#include "core/prefs/ProgramFolders.h"
#include "core/prefs/RegistryForm.h"
#include "platform/desktop/HelpViewer.h"
#include "platform/desktop/LazyHelpViewer.h"
#include "platform/desktop/ShellOpener.h"
#include "ui/dialogs/AboutBox.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

HelpActions::HelpActions(HelpHost& form)
    : m_form(form), m_viewer(std::make_unique<LazyHelpViewer>(programDataFolders(),
                                                              LazyHelpViewer::defaultLibraryFolders())),
      m_ordner(programDataFolders())
{
}

HelpActions::~HelpActions() = default;

void HelpActions::setHelpViewer(std::unique_ptr<HelpViewer> viewer)
{
    if (viewer)
        m_viewer = std::move(viewer);
}

void HelpActions::hilfeInhaltExecute()
{
    m_viewer->htmlHelp(m_form.helpFile(), HelpCommand::content, m_form.uiLanguage().uiLanguage());
}

void HelpActions::showHelpTopic(const QString& topic)
{
    m_viewer->htmlHelp(m_form.helpFile() + topic, HelpCommand::topic, m_form.uiLanguage().uiLanguage());
}

void HelpActions::HtmlHelpExecute(int tag)
{
    TfRegistryForm* prefs = m_form.preferences();
    if (!prefs)
        return;
    // The page of the tag; any other tag gives the start page.
    const QString page = m_form.uiLanguage().tutorialPage(tag);
    const QUrl address = prefs->tutorialPathSet() ? savedPage(*prefs, page) : defaultPage(*prefs, page);
    if (!address.isEmpty()) {
        // The answer may come after this returns; the window may be gone by then.
        QPointer<QWidget> topWindow(&m_form.helpWindow());
        m_form.shellOpener().openOrReport(address, [this, topWindow, address] {
            if (topWindow)
                reportNotOpened(address);
        });
        return;
    }
    if (askYesNo(m_form.uiLanguage().text(Txt::tutorialNotFound)))
        m_form.showSettingsTutorial();
}

QUrl HelpActions::savedPage(const TfRegistryForm& prefs, const QString& page) const
{
    const QUrl address = asUrl(tutorialPageFromPath(prefs.tutorialPfad, page));
    // A moved or deleted tutorial gets the question; a browser would only show an error page.
    // A web address is the browser's to judge.
    if (address.isLocalFile() && !QFileInfo::exists(address.toLocalFile()))
        return {};
    return address;
}

QUrl HelpActions::defaultPage(TfRegistryForm& prefs, const QString& page) const
{
    const QString relative = QStringLiteral("tutorial/") + relativeTutorialPage(page);
    const QString kandidat = findInFolders(m_ordner, relative);
    if (kandidat.isEmpty())
        return {};
    const QString folder = kandidat.left(kandidat.size() - relative.size());
    prefs.tutorialPfad = QDir::toNativeSeparators(folder + QStringLiteral("tutorial/index.html"));
    return QUrl::fromLocalFile(QFileInfo(kandidat).absoluteFilePath());
}

void HelpActions::hilfeInfoExecute()
{
    if (!m_aboutBox)
        m_aboutBox = std::make_unique<TAboutBox>(m_form.uiLanguage(), m_form.shellOpener());
    m_aboutBox->exec();
}

void HelpActions::onlineCheckAufUpdateExecute()
{
    if (askYesNo(m_form.uiLanguage().text(Txt::updateQuestion)))
        m_form.shellOpener().tryOpen(QUrl(m_form.uiLanguage().text(Txt::updatePage)));
}

// Without a browser the desktop opens nothing and says nothing; the user should know.
void HelpActions::reportNotOpened(const QUrl& address)
{
    const LanguageTable& t = m_form.uiLanguage();
    const QString name =
        address.isLocalFile() ? QDir::toNativeSeparators(address.toLocalFile()) : address.toString();
    QMessageBox box(QMessageBox::Critical, t.text(Txt::errorBox), t.text(Txt::tutorialNotOpened).arg(name),
                    QMessageBox::Ok, &m_form.helpWindow());
    box.setObjectName(QStringLiteral("TutorialNotOpened"));
    box.exec();
}

bool HelpActions::askYesNo(const QString& text)
{
    QMessageBox questionBox(QMessageBox::Question, m_form.uiLanguage().text(Txt::questionBox), text,
                            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, &m_form.helpWindow());
    questionBox.setObjectName(QStringLiteral("HelpQuestion"));
    questionBox.setDefaultButton(QMessageBox::Yes);
    return questionBox.exec() == QMessageBox::Yes;
}
