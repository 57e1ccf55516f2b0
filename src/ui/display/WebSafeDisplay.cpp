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

struct WebFeldWidgets {
    ColourPanel* panel;
    std::array<StaticText*, 3> rgb;
    StaticText* hex;
};

// The half being edited: its mode is the one the dialog was opened for.
WebFeldWidgets webFeldWidgets(const MainWidgets& w, const MainState& s, Feld feld)
{
    const bool fix = s.fixiert;
    if (fix && s.fixLinksAktiv) {
        switch (feld) {
        case Feld::gross:
            return {w.FixedLinks, {w.SGrUnR, w.SGrUnG, w.SGrUnB}, w.SGrUnHex};
        case Feld::links:
            return {w.FixedLinksKleinLinks, {w.SKlUnLiR, w.SKlUnLiG, w.SKlUnLiB}, w.SKlUnLiHex};
        case Feld::mitte:
            return {w.FixedLinksKleinMitte, {w.SKlUnMiR, w.SKlUnMiG, w.SKlUnMiB}, w.SKlUnMiHex};
        case Feld::rechts:
            break;
        }
        return {w.FixedLinksKleinRechts, {w.SKlUnR, w.SKlUnG, w.SKlUnB}, w.SKlUnHex};
    }
    switch (feld) {
    case Feld::gross:
        return {fix ? w.FixedRechts : w.Anzeige_Normal, {w.SGrObR, w.SGrObG, w.SGrObB}, w.SGrObHex};
    case Feld::links:
        return {fix ? w.FixedKleinLinks : w.KleinLinks, {w.SKlObLiR, w.SKlObLiG, w.SKlObLiB}, w.SKlObLiHex};
    case Feld::mitte:
        return {fix ? w.FixedKleinMitte : w.KleinMitte, {w.SKlObMiR, w.SKlObMiG, w.SKlObMiB}, w.SKlObMiHex};
    case Feld::rechts:
        break;
    }
    return {fix ? w.FixedKleinRechts : w.KleinRechts, {w.SKlObR, w.SKlObG, w.SKlObB}, w.SKlObHex};
}

} // namespace

WebSafeDisplay::WebSafeDisplay(DisplayHost& host, DisplayParts& parts) : m_host(host), m_parts(parts) {}

void WebSafeDisplay::connectWidgets()
{
    QAction& a = m_host.actions().action(Aktion::nurWebsichereFarbenAnzeigen);
    QObject::connect(&a, &QAction::triggered, &m_host.hauptfenster(), [this] {
        const ColourDocument::Operation ansicht(m_host.dokument(), StepKind::view);
        nurWebsichereFarbenAnzeigenExecute();
    });
    a.setEnabled(true);
    // The warning judges the neighbours of a painted row.
    QObject::connect(&m_host.dokument(), &ColourDocument::geaendert, &m_host.hauptfenster(),
                     [this](Aenderungen was) {
                         if (was & Aenderung::farben && istReihenModus(m_host.state().modus()))
                             warnungPruefen();
                     });
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
    TOKBottomDlg1 dialog(m_host.sprache(), webFeldZugang(), &m_host.hauptfenster());
    // What the dialog assigns is one step, however often it is asked.
    m_host.dokument().gesteBeginnen(StepKind::webSafeColours);
    dialog.exec();
    m_host.dokument().gesteBeenden();
}

void WebSafeDisplay::nurWebsichereFarbenAnzeigenExecute()
{
    // The state says what was on; a triggered checkable action has already flipped its mark.
    m_host.dokument().nurWebsicherSetzen(!m_host.state().aktionen.nurWebsichereFarbenAnzeigen);
    zeigen();
    neuBerechnen();
}

// The web-safe dialog is not offered while the display is web-safe.
void WebSafeDisplay::zeigen()
{
    const bool an = m_host.state().aktionen.nurWebsichereFarbenAnzeigen;
    if (an == m_angezeigt)
        return;
    m_angezeigt = an;
    m_host.w().Panel1->hide();
    QAction& umwandeln = m_host.actions().action(Aktion::inWebsichereFarbenUmwandeln);
    if (!an) {
        // Given back only if it was usable: an action without its dialog stays off.
        umwandeln.setEnabled(m_umwandelnWarAn);
    } else {
        m_umwandelnWarAn = umwandeln.isEnabled();
        umwandeln.setEnabled(false);
    }
}

void WebSafeDisplay::neuBerechnen()
{
    m_host.dokument().datenHolenAmTeilnehmer();
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

WebFeldZugang WebSafeDisplay::webFeldZugang()
{
    const auto lesen = [this](Feld feld) {
        const WebFeldWidgets f = webFeldWidgets(m_host.w(), m_host.state(), feld);
        return WebFeldAnzeige{f.panel->colour(), {f.rgb[0]->text(), f.rgb[1]->text(), f.rgb[2]->text()}};
    };
    const auto zuweisen = [this](Feld feld, const QColor& c) {
        const WebFeldWidgets f = webFeldWidgets(m_host.w(), m_host.state(), feld);
        f.panel->setColour(c);
        const std::array<int, 3> kanaele{c.red(), c.green(), c.blue()};
        for (std::size_t i = 0; i < 3; ++i)
            f.rgb[i]->setText(QString::number(kanaele[i]));
        f.hex->setText(hexText(c.red(), c.green(), c.blue()));
        m_host.dokument().websicherZugewiesen();
    };
    return {lesen, zuweisen, [this] { m_host.hilfeThemaZeigen(QStringLiteral("::HTML\\page06.htm")); }};
}
