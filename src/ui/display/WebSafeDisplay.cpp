#include "ui/display/WebSafeDisplay.h"

#include "ui/dialogs/TOKBottomDlg1.h"
#include "ui/display/DisplayHost.h"
#include "ui/display/DisplayParts.h"
#include "ui/display/FieldDisplay.h"
#include "core/harmony/SameColour.h"
#include "ui/language/ActionRegistry.h"
#include "ui/widgets/ColourPanel.h"

#include "core/language/LanguageTable.h"

#include <QAction>
#include <QMessageBox>

WebSafeDisplay::WebSafeDisplay(DisplayHost& host, DisplayParts& parts) : m_host(host), m_parts(parts) {}

void WebSafeDisplay::connectWidgets()
{
    QAction& a = m_host.actions().action(Aktion::nurWebsichereFarbenAnzeigen);
    QObject::connect(&a, &QAction::triggered, &m_host.hauptfenster(),
                     [this] { nurWebsichereFarbenAnzeigenExecute(); });
    a.setEnabled(true);
    QAction& umwandeln = m_host.actions().action(Aktion::inWebsichereFarbenUmwandeln);
    QObject::connect(&umwandeln, &QAction::triggered, &m_host.hauptfenster(),
                     [this] { inWebsichereFarbenUmwandelnExecute(); });
    umwandeln.setEnabled(!m_host.state().aktionen.nurWebsichereFarbenAnzeigen);
}

void WebSafeDisplay::inWebsichereFarbenUmwandelnExecute()
{
    if (istReihenModus(m_host.state().modus())) {
        const LanguageTable& t = m_host.sprache();
        QMessageBox::information(&m_host.hauptfenster(), t.text(Txt::hinweis),
                                 t.text(Txt::websicherAuffaecherung));
        return;
    }
    TOKBottomDlg1 dialog(m_host, &m_host.hauptfenster());
    dialog.exec();
}

void WebSafeDisplay::nurWebsichereFarbenAnzeigenExecute()
{
    const MainState& s = m_host.state();
    m_host.w().Panel1->hide();
    QAction& anzeigen = m_host.actions().action(Aktion::nurWebsichereFarbenAnzeigen);
    QAction& umwandeln = m_host.actions().action(Aktion::inWebsichereFarbenUmwandeln);
    // The state says what was on; a triggered checkable action has already flipped its mark.
    const bool warAn = s.aktionen.nurWebsichereFarbenAnzeigen;
    anzeigen.setChecked(!warAn);
    m_host.dokument().nurWebsicherSetzen(!warAn);
    if (warAn) {
        // Given back only if it was usable: an action without its dialog stays off.
        umwandeln.setEnabled(m_umwandelnWarAn);
    } else {
        m_umwandelnWarAn = umwandeln.isEnabled();
        umwandeln.setEnabled(false);
    }
    neuBerechnen();
}

void WebSafeDisplay::neuBerechnen()
{
    m_parts.display->datenHolenAmTeilnehmer();
}

bool WebSafeDisplay::checkFarbengleichheit() const
{
    // The half being edited is the one whose repaint asks.
    const MainState& s = m_host.state();
    const MainWidgets& w = m_host.w();
    if (!s.fixiert)
        return reiheGleich(w.R);
    return reiheGleich(s.fixLinksAktiv ? w.RLi : w.RRe);
}

// A panel counts only where the user sees it: parked panels and the rows of a
// display that is not in use sit in the hidden container.
bool WebSafeDisplay::reiheGleich(const std::array<ColourPanel*, 16>& panels) const
{
    QWidget* fenster = &m_host.hauptfenster();
    Reihe reihe{};
    for (std::size_t n = 1; n <= 15; ++n) {
        const QColor c = panels[n]->colour();
        reihe[n] = {Rgb{c.red(), c.green(), c.blue()}, panels[n]->isVisibleTo(fenster)};
    }
    return gleicheFarbeInReihe(reihe);
}

void WebSafeDisplay::warnungPruefen()
{
    if (!m_host.state().aktionen.nurWebsichereFarbenAnzeigen)
        return;
    ColourPanel* warnung = m_host.w().Panel1;
    if (checkFarbengleichheit()) {
        warnung->show();
        warnung->raise();
    } else {
        warnung->hide();
    }
}
