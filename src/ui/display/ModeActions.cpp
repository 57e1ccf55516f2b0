#include "ui/display/ModeActions.h"

#include "core/language/ControlTexts.h"
#include "ui/display/BandAngleControls.h"
#include "ui/display/DisplayHost.h"
#include "ui/display/DisplayParts.h"
#include "ui/display/FieldDisplay.h"
#include "ui/display/FieldSelection.h"
#include "ui/display/LightDarkField.h"
#include "ui/display/TextView.h"
#include "ui/language/ActionRegistry.h"
#include "ui/layout/WindowLayoutUi.h"
#include "ui/widgets/ColourPanel.h"
#include "ui/widgets/StaticText.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QSlider>
#include <QTextEdit>
#include <algorithm>

namespace
{

bool istHarmonie(Modus m)
{
    return !istReihenModus(m);
}

Aktion aktionFuer(Modus m)
{
    switch (m) {
    case Modus::zweier:
        return Aktion::zweierHarmonien;
    case Modus::dreier:
        return Aktion::dreierHarmonien;
    case Modus::vierer:
        return Aktion::viererHarmonien;
    case Modus::auffaecher:
        return Aktion::auffaecherungen;
    case Modus::reihen:
        break;
    }
    return Aktion::farbreihen;
}

void zeigen(ColourPanel* panel, bool sichtbar)
{
    panel->setVisible(sichtbar);
}

} // namespace

ModeActions::ModeActions(DisplayHost& host, DisplayParts& parts)
    : m_host(host), m_parts(parts), m_haelften(host)
{
}

void ModeActions::connectWidgets()
{
    const auto verbinden = [this](Modus m, void (ModeActions::*handler)()) {
        QAction& a = modusAktion(m);
        QObject::connect(&a, &QAction::triggered, &m_host.hauptfenster(),
                         [this, handler] { (this->*handler)(); });
        a.setEnabled(true);
    };
    verbinden(Modus::zweier, &ModeActions::zweierHarmonienExecute);
    verbinden(Modus::dreier, &ModeActions::dreierHarmonienExecute);
    verbinden(Modus::vierer, &ModeActions::viererHarmonienExecute);
    verbinden(Modus::auffaecher, &ModeActions::auffaecherungenExecute);
    verbinden(Modus::reihen, &ModeActions::farbreihenExecute);
    QObject::connect(m_host.w().ComboBox1, &QComboBox::activated, &m_host.hauptfenster(), [this] {
        const ColourDocument::Operation anzahl(m_host.dokument(), StepKind::fieldCount);
        ComboBox1Change();
    });

    WindowLayoutUi& layout = m_host.layout();
    layout.showPanels = [this] { showPanels(); };
    layout.reihenNeuAuslegen = [this] { reihenNeuAuslegen(); };
}

QAction& ModeActions::modusAktion(Modus modus) const
{
    return m_host.actions().action(aktionFuer(modus));
}

void ModeActions::zweierHarmonienExecute()
{
    modusWechseln(Modus::zweier);
}

void ModeActions::dreierHarmonienExecute()
{
    modusWechseln(Modus::dreier);
}

void ModeActions::viererHarmonienExecute()
{
    modusWechseln(Modus::vierer);
}

void ModeActions::auffaecherungenExecute()
{
    modusWechseln(Modus::auffaecher);
}

void ModeActions::farbreihenExecute()
{
    modusWechseln(Modus::reihen);
}

void ModeActions::modusWechseln(Modus modus)
{
    const ColourDocument::Operation wechsel(m_host.dokument(), StepKind::harmonyType);
    const MainState& s = m_host.state();
    if (!istHarmonie(modus)) {
        // Separate adjustment is switched off through its own action.
        QAction& separat = m_host.actions().action(Aktion::farbenSeparatEinstellen);
        if (s.separatModus && separat.isChecked())
            separat.trigger();
        m_host.dokument().modusFelderSetzen(modus);
    }
    aktionenFuerModus(modus);
    if (s.eingabeUebernommen) {
        m_host.dokument().eingabeUebernommen(false);
        m_host.dokument().hellDunkelErneuern();
    }
    m_host.dokument().eingabeFarbeAktiv(false);
    zielAnpassen(modus);
    modusAnzeigen(modus);
    felderUndWinkel(modus);
    neuBerechnen(modus);
    anzeigeZeigen(modus);
    werteReihenVorbereiten(modus);
    hideAll();
    // Back in a harmony a checked text view shows its texts again, as the state says.
    m_parts.text->zeigen();
    m_host.dokument().separatWinkelMarkerErneuern();
}

