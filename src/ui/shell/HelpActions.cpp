#include "ui/shell/HelpActions.h"

#include "core/prefs/ProgramFolders.h"
#include "core/prefs/RegistryForm.h"
#include "platform/desktop/HelpViewer.h"
#include "platform/desktop/LazyHelpViewer.h"
#include "platform/desktop/ShellOpener.h"
#include "ui/dialogs/AboutBox.h"
#include "ui/shell/TForm1.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

HelpActions::HelpActions(TForm1& form)
    : m_form(form), m_viewer(std::make_unique<LazyHelpViewer>(programmDatenOrdner(),
                                                              LazyHelpViewer::standardBibliothekOrdner())),
      m_ordner(programmDatenOrdner())
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
    m_viewer->htmlHelp(m_form.helpFile(), HilfeBefehl::inhalt, m_form.sprache().sprache());
}

void HelpActions::hilfeThemaZeigen(const QString& thema)
{
    m_viewer->htmlHelp(m_form.helpFile() + thema, HilfeBefehl::thema, m_form.sprache().sprache());
}

void HelpActions::HtmlHelpExecute(int tag)
{
    TfRegistryForm* prefs = m_form.preferences();
    if (!prefs)
        return;
    // The page of the tag; any other tag gives the start page.
    const QString seite = m_form.sprache().tutorialSeite(tag);
    const QUrl adresse =
        prefs->tutorialPfadGesetzt() ? gespeicherteSeite(*prefs, seite) : standardSeite(*prefs, seite);
    if (!adresse.isEmpty()) {
        // The answer may come after this returns; the window may be gone by then.
        QPointer<QWidget> fenster(&m_form);
        m_form.shellOpener().oeffnenOderMelden(adresse, [this, fenster, adresse] {
            if (fenster)
                meldeNichtGeoeffnet(adresse);
        });
        return;
    }
    if (frageJa(m_form.sprache().text(Txt::tutorialNichtGefunden)))
        m_form.einstellungenTutorialZeigen();
}

QUrl HelpActions::gespeicherteSeite(const TfRegistryForm& prefs, const QString& seite) const
{
    const QUrl adresse = alsAdresse(tutorialSeiteAusPfad(prefs.tutorialPfad, seite));
    // A moved or deleted tutorial gets the question; a browser would only show an error page.
    // A web address is the browser's to judge.
    if (adresse.isLocalFile() && !QFileInfo::exists(adresse.toLocalFile()))
        return {};
    return adresse;
}

QUrl HelpActions::standardSeite(TfRegistryForm& prefs, const QString& seite) const
{
    const QString relativ = QStringLiteral("tutorial/") + tutorialSeiteRelativ(seite);
    const QString kandidat = findeInOrdnern(m_ordner, relativ);
    if (kandidat.isEmpty())
        return {};
    const QString ordner = kandidat.left(kandidat.size() - relativ.size());
    prefs.tutorialPfad = QDir::toNativeSeparators(ordner + QStringLiteral("tutorial/index.html"));
    return QUrl::fromLocalFile(QFileInfo(kandidat).absoluteFilePath());
}

void HelpActions::hilfeInfoExecute()
{
    if (!m_aboutBox)
        m_aboutBox = std::make_unique<TAboutBox>(m_form.sprache(), m_form.shellOpener());
    m_aboutBox->exec();
}

void HelpActions::onlineCheckAufUpdateExecute()
{
    if (frageJa(m_form.sprache().text(Txt::updateFrage)))
        m_form.shellOpener().oeffnen(QUrl(m_form.sprache().text(Txt::updateSeite)));
}

// Without a browser the desktop opens nothing and says nothing; the user should know.
void HelpActions::meldeNichtGeoeffnet(const QUrl& adresse)
{
    const LanguageTable& t = m_form.sprache();
    const QString name =
        adresse.isLocalFile() ? QDir::toNativeSeparators(adresse.toLocalFile()) : adresse.toString();
    QMessageBox box(QMessageBox::Critical, t.text(Txt::fehler), t.text(Txt::tutorialNichtGeoeffnet).arg(name),
                    QMessageBox::Ok, &m_form);
    box.setObjectName(QStringLiteral("TutorialNotOpened"));
    box.exec();
}

bool HelpActions::frageJa(const QString& text)
{
    QMessageBox frage(QMessageBox::Question, m_form.sprache().text(Txt::frage), text,
                      QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, &m_form);
    frage.setObjectName(QStringLiteral("HelpQuestion"));
    frage.setDefaultButton(QMessageBox::Yes);
    return frage.exec() == QMessageBox::Yes;
}
