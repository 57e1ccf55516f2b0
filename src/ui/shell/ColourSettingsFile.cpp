#include "ui/shell/ColourSettingsFile.h"

#include "platform/desktop/FileDialogs.h"
#include "ui/display/DisplayParts.h"
#include "ui/display/FieldSelection.h"
#include "ui/display/Fixing.h"
#include "ui/display/LightDarkField.h"
#include "ui/display/ModeActions.h"
#include "core/documents/SafeWrite.h"
#include "core/documents/SettingsApply.h"
#include "core/harmony/FixSnapshot.h"
#include "ui/language/ActionRegistry.h"
#include "core/language/LanguageTable.h"
#include "ui/shell/TForm1.h"
#include "ui/widgets/StaticText.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QSlider>

#include <algorithm>

namespace
{

WerteTexte werteTexte(const StaticText* r, const StaticText* g, const StaticText* b, const StaticText* hex)
{
    return {r->text(), g->text(), b->text(), hex->text()};
}

} // namespace

ColourSettingsFile::ColourSettingsFile(TForm1& form)
    : m_form(form), m_dialoge(std::make_unique<QtFileDialogs>())
{
}

ColourSettingsFile::~ColourSettingsFile() = default;

void ColourSettingsFile::connectActions()
{
    const ActionRegistry& aktionen = m_form.actions();
    const auto verbinden = [&](Aktion id, auto handler) {
        QAction& a = aktionen.action(id);
        QObject::connect(&a, &QAction::triggered, &m_form, [this, handler] { (this->*handler)(); });
        a.setEnabled(true);
    };
    verbinden(Aktion::dateiOeffnen, &ColourSettingsFile::dateiOeffnenExecute);
    verbinden(Aktion::ShortCutStrgO, &ColourSettingsFile::dateiOeffnenExecute);
    verbinden(Aktion::dateiSpeichern, &ColourSettingsFile::dateiSpeichernExecute);
    verbinden(Aktion::ShortCutStrgS, &ColourSettingsFile::dateiSpeichernExecute);
    verbinden(Aktion::dateiSpeichernUnter, &ColourSettingsFile::dateiSpeichernUnterExecute);
    speichernAktion().setEnabled(false);
}

void ColourSettingsFile::setDialogs(std::unique_ptr<FileDialogs> dialoge)
{
    if (dialoge)
        m_dialoge = std::move(dialoge);
}

QAction& ColourSettingsFile::speichernAktion() const
{
    return m_form.actions().action(Aktion::dateiSpeichern);
}

bool ColourSettingsFile::aktuelleDatei() const
{
    return m_form.windowTitle() != m_form.sprache().fensterTitel();
}

bool ColourSettingsFile::geaendert() const
{
    return speichernAktion().isEnabled();
}

bool ColourSettingsFile::frage(const QString& text) const
{
    QMessageBox box(QMessageBox::Question, m_form.sprache().text(Txt::frage), text,
                    QMessageBox::Yes | QMessageBox::No, &m_form);
    return box.exec() == QMessageBox::Yes;
}

void ColourSettingsFile::fehler(const QString& text) const
{
    QMessageBox box(QMessageBox::Critical, m_form.sprache().text(Txt::fehler), text, QMessageBox::Ok,
                    &m_form);
    box.exec();
}

ColourSettingsFile::Speichern ColourSettingsFile::dateiSpeichernExecute()
{
    const MainState& s = m_form.state();
    const LanguageTable& texte = m_form.sprache();
    if (s.websicherUebernommen && !frage(texte.text(Txt::websicherSpeichernFrage)))
        return Speichern::abgelehnt;
    const QString pfad = m_form.windowTitle();
    if (!aktuelleDatei())
        return dateiSpeichernUnterExecute();
    if (!dateiSchreiben(pfad, erfassen())) {
        fehler(texte.text(Txt::dateiNichtErstellt));
        return Speichern::fehlgeschlagen;
    }
    m_form.dokument().schrittAbschliessen();
    m_form.dokument().verlauf().setClean();
    speichernAktion().setEnabled(false);
    return Speichern::gespeichert;
}

DateiBloecke ColourSettingsFile::erfassen()
{
    const MainState& s = m_form.state();
    const MainWidgets& w = m_form.w();
    const auto geprueft = [this](const char* name) {
        const QAction* a = m_form.aktion(name);
        return a && a->isChecked();
    };
    FixStand aktuell = fixStandAus(s, eingabenAus(s));
    aktuell.fixSeparat = geprueft("farbenSeparatEinstellen") ? 1 : 0;
    m_form.dokument().dateiWerteAus(aktuell);
    const DateiOptionen optionen{.websicher = geprueft("nurWebsichereFarbenAnzeigen"),
                                 .textStatt = geprueft("TextAnstelleFlaechen") && !istReihenModus(s.modus()),
                                 .fixiert = geprueft("fixieren")};
    return dateiBloecke(aktuell, s.fixStand, s.fixLinksAktiv, optionen,
                        werteTexte(w.SGrObR, w.SGrObG, w.SGrObB, w.SGrObHex),
                        werteTexte(w.SGrUnR, w.SGrUnG, w.SGrUnB, w.SGrUnHex));
}

bool ColourSettingsFile::dateiSchreiben(const QString& pfad, const DateiBloecke& bloecke) const
{
    return dateiAtomarSchreiben(pfad, kodieren(bloecke));
}