// The light/dark target stays on a field the new mode has.
void ModeActions::zielAnpassen(Modus modus)
{
    const MainState& s = m_host.state();
    bool nachRechts = false;
    switch (modus) {
    case Modus::zweier:
        nachRechts = s.hdZielMitte() || s.hdZielLinks();
        break;
    case Modus::dreier:
    case Modus::auffaecher:
        nachRechts = s.hdZielMitte();
        break;
    case Modus::reihen:
        nachRechts = s.hdZielMitte() || s.hdZielGross();
        break;
    case Modus::vierer:
        break;
    }
    if (nachRechts)
        m_parts.selection->KleinRechtsClick2();
}

void ModeActions::modusAnzeigen(Modus modus)
{
    statusTextZeigen(modus);
    m_host.dokument().modusSetzen(modus);
}

// Colour rows leave the manual input and the pipette as they are, and offer no
// separate adjustment; a harmony has no same-colour warning.
void ModeActions::aktionenFuerModus(Modus modus)
{
    if (modus != Modus::reihen) {
        m_host.actions().action(Aktion::gezielteManuelleEingabeVonWerten).setEnabled(true);
        m_host.actions().action(Aktion::pipette).setEnabled(true);
    }
    if (istHarmonie(modus))
        m_host.w().Panel1->hide();
    else
        m_host.actions().action(Aktion::farbenSeparatEinstellen).setEnabled(false);
}

void ModeActions::statusTextZeigen(Modus modus)
{
    const Txt text = modusStatusText(static_cast<int>(modus));
    m_host.w().statusPanel0->setText(QStringLiteral("  ") + m_host.sprache().text(text));
}

// The fields, controls and value rows of the state's mode, as switching to it
// leaves them, without computing anything.
void ModeActions::modusZeigen()
{
    const Modus modus = m_host.state().modus();
    aktionenFuerModus(modus);
    statusTextZeigen(modus);
    winkelSteuerungZeigen(modus);
    anzeigeZeigen(modus);
    werteReihenVorbereiten(modus);
    hideAll();
}

void ModeActions::felderUndWinkel(Modus modus)
{
    m_host.dokument().modusFelderSetzen(modus);
    winkelSteuerungZeigen(modus);
}

void ModeActions::winkelSteuerungZeigen(Modus modus)
{
    // The angle controls follow the document's announcement of the mode.
    MainWidgets& w = m_host.w();
    w.ComboBox1->setEnabled(istReihenModus(modus));
    w.Button1->setEnabled(istReihenModus(modus));
    if (istHarmonie(modus))
        m_host.actions().action(Aktion::farbenSeparatEinstellen).setEnabled(true);
    if (istReihenModus(modus)) {
        for (QRadioButton* r : {w.RadioButton1, w.RadioButton2, w.RadioButton3, w.RadioButton4})
            r->setEnabled(false);
    }
}

void ModeActions::neuBerechnen(Modus modus)
{
    const MainState& s = m_host.state();
    MainWidgets& w = m_host.w();
    FieldSelection& auswahl = *m_parts.selection;
    if (istHarmonie(modus) && s.separatModus) {
        // The checked button's handler takes its field again; added fields get their colours.
        if (w.RadioButton1->isChecked())
            auswahl.RadioButton1Click();
        else if (w.RadioButton2->isChecked())
            auswahl.RadioButton2Click();
        else if (w.RadioButton3->isChecked())
            auswahl.RadioButton3Click();
        else if (w.RadioButton4->isChecked())
            auswahl.RadioButton4Click();
        if (modus == Modus::dreier || modus == Modus::vierer)
            auswahl.KleinLinksClick2();
        if (modus == Modus::vierer)
            auswahl.KleinMitteClick2();
    } else if (modus == Modus::zweier) {
        m_host.dokument().datenHolen(s.posGross(), true);
    }

    m_host.rotieren();
    m_parts.band->TrackBarAllChange(nullptr);
    if (istReihenModus(modus))
        m_host.dokument().hellDunkelErneuern();

    if (istHarmonie(modus)) {
        if (s.aktionen.textAnstelleFlaechen)
            checkBoxenResetten2();
    } else if (modus == Modus::auffaecher && s.hdZielGross()) {
        {
            const QScopedValueRollback sammeln(m_host.dokument().ablauf().sammelLauf, true);
            auswahl.KleinRechtsClick2();
        }
        auswahl.Anzeige_NormalClick2();
    }
}

