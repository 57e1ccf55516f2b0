#include "ui/display/Fixing.h"

#include "core/documents/SettingsApply.h"
#include "core/language/LanguageTable.h"
#include "ui/display/DisplayHost.h"
#include "ui/display/DisplayParts.h"
#include "ui/display/FieldSelection.h"
#include "ui/language/ActionRegistry.h"
#include "ui/widgets/ColourPanel.h"
#include "ui/widgets/StaticText.h"

#include <QAction>
#include <QComboBox>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QSlider>
#include <QTextEdit>

namespace
{

void farbeUebernehmen(ColourPanel* ziel, const ColourPanel* quelle)
{
    if (quelle->hasColour())
        ziel->setColour(quelle->colour());
    else
        ziel->clearColour();
}

} // namespace

Fixing::Fixing(DisplayHost& host, DisplayParts& parts) : m_host(host), m_parts(parts) {}

void Fixing::connectWidgets()
{
    QAction& fixieren = m_host.actions().action(Aktion::fixieren);
    QObject::connect(&fixieren, &QAction::triggered, &m_host.hauptfenster(), [this] {
        const ColourDocument::Operation schritt(m_host.dokument(), StepKind::fixing);
        fixierenExecute();
    });
    fixieren.setEnabled(true);
}

FixEingaben Fixing::eingaben() const
{
    return eingabenAus(m_host.state());
}

void Fixing::fixiertMerken()
{
    m_host.dokument().fixStandSetzen(fixStandAus(m_host.state(), eingaben()));
}

bool Fixing::weichtVomFixStandAb() const
{
    return weichtAb(m_host.state(), eingaben());
}

// The action has flipped its check mark already when the user triggers it;
// the state record decides which way to switch.
void Fixing::fixierenExecute()
{
    if (m_host.state().fixiert)
        ausschalten();
    else
        einschalten();
}

void Fixing::einschalten()
{
    m_host.dokument().fixierenEin(fixStandAus(m_host.state(), eingaben()));
}

// Both halves take the single display's colours and texts.
void Fixing::haelftenFuellen()
{
    haelftenFaerben();
    textFelderVerdoppeln();
    untereReiheFuellen();
}

void Fixing::haelftenFaerben()
{
    MainWidgets& w = m_host.w();
    const std::pair<ColourPanel*, ColourPanel*> paare[] = {
        {w.FixedLinks, w.Anzeige_Normal},         {w.FixedRechts, w.Anzeige_Normal},
        {w.FixedLinksKleinRechts, w.KleinRechts}, {w.FixedKleinRechts, w.KleinRechts},
        {w.FixedLinksKleinLinks, w.KleinLinks},   {w.FixedKleinLinks, w.KleinLinks},
        {w.FixedLinksKleinMitte, w.KleinMitte},   {w.FixedKleinMitte, w.KleinMitte},
        {w.FixedLinksReihen, w.AnzeigeReihen},    {w.FixedRechtsReihen, w.AnzeigeReihen},
    };
    for (const auto& [ziel, quelle] : paare)
        farbeUebernehmen(ziel, quelle);
    for (std::size_t n = 1; n <= 15; ++n) {
        farbeUebernehmen(w.RLi[n], w.R[n]);
        farbeUebernehmen(w.RRe[n], w.R[n]);
    }
}

// The right half's text fields take the single display's; the left half gets copies.
void Fixing::textFelderVerdoppeln()
{
    MainWidgets& w = m_host.w();
    const std::array<QTextEdit*, 3> quellen{w.RichEdit1, w.RichEdit2, w.RichEdit3};
    const std::array<QTextEdit*, 3> kopien{w.RichEdit4, w.RichEdit5, w.RichEdit6};
    if (m_host.state().aktionen.textAnstelleFlaechen) {
        const std::array<ColourPanel*, 3> felder{w.FixedKleinRechts, w.FixedKleinLinks, w.FixedKleinMitte};
        for (std::size_t i = 0; i < 3; ++i) {
            moveInto(quellen[i], felder[i], true);
            kopien[i]->show();
        }
    }
    for (std::size_t i = 0; i < 3; ++i) {
        kopien[i]->clear();
        kopien[i]->setFont(quellen[i]->font());
        QPalette p = kopien[i]->palette();
        p.setColor(QPalette::Base, quellen[i]->palette().color(QPalette::Base));
        p.setColor(QPalette::Text, quellen[i]->palette().color(QPalette::Text));
        kopien[i]->setPalette(p);
        kopien[i]->setHtml(quellen[i]->toHtml());
    }
}

void Fixing::untereReiheFuellen()
{
    MainWidgets& w = m_host.w();
    const std::array<StaticText*, 32> texte = w.werteTexte();
    for (std::size_t i = 0; i < 16; ++i)
        texte[16 + i]->setText(texte[i]->text());
    const std::pair<ColourPanel*, ColourPanel*> swatches[] = {
        {w.Panel4, w.Panel8}, {w.Panel5, w.Panel9}, {w.Panel6, w.Panel10}, {w.Panel7, w.Panel11}};
    for (const auto& [oben, unten] : swatches) {
        if (oben->isHidden())
            continue;
        farbeUebernehmen(unten, oben);
        unten->show();
    }
}