ColourSettingsFile::Speichern ColourSettingsFile::dateiSpeichernUnterExecute()
{
    if (aktuelleDatei())
        m_letzterSpeichername = m_form.windowTitle();
    const std::optional<QString> gewaehlt =
        m_dialoge->speichern(&m_form, m_form.sprache().qtDateiFilter(), m_letzterSpeichername);
    if (!gewaehlt)
        return Speichern::abgelehnt;
    m_letzterSpeichername = *gewaehlt;
    const QString pfad = mitTnfxEndung(*gewaehlt);
    if (QFileInfo::exists(pfad) && !frage(m_form.sprache().text(Txt::dateiUeberschreiben)))
        return Speichern::abgelehnt;
    m_form.setWindowTitle(pfad);
    return dateiSpeichernExecute();
}

bool ColourSettingsFile::aenderungenSpeichernFragen()
{
    if (!aktuelleDatei() || !geaendert())
        return true;
    const QString name = QFileInfo(m_form.windowTitle()).fileName();
    if (!frage(m_form.sprache().text(Txt::aenderungenSpeichern) + name + QLatin1Char('?')))
        return true;
    // A No to the web-safe question is the user's choice; only a failed write stops.
    return dateiSpeichernExecute() != Speichern::fehlgeschlagen;
}

void ColourSettingsFile::dateiOeffnenExecute()
{
    if (!aenderungenSpeichernFragen())
        return;
    const std::optional<QString> pfad = m_dialoge->oeffnen(&m_form, m_form.sprache().qtDateiFilter());
    if (pfad)
        einlesenOhneHdFarbe(*pfad);
}

void ColourSettingsFile::pfadOeffnen(const QString& pfad)
{
    if (aenderungenSpeichernFragen())
        einlesenOhneHdFarbe(pfad);
}

void ColourSettingsFile::einlesenOhneHdFarbe(const QString& pfad)
{
    {
        const QScopedValueRollback sperre(m_form.dokument().ablauf().sperreHdFarbe, true);
        if (!datenEinlesen(pfad))
            return;
    }
    // Selecting the big field repaints it but changes nothing the file holds.
    const bool geladen = !geaendert();
    m_form.parts().selection->Anzeige_NormalClick2();
    // An opened file starts a history of its own.
    m_form.dokument().verlaufNeu();
    if (geladen)
        speichernAktion().setEnabled(false);
}

bool ColourSettingsFile::FormCloseQuery()
{
    return aenderungenSpeichernFragen();
}

// The whole file is read and checked before anything changes: a file that
// cannot be read leaves the display, fixing, caption and modified state alone.
bool ColourSettingsFile::datenEinlesen(const QString& pfad)
{
    const QString voll = QDir::cleanPath(QFileInfo(pfad).absoluteFilePath());
    GeleseneDatei d;
    QFile quelle(voll);
    if (quelle.open(QIODevice::ReadOnly))
        d = lesen(quelle, istZweiBlockDatei(voll));
    if (!d.vollstaendig) {
        const LanguageTable& texte = m_form.sprache();
        fehler(texte.text(Txt::dateiNichtGelesenVor) + voll + texte.text(Txt::dateiNichtGelesenNach));
        return false;
    }
    DisplayParts& parts = m_form.parts();
    if (m_form.state().fixiert)
        parts.fixing->fixierenExecute();
    anwenden(d, voll);
    QComboBox* hintergrund = m_form.w().ComboBox2;
    hintergrund->setEnabled(false);
    hintergrund->setEnabled(true);
    return true;
}

void ColourSettingsFile::anwenden(const GeleseneDatei& d, const QString& pfad)
{
    DisplayParts& parts = m_form.parts();
    kombinationAnwenden(*d.block1, pfad);
    if (d.fixiert == 1) {
        if (!m_form.state().fixiert)
            parts.fixing->fixierenExecute();
        // Not through the halves' click handlers: a colour row's background ignores clicks.
        parts.selection->haelfteBearbeiten(true);
        kombinationAnwenden(*d.block2, pfad);
        parts.selection->haelfteBearbeiten(false);
    }
    // Swapping the halves back repaints; the load is over only after it.
    speichernAktion().setEnabled(false);
}

// The block goes to the document through the core's routine, as every whole
// combination does; the display is then drawn once from the state.
void ColourSettingsFile::kombinationAnwenden(const EinstellungsBlock& b, const QString& pfad)
{
    const DateiEinstellung e = dateiEinstellung(b);
    ColourDocument& dokument = m_form.dokument();
    {
        const ColourDocument::Sammlung eineAenderung(dokument);
        dokument.dateiWerteMerken(b);
        dokument.einstellungAnwenden(e);
    }
    werteTexteAnwenden(e);
    m_form.setWindowTitle(pfad);
    speichernAktion().setEnabled(false);
}

// Into the value row of the combination being edited: the upper row would
// give the right-hand combination the left one's texts.
void ColourSettingsFile::werteTexteAnwenden(const DateiEinstellung& e)
{
    if (!e.texte)
        return;
    MainWidgets& w = m_form.w();
    const bool unten = m_form.state().fixLinksAktiv;
    (unten ? w.SGrUnR : w.SGrObR)->setText(e.texte->r);
    (unten ? w.SGrUnG : w.SGrObG)->setText(e.texte->g);
    (unten ? w.SGrUnB : w.SGrObB)->setText(e.texte->b);
    (unten ? w.SGrUnHex : w.SGrObHex)->setText(e.texte->hex);
}