void ModeActions::anzeigeZeigen(Modus modus)
{
    MainWidgets& w = m_host.w();
    if (modus == Modus::reihen) {
        // A colour row stands on the window background.
        const QColor hintergrund = w.panelHintergrund->colour();
        w.Anzeige->setColour(hintergrund);
        w.AnzeigeReihen->setColour(hintergrund);
    }
    if (m_host.state().fixiert) {
        const MainState& s = m_host.state();
        // The half's count may be from before a swap that restored a harmony,
        // which leaves the field count alone: its rows are the current count's.
        m_host.dokument().stufenSetzen(s.stufenAnzahl);
        // Only the edited half changes its mode.
        if (modus == Modus::reihen)
            (m_host.state().fixLinksAktiv ? w.FixedLinksReihen : w.FixedRechtsReihen)
                ->setColour(w.panelHintergrund->colour());
        m_haelften.halbeZeigen(modus, m_host.state().fixLinksAktiv);
        return;
    }
    einzelLayout(modus);
}

// The fields of a mode in the single display.
void ModeActions::einzelLayout(Modus modus)
{
    switch (modus) {
    case Modus::zweier:
        showZweier();
        break;
    case Modus::dreier:
        showDreier();
        break;
    case Modus::vierer:
        showVierer();
        break;
    case Modus::auffaecher:
    case Modus::reihen:
        // The marker follows the live mode, which a fixed half may have changed.
        m_host.w().AnzeigeReihen->setMarker(modus == Modus::auffaecher ? 1 : 0);
        showAuffaecher();
        // Rings of a longer row fixed earlier are not in use now.
        hidePanels();
        break;
    }
}

// Fields of the edited value row the mode does not use show "-"; swatches follow the mode.
void ModeActions::werteReihenVorbereiten(Modus modus)
{
    const MainState& s = m_host.state();
    // A swapped-in snapshot leaves both rows as they are, like the panels.
    if (s.ablauf.anzeigeSperre)
        return;
    MainWidgets& w = m_host.w();
    const bool unten = s.fixiert && s.fixLinksAktiv;
    if (modus == Modus::zweier) {
        if (unten)
            strichSchreiben({w.SKlUnLiR, w.SKlUnLiG, w.SKlUnLiB, w.SKlUnLiHex, w.SKlUnMiR, w.SKlUnMiG,
                             w.SKlUnMiB, w.SKlUnMiHex});
        else
            strichSchreiben({w.SKlObLiR, w.SKlObLiG, w.SKlObLiB, w.SKlObLiHex, w.SKlObMiR, w.SKlObMiG,
                             w.SKlObMiB, w.SKlObMiHex});
    } else if (modus == Modus::dreier) {
        // The centre row's values from a 4-colour harmony would stand beside no swatch.
        if (unten)
            strichSchreiben({w.SKlUnMiR, w.SKlUnMiG, w.SKlUnMiB, w.SKlUnMiHex});
        else
            strichSchreiben({w.SKlObMiR, w.SKlObMiG, w.SKlObMiB, w.SKlObMiHex});
    } else if (modus == Modus::reihen) {
        if (unten)
            strichSchreiben({w.SGrUnR, w.SGrUnG, w.SGrUnB, w.SGrUnHex});
        else
            strichSchreiben({w.SGrObR, w.SGrObG, w.SGrObB, w.SGrObHex});
    }
    const bool gross = modus != Modus::reihen;
    const bool links = modus != Modus::zweier;
    const bool mitte = modus != Modus::zweier && modus != Modus::dreier;
    if (unten) {
        zeigen(w.Panel8, gross);
        zeigen(w.Panel9, links);
        zeigen(w.Panel10, mitte);
        zeigen(w.Panel11, true);
    } else {
        // The right-hand swatch (Panel7) is always in use.
        zeigen(w.Panel4, gross);
        zeigen(w.Panel5, links);
        zeigen(w.Panel6, mitte);
    }
}

