#include "ui/display/WebSafeDisplay.h"

#include "core/colour/Conversions.h"
#include "core/harmony/SameColour.h"
#include "ui/dialogs/TOKBottomDlg1.h"
#include "ui/display/DisplayHost.h"
#include "ui/display/DisplayParts.h"
#include "ui/display/FieldDisplay.h"
#include "ui/language/ActionRegistry.h"
#include "ui/widgets/ColourPanel.h"
#include "ui/widgets/MainWidgets.h"
#include "ui/widgets/StaticText.h"

#include "core/language/LanguageTable.h"

#include <QAction>
#include <QMessageBox>

namespace
{

} // namespace

WebSafeDisplay::WebSafeDisplay(DisplayHost& host, Widgets widgets, DisplayParts& parts)
    : m_host(host), m_w(widgets), m_parts(parts)
{
}

void WebSafeDisplay::connectWidgets()
{
    QAction& a = m_host.actions().action(ActionId::nurWebsichereFarbenAnzeigen);
    QObject::connect(&a, &QAction::triggered, &m_host.mainWindow(),
                     [this] { nurWebsichereFarbenAnzeigenExecute(); });
    a.setEnabled(true);
    QAction& umwandeln = m_host.actions().action(ActionId::inWebsichereFarbenUmwandeln);
    QObject::connect(&umwandeln, &QAction::triggered, &m_host.mainWindow(),
                     [this] { inWebsichereFarbenUmwandelnExecute(); });
    umwandeln.setEnabled(!m_host.state().actionSet.nurWebsichereFarbenAnzeigen);
}

void WebSafeDisplay::hideWarning()
{
    m_w.warning.Panel1->hide();
}

// The warning judges the neighbours of a painted row.
void WebSafeDisplay::follow(Changes was)
{
    // Switched on or off before the recompute's warning is judged.
    if (was & Change::viewOptions)
        present();
    if (was & Change::farben && isRowMode(m_host.state().harmonyMode()))
        checkWarning();
}

void WebSafeDisplay::inWebsichereFarbenUmwandelnExecute()
{
    if (isRowMode(m_host.state().harmonyMode())) {
        const LanguageTable& t = m_host.uiLanguage();
        QMessageBox::information(&m_host.mainWindow(), t.text(Txt::note), t.text(Txt::webSafeFanning));
        return;
    }
    TOKBottomDlg1 dialog(m_host.uiLanguage(), webFieldAccess(), &m_host.mainWindow());
    // What the dialog assigns is one step, however often it is asked.
    m_host.colourDocument().beginGesture(StepKind::webSafeColours);
    dialog.exec();
    m_host.colourDocument().endGesture();
}

void WebSafeDisplay::nurWebsichereFarbenAnzeigenExecute()
{
    // The state says what was on; a triggered checkable action has already flipped its mark.
    m_host.colourDocument().toggleWebSafeOnly();
}

// The web-safe dialog is not offered while the display is web-safe.
void WebSafeDisplay::present()
{
    const bool an = m_host.state().actionSet.nurWebsichereFarbenAnzeigen;
    if (an == m_angezeigt)
        return;
    m_angezeigt = an;
    m_w.warning.Panel1->hide();
    QAction& umwandeln = m_host.actions().action(ActionId::inWebsichereFarbenUmwandeln);
    if (!an) {
        // Given back only if it was usable: an action without its dialog stays off.
        umwandeln.setEnabled(m_umwandelnWarAn);
    } else {
        m_umwandelnWarAn = umwandeln.isEnabled();
        umwandeln.setEnabled(false);
    }
}

bool WebSafeDisplay::checkFarbengleichheit() const
{
    return sameColourInRow(m_parts.display->shownRow());
}

void WebSafeDisplay::checkWarning()
{
    if (!m_host.state().actionSet.nurWebsichereFarbenAnzeigen)
        return;
    ColourPanel* warnung = m_w.warning.Panel1;
    if (checkFarbengleichheit()) {
        warnung->show();
        warnung->raise();
    } else {
        warnung->hide();
    }
}

WebFieldAccess WebSafeDisplay::webFieldAccess()
{
    const auto readIn = [this](Field field) { return m_parts.display->shownField(field); };
    const auto assignColour = [this](Field field, const QColor& c) {
        m_parts.display->showAllocatedColour(field, c);
        m_host.colourDocument().webSafeAssigned();
    };
    return {readIn, assignColour, [this] { m_host.showHelpTopic(QStringLiteral("::HTML\\page06.htm")); }};
}
