#include "ui/display/FieldDisplay.h"

#include "core/colour/Conversions.h"
#include "ui/display/DisplayHost.h"
#include "ui/language/ActionRegistry.h"
#include "ui/widgets/ColourPanel.h"
#include "ui/widgets/PictureBox.h"
#include "ui/widgets/StaticText.h"

#include <QAction>
#include <QTextEdit>
#include <algorithm>
#include <array>

namespace
{

QColor alsFarbe(Rgb c)
{
    return QColor(c.r, c.g, c.b);
}

// Whether the mode shows a small field's value row: 2-colour shows the right one
// alone, 3-colour all but the centre; fanning and rows name their outer fields there.
bool modeShowsValueRow(Feld feld, Modus modus)
{
    if (modus == Modus::zweier)
        return feld == Feld::rechts;
    if (modus == Modus::dreier)
        return feld != Feld::mitte;
    return true;
}

} // namespace

FieldDisplay::FieldDisplay(DisplayHost& host) : m_host(host) {}

// The first to hear the document: whatever moved a light/dark point or made
// the recompute mix the fields, they are painted before the other views follow.
void FieldDisplay::connectWidgets()
{
    QObject::connect(&m_host.dokument(), &ColourDocument::geaendert, &m_host.hauptfenster(),
                     [this](Aenderungen was) {
                         if (was & (Aenderung::hellDunkel | Aenderung::gemischt) && !(was & Aenderung::ganz))
                             teilnehmerMalen();
                     });
}

void FieldDisplay::teilnehmerMalen()
{
    const MainState& s = m_host.state();
    if (reihenModus())
        reihenMalen(s, *this);
    else
        farben(s, *this);
}

void FieldDisplay::allesMalen()
{
    const MainState& s = m_host.state();
    if (reihenModus())
        reihenMalen(s, *this);
    else
        harmonieMalen(s, *this);
}

bool FieldDisplay::reihenModus() const
{
    return istReihenModus(m_host.state().modus());
}

bool FieldDisplay::linksBearbeitet() const
{
    return m_host.state().fixLinksAktiv;
}

// While a fixed snapshot is swapped in, the panels keep what they show.
void FieldDisplay::panelFaerben(ColourPanel* panel, const QColor& farbe)
{
    if (!m_host.state().ablauf.anzeigeSperre)
        panel->setColour(farbe);
}

void FieldDisplay::richEditHintergrund(QTextEdit* edit, const QColor& farbe)
{
    if (m_host.state().ablauf.anzeigeSperre)
        return;
    QPalette p = edit->palette();
    if (edit->testAttribute(Qt::WA_SetPalette) && p.color(QPalette::Base) == farbe)
        return;
    p.setColor(QPalette::Base, farbe);
    edit->setPalette(p);
}

// The text view's font colours follow even a swapped-in snapshot.
void FieldDisplay::richEditSchrift(QTextEdit* edit, const QColor& farbe)
{
    QPalette p = edit->palette();
    if (edit->testAttribute(Qt::WA_SetPalette) && p.color(QPalette::Text) == farbe)
        return;
    p.setColor(QPalette::Text, farbe);
    edit->setPalette(p);
}

void FieldDisplay::werteSchreiben(StaticText* r, StaticText* g, StaticText* b, StaticText* hex,
                                  const QColor& farbe)
{
    if (!m_host.state().ablauf.anzeigeSperre)
        ::werteSchreiben(r, g, b, hex, farbe);
}

void FieldDisplay::eingabeStattArgumenten(Feld feld, int& r, int& g, int& b) const
{
    const MainState& s = m_host.state();
    if (!s.eingabeAuf(feld))
        return;
    r = std::min(s.eingabeWert[0], 255);
    g = std::min(s.eingabeWert[1], 255);
    b = std::min(s.eingabeWert[2], 255);
}

void FieldDisplay::gemalt()
{
    m_host.actions().action(Aktion::dateiSpeichern).setEnabled(true);
    const MainState& s = m_host.state();
    // Allocated web-safe colours are gone only when their own half is repainted:
    // a swap paints no panel, and the other half's repaint leaves them showing.
    if (!s.ablauf.anzeigeSperre && (!s.fixiert || linksBearbeitet() == s.websicherLinks))
        m_host.dokument().websicherVergessen();
}

void FieldDisplay::GrosseFlaeche(int r, int g, int b)
{
    const MainState& s = m_host.state();
    MainWidgets& w = m_host.w();
    eingabeStattArgumenten(Feld::gross, r, g, b);
    const QColor farbe = alsFarbe(anzeigeFarbe(r, g, b, s.nurWebsicher));
    const bool links = linksBearbeitet();

    panelFaerben(links ? w.Panel8 : w.Panel4, farbe);
    if (reihenModus()) {
        panelFaerben(!s.fixiert ? w.AnzeigeReihen : (links ? w.FixedLinksReihen : w.FixedRechtsReihen),
                     farbe);
    } else {
        // The rim round two fixed halves stands on the window background.
        if (!s.fixiert)
            panelFaerben(w.Anzeige, farbe);
        panelFaerben(!s.fixiert ? w.Anzeige_Normal : (links ? w.FixedLinks : w.FixedRechts), farbe);
    }
    if (links)
        werteSchreiben(w.SGrUnR, w.SGrUnG, w.SGrUnB, w.SGrUnHex, farbe);
    else
        werteSchreiben(w.SGrObR, w.SGrObG, w.SGrObB, w.SGrObHex, farbe);
    if (s.eingabeTexteAuf() && !s.ablauf.anzeigeSperre) {
        const std::array<StaticText*, 4> ziele = links ? std::array{w.SGrUnR, w.SGrUnG, w.SGrUnB, w.SGrUnHex}
                                                       : std::array{w.SGrObR, w.SGrObG, w.SGrObB, w.SGrObHex};
        for (std::size_t i = 0; i < 4; ++i)
            ziele[i]->setText(QString::fromUtf16(s.eingabeText[i].data()));
    }
    const std::array<QTextEdit*, 3> edits = links ? std::array{w.RichEdit4, w.RichEdit5, w.RichEdit6}
                                                  : std::array{w.RichEdit1, w.RichEdit2, w.RichEdit3};
    for (QTextEdit* e : edits)
        richEditHintergrund(e, farbe);
    gemalt();
}

