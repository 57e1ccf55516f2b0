// The dialogs the main window opens for one task.

#include "shell/TForm1.h"

#include "desktop/ShellOpener.h"
#include "dialogs/Einstellungen.h"
#include "documents/TForm2.h"
#include "prefs/RegistryForm.h"
#include "shell/HelpActions.h"
#include "shell/TfBlind.h"

#include <QTabWidget>

void TForm1::setShellOpener(std::unique_ptr<ShellOpener> opener)
{
    if (opener)
        m_shellOpener = std::move(opener);
}

void TForm1::einstellungenMenuExecute()
{
    if (!m_preferences)
        return;
    const LanguageTable texte =
        m_blind ? m_blind->sprache : LanguageTable::forVersion(m_preferences->sprachVersion);
    // A new dialog each time: nothing of an earlier one survives.
    TEinstellungen dialog(*m_preferences, texte, *m_shellOpener, this);
    dialog.exec();
}

void TForm1::einstellungenTutorialZeigen()
{
    if (!m_preferences)
        return;
    TEinstellungen dialog(*m_preferences, sprache(), *m_shellOpener, this);
    dialog.PageControl1->setCurrentWidget(dialog.TabSheet2);
    dialog.exec();
}

void TForm1::hilfeInhaltExecute()
{
    m_hilfe->hilfeInhaltExecute();
}

void TForm1::hilfeThemaZeigen(const QString& thema)
{
    m_hilfe->hilfeThemaZeigen(thema);
}

void TForm1::HtmlHelpExecute(int tag)
{
    m_hilfe->HtmlHelpExecute(tag);
}

void TForm1::hilfeInfoExecute()
{
    m_hilfe->hilfeInfoExecute();
}

void TForm1::onlineCheckAufUpdateExecute()
{
    m_hilfe->onlineCheckAufUpdateExecute();
}

void TForm1::vollbildExecute()
{
    if (!m_vorschau)
        m_vorschau = std::make_unique<TForm2>(*this, *m_parts, this);
    m_vorschau->zeigen();
}