void Fixing::ausschalten()
{
    m_host.dokument().fixierenAus();
}

// The single display carries on with the edited half's colours (unless the
// whole display is drawn anew) and texts.
void Fixing::einzelFuellen(bool mitFarben)
{
    if (mitFarben)
        einzelAnzeigeFaerben();
    textFelderZusammenlegen(m_linksGezeigt);
    untereReiheLeeren();
}

void Fixing::gezeigt()
{
    m_fixiertGezeigt = m_host.state().fixiert;
    m_linksGezeigt = m_host.state().fixLinksAktiv;
}

void Fixing::einzelAnzeigeFaerben()
{
    MainWidgets& w = m_host.w();
    farbeUebernehmen(w.Anzeige_Normal, w.FixedRechts);
    farbeUebernehmen(w.KleinRechts, w.FixedKleinRechts);
    farbeUebernehmen(w.KleinLinks, w.FixedKleinLinks);
    farbeUebernehmen(w.KleinMitte, w.FixedKleinMitte);
    for (std::size_t n = 1; n <= 15; ++n)
        farbeUebernehmen(w.R[n], w.RRe[n]);
    // A colour row's background is the window's, not a big field's.
    if (m_host.state().modus() != Modus::reihen)
        farbeUebernehmen(w.AnzeigeReihen, w.FixedRechtsReihen);
}

// The single display's text fields carry on with the edited half's texts; with
// the left half edited those are in the copies, which are about to be hidden.
void Fixing::textFelderZusammenlegen(bool linksBearbeitet)
{
    MainWidgets& w = m_host.w();
    const std::array<QTextEdit*, 3> edits{w.RichEdit1, w.RichEdit2, w.RichEdit3};
    const std::array<QTextEdit*, 3> kopien{w.RichEdit4, w.RichEdit5, w.RichEdit6};
    const std::array<ColourPanel*, 3> felder{w.KleinRechts, w.KleinLinks, w.KleinMitte};
    const bool textAn = m_host.state().aktionen.textAnstelleFlaechen;
    for (std::size_t i = 0; i < 3; ++i) {
        if (linksBearbeitet) {
            edits[i]->setFont(kopien[i]->font());
            edits[i]->setPalette(kopien[i]->palette());
            edits[i]->setHtml(kopien[i]->toHtml());
        }
        moveInto(edits[i], felder[i], true);
        edits[i]->setVisible(textAn);
        kopien[i]->hide();
    }
}

void Fixing::untereReiheLeeren()
{
    MainWidgets& w = m_host.w();
    const std::array<StaticText*, 32> texte = w.werteTexte();
    for (std::size_t i = 16; i < 32; ++i)
        texte[i]->setText(QString());
    for (ColourPanel* p : {w.Panel8, w.Panel9, w.Panel10, w.Panel11})
        p->hide();
}

void Fixing::fixiertAuslesenAlle()
{
    seiteWechseln(false);
}

void Fixing::fixiertAuslesenAlleLi()
{
    seiteWechseln(true);
}

void Fixing::seiteWechseln(bool links)
{
    const MainState& s = m_host.state();
    ColourDocument& d = m_host.dokument();
    d.haelfteWaehlen(links);
    if (!(links ? s.fixWechselLinks : s.fixWechselRechts) || !s.aktionen.fixieren)
        return;
    d.wechselErledigt(links);
    if (!weichtVomFixStandAb())
        return;
    {
        // Panels keep their colours and values while a snapshot is swapped in.
        const QScopedValueRollback sperre(d.ablauf().anzeigeSperre, true);
        fixiertAuslesen();
    }
    m_host.dokument().separatWinkelMarkerErneuern();
}

// The stored combination goes to the document through the core's routine, as
// a block of a settings file does, and the display is drawn once from it.
void Fixing::fixiertAuslesen()
{
    const FixStand f = m_host.state().fixStand;
    fixiertMerken();
    m_host.dokument().einstellungAnwenden(schnappschussEinstellung(f, m_host.state().nurWebsicher));
    MainWidgets& w = m_host.w();
    w.ComboBox2->setEnabled(false);
    w.ComboBox2->setEnabled(true);
}

void Fixing::zurueckZurAltenFlaecheRe(const QString& text)
{
    zurueckZurAltenFlaeche(text, false);
}

void Fixing::zurueckZurAltenFlaecheLi(const QString& text)
{
    zurueckZurAltenFlaeche(text, true);
}

void Fixing::zurueckZurAltenFlaeche(const QString& text, bool links)
{
    const LanguageTable& t = m_host.sprache();
    FieldSelection& a = *m_parts.selection;
    if (text == t.text(Txt::statusGrossAusgewaehlt))
        a.haelfteBearbeiten(links);
    else if (text == t.text(Txt::statusRechtsAusgewaehlt))
        links ? a.FixedLinksKleinRechtsClick() : a.KleinRechtsClick();
    else if (text == t.text(Txt::statusLinksAusgewaehlt))
        links ? a.FixedLinksKleinLinksClick() : a.KleinLinksClick();
    else if (text == t.text(Txt::statusMitteAusgewaehlt))
        links ? a.FixedLinksKleinMitteClick() : a.KleinMitteClick();
}