// The single display laid out for the state's mode, after fixing.
void ModeActions::einzelAnzeigeZeigen()
{
    MainWidgets& w = m_host.w();
    einzelLayout(m_host.state().modus());
    w.FixedLinksReihen->setMarker(1);
    w.FixedRechtsReihen->setMarker(1);
    hideAll();
}

void ModeActions::hideAll()
{
    const MainState& s = m_host.state();
    if (s.ablauf.anzeigeSperre)
        return;
    MainWidgets& w = m_host.w();
    ColourPanel* versteck = w.PanelContainer2;
    if (s.aktionen.fixieren) {
        moveInto(w.Anzeige_Normal, versteck);
        moveInto(w.AnzeigeReihen, versteck);
    } else {
        for (ColourPanel* p : {w.FixedLinksReihen, w.FixedRechtsReihen, w.FixedLinks, w.FixedRechts})
            moveInto(p, versteck);
    }
    const Modus modus = s.modus();
    if (modus != Modus::vierer) {
        moveInto(w.KleinMitte, versteck);
        moveInto(s.fixLinksAktiv ? w.FixedLinksKleinMitte : w.FixedKleinMitte, versteck);
    }
    if (modus != Modus::dreier && modus != Modus::vierer) {
        moveInto(w.KleinLinks, versteck);
        moveInto(s.fixLinksAktiv ? w.FixedLinksKleinLinks : w.FixedKleinLinks, versteck);
    }
}

void ModeActions::showZweier()
{
    MainWidgets& w = m_host.w();
    moveInto(w.KleinRechts, w.Anzeige_Normal);
    moveInto(w.Anzeige_Normal, w.Anzeige, true);
    w.Anzeige_Normal->raise();
}

void ModeActions::showDreier()
{
    moveInto(m_host.w().KleinLinks, m_host.w().Anzeige_Normal);
    showZweier();
}

void ModeActions::showVierer()
{
    moveInto(m_host.w().KleinMitte, m_host.w().Anzeige_Normal);
    showDreier();
}

void ModeActions::showAuffaecher()
{
    MainWidgets& w = m_host.w();
    if (m_host.state().modus() == Modus::reihen) {
        const QColor hintergrund = w.panelHintergrund->colour();
        w.Anzeige->setColour(hintergrund);
        w.AnzeigeReihen->setColour(hintergrund);
    }
    showPanels();
    moveInto(w.AnzeigeReihen, w.Anzeige, true);
    w.AnzeigeReihen->raise();
}

// Rings from the step count outwards are not in use.
void ModeActions::hidePanels()
{
    const int stufen = m_host.state().stufenAnzahl;
    MainWidgets& w = m_host.w();
    for (int k = 1; k <= 6; ++k) {
        if (k < stufen)
            continue;
        moveInto(w.R[static_cast<std::size_t>(8 - k)], w.PanelContainer2);
        moveInto(w.R[static_cast<std::size_t>(8 + k)], w.PanelContainer2);
    }
}

// Rings in use join the row; the outer fields close it at its ends.
void ModeActions::showPanels()
{
    const MainState& s = m_host.state();
    MainWidgets& w = m_host.w();
    const int stufen = std::clamp(s.stufenAnzahl, 1, 7);
    for (int k = 1; k < stufen; ++k) {
        moveInto(w.R[static_cast<std::size_t>(8 - k)], w.AnzeigeReihen);
        moveInto(w.R[static_cast<std::size_t>(8 + k)], w.AnzeigeReihen);
    }
    ColourPanel* r1 = w.R[1];
    ColourPanel* r15 = w.R[15];
    if (s.ablauf.kleinesLayout) {
        r1->move(210 - 34 * (stufen - 1), r1->y());
        r15->move(278 + 34 * (stufen - 1), r15->y());
        return;
    }
    int links = 0, rechts = 0;
    if (stufen < 7) {
        links = w.R[static_cast<std::size_t>(8 - stufen)]->tag();
        rechts = w.R[static_cast<std::size_t>(8 + stufen)]->tag();
    } else {
        // Their home positions; their tags hold where they stand now. A hint
        // that is no number leaves the panel where it is.
        bool zahl1 = false, zahl15 = false;
        links = r1->hint().toInt(&zahl1);
        rechts = r15->hint().toInt(&zahl15);
        if (!zahl1)
            links = r1->x();
        if (!zahl15)
            rechts = r15->x();
    }
    r1->move(links, r1->y());
    r1->setTag(links);
    r15->move(rechts, r15->y());
    r15->setTag(rechts);
}