void FieldDisplay::KleineFlaecheA(int r, int g, int b)
{
    kleineFlaeche(Feld::rechts, r, g, b);
}

void FieldDisplay::KleineFlaecheB(int r, int g, int b)
{
    kleineFlaeche(Feld::links, r, g, b);
}

void FieldDisplay::KleineFlaecheC(int r, int g, int b)
{
    kleineFlaeche(Feld::mitte, r, g, b);
}

void FieldDisplay::kleineFlaeche(Feld feld, int r, int g, int b)
{
    const MainState& s = m_host.state();
    MainWidgets& w = m_host.w();
    eingabeStattArgumenten(feld, r, g, b);
    const QColor farbe = alsFarbe(anzeigeFarbe(r, g, b, s.nurWebsicher));
    const bool links = linksBearbeitet();

    struct Felder {
        ColourPanel *swatchOben, *swatchUnten;
        ColourPanel *feld, *feldFixedLinks, *feldFixedRechts;
        std::size_t reihenFeld; // 0: the field stays a small field in every mode
        StaticText *obR, *obG, *obB, *obHex, *unR, *unG, *unB, *unHex;
        QTextEdit *richEditOben, *richEditUnten;
    };
    const Felder f = [&]() -> Felder {
        switch (feld) {
        case Feld::rechts:
            return {w.Panel7,           w.Panel11,  w.KleinRechts, w.FixedLinksKleinRechts,
                    w.FixedKleinRechts, 15,         w.SKlObR,      w.SKlObG,
                    w.SKlObB,           w.SKlObHex, w.SKlUnR,      w.SKlUnG,
                    w.SKlUnB,           w.SKlUnHex, w.RichEdit1,   w.RichEdit4};
        case Feld::links:
            return {w.Panel5,          w.Panel9,
                    w.KleinLinks,      w.FixedLinksKleinLinks,
                    w.FixedKleinLinks, 1,
                    w.SKlObLiR,        w.SKlObLiG,
                    w.SKlObLiB,        w.SKlObLiHex,
                    w.SKlUnLiR,        w.SKlUnLiG,
                    w.SKlUnLiB,        w.SKlUnLiHex,
                    w.RichEdit2,       w.RichEdit5};
        case Feld::gross: // the big field has its own routine
        case Feld::mitte:
            break;
        }
        return {w.Panel6,          w.Panel10,
                w.KleinMitte,      w.FixedLinksKleinMitte,
                w.FixedKleinMitte, 0,
                w.SKlObMiR,        w.SKlObMiG,
                w.SKlObMiB,        w.SKlObMiHex,
                w.SKlUnMiR,        w.SKlUnMiG,
                w.SKlUnMiB,        w.SKlUnMiHex,
                w.RichEdit3,       w.RichEdit6};
    }();

    panelFaerben(links ? f.swatchUnten : f.swatchOben, farbe);
    if (reihenModus() && f.reihenFeld != 0) {
        const auto& reihe = !s.fixiert ? w.R : (links ? w.RLi : w.RRe);
        panelFaerben(reihe[f.reihenFeld], farbe);
    } else {
        panelFaerben(!s.fixiert ? f.feld : (links ? f.feldFixedLinks : f.feldFixedRechts), farbe);
    }
    // A field the mode lacks can still be painted (the text view re-selects the
    // right half's fields); its value row keeps the "-" the mode wrote.
    if (modeShowsValueRow(feld, s.modus())) {
        if (links)
            werteSchreiben(f.unR, f.unG, f.unB, f.unHex, farbe);
        else
            werteSchreiben(f.obR, f.obG, f.obB, f.obHex, farbe);
    }
    richEditSchrift(links ? f.richEditUnten : f.richEditOben, farbe);
    gemalt();
}

void FieldDisplay::KleineFlaecheN(int r, int g, int b, int n)
{
    if (n < 1 || n > 15)
        return;
    const MainState& s = m_host.state();
    MainWidgets& w = m_host.w();
    const QColor farbe = alsFarbe(anzeigeFarbe(r, g, b, s.nurWebsicher));
    const auto feld = static_cast<std::size_t>(n);

    if (!s.fixiert) {
        if (n == 8) {
            panelFaerben(w.Panel6, farbe);
            werteSchreiben(w.SKlObMiR, w.SKlObMiG, w.SKlObMiB, w.SKlObMiHex, farbe);
        }
        panelFaerben(w.R[feld], farbe);
    } else if (!s.ablauf.anzeigeSperre) {
        const bool links = linksBearbeitet();
        if (n == 8) {
            panelFaerben(links ? w.Panel10 : w.Panel6, farbe);
            if (links)
                werteSchreiben(w.SKlUnMiR, w.SKlUnMiG, w.SKlUnMiB, w.SKlUnMiHex, farbe);
            else
                werteSchreiben(w.SKlObMiR, w.SKlObMiG, w.SKlObMiB, w.SKlObMiHex, farbe);
        }
        panelFaerben(links ? w.RLi[feld] : w.RRe[feld], farbe);
    }
    gemalt();
}
