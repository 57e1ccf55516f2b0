#include "ui/display/Fixing.h"

#include "core/language/LanguageTable.h"
#include "ui/display/DisplayHost.h"
#include "ui/display/DisplayParts.h"
#include "ui/display/FieldSelection.h"
#include "ui/language/ActionRegistry.h"

#include <QAction>

Fixing::Fixing(DisplayHost& host, DisplayParts& parts) : m_host(host), m_parts(parts) {}

void Fixing::connectWidgets()
{
    QAction& fixieren = m_host.actions().action(ActionId::fixieren);
    QObject::connect(&fixieren, &QAction::triggered, &m_host.mainWindow(), [this] { fixierenExecute(); });
    fixieren.setEnabled(true);
}

// The action has flipped its check mark already when the user triggers it;
// the state record decides which way to switch.
void Fixing::fixierenExecute()
{
    m_host.colourDocument().toggleFixing();
}

void Fixing::zurueckZurAltenFlaecheRe(const QString& text)
{
    zurueckZurAltenFlaeche(text, false);
}

void Fixing::zurueckZurAltenFlaecheLi(const QString& text)
{
    zurueckZurAltenFlaeche(text, true);
}

void Fixing::zurueckZurAltenFlaeche(const QString& text, bool left)
{
    const LanguageTable& t = m_host.uiLanguage();
    FieldSelection& a = *m_parts.selection;
    if (text == t.text(Txt::statusBigSelected))
        a.editHalf(left);
    else if (text == t.text(Txt::statusRightSelected))
        left ? a.FixedLinksKleinRechtsClick() : a.KleinRechtsClick();
    else if (text == t.text(Txt::statusLeftSelected))
        left ? a.FixedLinksKleinLinksClick() : a.KleinLinksClick();
    else if (text == t.text(Txt::statusCentreSelected))
        left ? a.FixedLinksKleinMitteClick() : a.KleinMitteClick();
}