void ModeActions::reihenNeuAuslegen()
{
    hidePanels();
    showPanels();
}

void ModeActions::ComboBox1Change()
{
    const MainState& s = m_host.state();
    m_host.resetStaticText();
    m_host.dokument().stufenSetzen(std::clamp(m_host.w().ComboBox1->currentIndex() + 1, 1, 7));
    m_parts.band->TrackBarAllChange(nullptr);
    m_host.dokument().hellDunkelErneuern();
    if (s.hdZielGross()) {
        {
            const QScopedValueRollback sammeln(m_host.dokument().ablauf().sammelLauf, true);
            m_parts.selection->KleinRechtsClick2();
        }
        m_parts.selection->Anzeige_NormalClick2();
    }
    if (s.fixiert) {
        m_haelften.reiheAuslegen(s.fixLinksAktiv);
    } else {
        showPanels();
        hidePanels();
    }
}

void ModeActions::checkBoxenResetten2()
{
    MainWidgets& w = m_host.w();
    FieldSelection& auswahl = *m_parts.selection;
    const Feld zuletzt = w.RadioButton2->isChecked()   ? Feld::links
                         : w.RadioButton3->isChecked() ? Feld::mitte
                         : w.RadioButton4->isChecked() ? Feld::rechts
                                                       : Feld::gross;
    const auto sichtbar = [this](QTextEdit* e) { return e->isVisibleTo(&m_host.hauptfenster()); };
    {
        const QScopedValueRollback sammeln(m_host.dokument().ablauf().sammelLauf, true);
        if (zuletzt != Feld::gross)
            auswahl.waehlen(Feld::gross);
        if (zuletzt != Feld::rechts && sichtbar(w.RichEdit1))
            auswahl.waehlen(Feld::rechts);
        if (zuletzt != Feld::links && sichtbar(w.RichEdit2))
            auswahl.waehlen(Feld::links);
        if (zuletzt != Feld::mitte && sichtbar(w.RichEdit3))
            auswahl.waehlen(Feld::mitte);
    }
    auswahl.waehlen(zuletzt);
}

void ModeActions::realistischLuminoesExecute()
{
    m_host.dokument().datenHolenAmTeilnehmer();
    jedesFeldNeuHolen();
    m_host.dokument().separatWinkelMarkerErneuern();
}

// Every field of the mode is selected once, so that it takes the new band's
// colour at its own position with its own amounts (in separate adjustment a
// recompute moves only the field taking part); the one selected before is
// selected again at the end. Each is painted as the document announces it.
void ModeActions::jedesFeldNeuHolen()
{
    const MainState& s = m_host.state();
    FieldSelection& auswahl = *m_parts.selection;
    const Feld zuvor = s.hdZiel;
    {
        const QScopedValueRollback sammeln(m_host.dokument().ablauf().sammelLauf, true);
        for (const Feld f : alleFelder)
            if (f != zuvor && FieldSelection::imModus(f, s.modus()))
                auswahl.waehlen(f);
    }
    auswahl.waehlen(zuvor);
}

void ModeActions::modusWaehlen(Modus modus)
{
    switch (modus) {
    case Modus::zweier:
        zweierHarmonienExecute();
        break;
    case Modus::dreier:
        dreierHarmonienExecute();
        break;
    case Modus::vierer:
        viererHarmonienExecute();
        break;
    case Modus::auffaecher:
        auffaecherungenExecute();
        break;
    case Modus::reihen:
        farbreihenExecute();
        break;
    }
}
