#include "shell/ColourSettingsFile.h"

#include "colour/BandTables.h"
#include "desktop/FileDialogs.h"
#include "display/BandAngleControls.h"
#include "display/DisplayParts.h"
#include "display/FieldSelection.h"
#include "display/Fixing.h"
#include "display/LightDarkField.h"
#include "display/ModeActions.h"
#include "harmony/FixSnapshot.h"
#include "language/ActionRegistry.h"
#include "language/LanguageTable.h"
#include "shell/TForm1.h"
#include "widgets/StaticText.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QRadioButton>
#include <QSaveFile>
#include <QSlider>

#include <algorithm>

namespace
{

WerteTexte werteTexte(const StaticText* r, const StaticText* g, const StaticText* b, const StaticText* hex)
{
    return {r->text(), g->text(), b->text(), hex->text()};
}

int bandPosition(int wert)
{
    return std::clamp(wert, 0, letzteBandPosition);
}

// Sets a flag for as long as it lives, also when a step leaves early.
class FlagGuard
{
public:
    explicit FlagGuard(bool& flag) : m_flag(flag) { m_flag = true; }
    ~FlagGuard() { m_flag = false; }
    FlagGuard(const FlagGuard&) = delete;
    FlagGuard& operator=(const FlagGuard&) = delete;

private:
    bool& m_flag;
};

} // namespace

ColourSettingsFile::ColourSettingsFile(TForm1& form)
    : m_form(form), m_dialoge(std::make_unique<QtFileDialogs>())
{
}

ColourSettingsFile::~ColourSettingsFile() = default;

void ColourSettingsFile::connectActions()
{
    const ActionRegistry& aktionen = m_form.actions();
    const auto verbinden = [&](Aktion id, void (ColourSettingsFile::*handler)()) {
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

void ColourSettingsFile::dateiSpeichernExecute()
{
    MainState& s = m_form.state();
    const LanguageTable& texte = m_form.sprache();
    if (s.websicherUebernommen && !frage(texte.text(Txt::websicherSpeichernFrage)))
        return;
    const QString pfad = m_form.windowTitle();
    if (!aktuelleDatei()) {
        dateiSpeichernUnterExecute();
        return;
    }
    if (!dateiSchreiben(pfad, erfassen())) {
        fehler(texte.text(Txt::dateiNichtErstellt));
        return;
    }
    speichernAktion().setEnabled(false);
}

DateiBloecke ColourSettingsFile::erfassen()
{
    MainState& s = m_form.state();
    const MainWidgets& w = m_form.w();
    const auto geprueft = [this](const char* name) {
        const QAction* a = m_form.aktion(name);
        return a && a->isChecked();
    };
    FixStand aktuell = fixStandAus(s, {.winkelIndex = w.ComboBox3->currentIndex(),
                                       .abstand1 = w.TrackBar2->value(),
                                       .abstand2 = w.TrackBar3->value(),
                                       .stufenIndex = w.ComboBox1->currentIndex()});
    s.dateiSeparat = geprueft("farbenSeparatEinstellen") ? 1 : 0;
    aktuell.fixSeparat = s.dateiSeparat;
    s.dateiRealistisch = aktuell.fixRealistisch;
    s.dateiModus = aktuell.fixModus;
    s.dateiWinkeltyp = aktuell.fixWinkeltyp;
    s.dateiAbstand1 = aktuell.fixAbstand1;
    s.dateiAbstand2 = aktuell.fixAbstand2;
    const DateiOptionen optionen{.websicher = geprueft("nurWebsichereFarbenAnzeigen"),
                                 .textStatt = geprueft("TextAnstelleFlaechen") && !istReihenModus(s.modus()),
                                 .fixiert = geprueft("fixieren")};
    return dateiBloecke(aktuell, s.fixStand, s.fixLinksAktiv, optionen,
                        werteTexte(w.SGrObR, w.SGrObG, w.SGrObB, w.SGrObHex),
                        werteTexte(w.SGrUnR, w.SGrUnG, w.SGrUnB, w.SGrUnHex));
}

// Written beside the old file and renamed over it only when complete, so a
// failed write leaves the old file as it was. Unbuffered: a buffered short
// write (a full disk, a size limit) would still be committed.
bool ColourSettingsFile::dateiSchreiben(const QString& pfad, const DateiBloecke& bloecke) const
{
    QSaveFile ziel(pfad);
    if (!ziel.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (!schreiben(ziel, bloecke)) {
        ziel.cancelWriting();
        return false;
    }
    return ziel.commit();
}

void ColourSettingsFile::dateiSpeichernUnterExecute()
{
    if (aktuelleDatei())
        m_letzterSpeichername = m_form.windowTitle();
    const std::optional<QString> gewaehlt =
        m_dialoge->speichern(&m_form, m_form.sprache().qtDateiFilter(), m_letzterSpeichername);
    if (!gewaehlt)
        return;
    m_letzterSpeichername = *gewaehlt;
    const QString pfad = mitTnfxEndung(*gewaehlt);
    if (QFileInfo::exists(pfad) && !frage(m_form.sprache().text(Txt::dateiUeberschreiben)))
        return;
    m_form.setWindowTitle(pfad);
    dateiSpeichernExecute();
}

void ColourSettingsFile::aenderungenSpeichernFragen()
{
    if (!aktuelleDatei() || !geaendert())
        return;
    const QString name = QFileInfo(m_form.windowTitle()).fileName();
    if (frage(m_form.sprache().text(Txt::aenderungenSpeichern) + name + QLatin1Char('?')))
        dateiSpeichernExecute();
}

void ColourSettingsFile::dateiOeffnenExecute()
{
    aenderungenSpeichernFragen();
    const std::optional<QString> pfad = m_dialoge->oeffnen(&m_form, m_form.sprache().qtDateiFilter());
    if (pfad)
        einlesenOhneHdFarbe(*pfad);
}

void ColourSettingsFile::pfadOeffnen(const QString& pfad)
{
    aenderungenSpeichernFragen();
    einlesenOhneHdFarbe(pfad);
}

void ColourSettingsFile::einlesenOhneHdFarbe(const QString& pfad)
{
    {
        const FlagGuard sperre(m_form.state().sperreHdFarbe);
        datenEinlesen(pfad);
    }
    // Selecting the big field repaints it but changes nothing the file holds.
    const bool geladen = !geaendert();
    m_form.parts().selection->Anzeige_NormalClick2();
    if (geladen)
        speichernAktion().setEnabled(false);
}

void ColourSettingsFile::FormCloseQuery()
{
    aenderungenSpeichernFragen();
}

void ColourSettingsFile::datenEinlesen(const QString& pfad)
{
    DisplayParts& parts = m_form.parts();
    if (m_form.state().fixiert)
        parts.fixing->fixierenExecute();
    if (QAction* separat = m_form.aktion("farbenSeparatEinstellen"); separat && separat->isChecked())
        separat->trigger();
    einlesen(pfad);
    QComboBox* hintergrund = m_form.w().ComboBox2;
    hintergrund->setEnabled(false);
    hintergrund->setEnabled(true);
}

void ColourSettingsFile::einlesen(const QString& pfad)
{
    DisplayParts& parts = m_form.parts();
    QFile quelle(pfad);
    GeleseneDatei d;
    if (quelle.open(QIODevice::ReadOnly))
        d = lesen(quelle, istZweiBlockDatei(pfad));
    if (d.block1)
        blockAnwenden(*d.block1, pfad);
    if (d.fixiert == 1) {
        if (!m_form.state().fixiert)
            parts.fixing->fixierenExecute();
        parts.selection->FixedLinksClick();
        if (d.block2)
            blockAnwenden(*d.block2, pfad);
        if (d.vollstaendig)
            parts.selection->Anzeige_NormalClick();
    }
    if (d.vollstaendig) {
        // Swapping the halves back repaints; the load is over only after it.
        speichernAktion().setEnabled(false);
        return;
    }
    const LanguageTable& texte = m_form.sprache();
    m_form.setWindowTitle(texte.fensterTitel());
    fehler(texte.text(Txt::dateiNichtGelesenVor) + QFileInfo(pfad).absoluteFilePath() +
           texte.text(Txt::dateiNichtGelesenNach));
}

void ColourSettingsFile::blockAnwenden(const EinstellungsBlock& b, const QString& pfad)
{
    MainState& s = m_form.state();
    DisplayParts& parts = m_form.parts();
    s.dateiRealistisch = b.werte[dateiSlot::realistisch];
    s.dateiModus = b.werte[dateiSlot::modus];
    s.dateiWinkeltyp = b.werte[dateiSlot::winkeltyp];
    s.dateiAbstand1 = b.werte[dateiSlot::abstand1];
    s.dateiAbstand2 = b.werte[dateiSlot::abstand2];
    s.dateiSeparat = b.werte[dateiSlot::separat];

    // The band click below moves every field only outside separate adjustment,
    // which the block before may have switched on.
    schalterAngleichen("farbenSeparatEinstellen", 0);
    bandTypAnwenden(s.dateiRealistisch);
    modusAnwenden(s.dateiModus);
    parts.band->Image2MouseDown(b.werte[dateiSlot::posGross]);
    parts.band->Image2MouseUp();
    winkelAnwenden(b);
    schalterAnwenden(b);
    positionenAnwenden(b);
    fadenkreuzeAnwenden(b);
    werteTexteAnwenden(b);
    if (!s.nurRechnen)
        parts.hellDunkel->prozenteZeigen();
    m_form.setWindowTitle(pfad);
    speichernAktion().setEnabled(false);
}

void ColourSettingsFile::bandTypAnwenden(int realistisch)
{
    const bool istRealistisch = m_form.state().aktionen.realistisch;
    if (realistisch == 1 && !istRealistisch)
        m_form.realistischExecute();
    else if (realistisch == 0 && istRealistisch)
        m_form.luminoesExecute();
}

// Any other number selects no mode.
void ColourSettingsFile::modusAnwenden(int modus)
{
    ModeActions& modi = *m_form.parts().modes;
    switch (modus) {
    case static_cast<int>(Modus::zweier):
        modi.zweierHarmonienExecute();
        break;
    case static_cast<int>(Modus::dreier):
        modi.dreierHarmonienExecute();
        break;
    case static_cast<int>(Modus::vierer):
        modi.viererHarmonienExecute();
        break;
    case static_cast<int>(Modus::auffaecher):
        modi.auffaecherungenExecute();
        break;
    case static_cast<int>(Modus::reihen):
        modi.farbreihenExecute();
        break;
    default:
        break;
    }
}

// The track bar holds the value to its range as it does for the user's drag.
void ColourSettingsFile::abstandSetzen(QSlider* regler, int wert, bool aendern)
{
    regler->setValue(wert);
    if (aendern)
        m_form.parts().band->TrackBarAllChange(regler);
}

void ColourSettingsFile::winkelAnwenden(const EinstellungsBlock& b)
{
    MainWidgets& w = m_form.w();
    BandAngleControls& band = *m_form.parts().band;
    const int modus = b.werte[dateiSlot::modus];
    if (modus == static_cast<int>(Modus::vierer)) {
        w.ComboBox3->setCurrentIndex(b.werte[dateiSlot::winkeltyp] == 1 ? 0 : 1);
        band.ComboBox3Change();
    }
    if (modus == static_cast<int>(Modus::dreier))
        abstandSetzen(w.TrackBar2, b.werte[dateiSlot::abstand1], true);
    if (modus == static_cast<int>(Modus::vierer)) {
        if (w.ComboBox3->currentIndex() == 0)
            abstandSetzen(w.TrackBar3, b.werte[dateiSlot::abstand2], true);
        abstandSetzen(w.TrackBar2, b.werte[dateiSlot::abstand1], true);
    }
    if (modus == static_cast<int>(Modus::auffaecher) || modus == static_cast<int>(Modus::reihen)) {
        abstandSetzen(w.TrackBar2, b.werte[dateiSlot::abstand1], false);
        // An index past the list is held to its ends, as the list offers no other.
        w.ComboBox1->setCurrentIndex(
            std::clamp(b.werte[dateiSlot::stufenIndex], 0, w.ComboBox1->count() - 1));
        m_form.parts().modes->ComboBox1Change();
    }
}

// Actions that are not available leave their flag as it is.
void ColourSettingsFile::schalterAngleichen(const char* name, int wert)
{
    QAction* a = m_form.aktion(name);
    if (a && ((wert == 1 && !a->isChecked()) || (wert == 0 && a->isChecked())))
        a->trigger();
}

void ColourSettingsFile::schalterAnwenden(const EinstellungsBlock& b)
{
    schalterAngleichen("farbenSeparatEinstellen", b.werte[dateiSlot::separat]);
    schalterAngleichen("nurWebsichereFarbenAnzeigen", b.werte[dateiSlot::websicher]);
    schalterAngleichen("TextAnstelleFlaechen", b.werte[dateiSlot::textStatt]);
}

void ColourSettingsFile::positionenAnwenden(const EinstellungsBlock& b)
{
    MainState& s = m_form.state();
    s.posGross() = bandPosition(b.werte[dateiSlot::posGross2]);
    s.posRechts() = bandPosition(b.werte[dateiSlot::posRechts]);
    s.posLinks() = bandPosition(b.werte[dateiSlot::posLinks]);
    s.posMitte() = bandPosition(b.werte[dateiSlot::posMitte]);
}

void ColourSettingsFile::fadenkreuzeAnwenden(const EinstellungsBlock& b)
{
    FieldSelection& auswahl = *m_form.parts().selection;
    LightDarkField& hellDunkel = *m_form.parts().hellDunkel;
    using F = FieldSelection::Feld;
    // In separate adjustment a field whose button is already checked would keep
    // its colour; with none checked each selection takes the field to its position.
    if (m_form.state().separatModus) {
        const MainWidgets& w = m_form.w();
        for (QRadioButton* knopf : {w.RadioButton1, w.RadioButton2, w.RadioButton3, w.RadioButton4})
            knopf->setChecked(false);
    }
    const auto setzen = [&](F feld, int xSlot) {
        auswahl.waehlen(feld);
        // Held to the field as the user's drag is.
        hellDunkel.bewegeHellDunkel(std::clamp(b.werte[xSlot], 0, feldGrenze),
                                    std::clamp(b.werte[xSlot + 1], 0, feldGrenze));
    };
    switch (b.werte[dateiSlot::modus]) {
    case static_cast<int>(Modus::zweier):
        setzen(F::rechts, dateiSlot::hdRechtsX);
        setzen(F::gross, dateiSlot::hdGrossX);
        break;
    case static_cast<int>(Modus::dreier):
    case static_cast<int>(Modus::auffaecher):
        setzen(F::rechts, dateiSlot::hdRechtsX);
        setzen(F::links, dateiSlot::hdLinksX);
        setzen(F::gross, dateiSlot::hdGrossX);
        break;
    case static_cast<int>(Modus::vierer):
        setzen(F::rechts, dateiSlot::hdRechtsX);
        setzen(F::links, dateiSlot::hdLinksX);
        setzen(F::mitte, dateiSlot::hdMitteX);
        setzen(F::gross, dateiSlot::hdGrossX);
        break;
    case static_cast<int>(Modus::reihen):
        setzen(F::links, dateiSlot::hdLinksX);
        setzen(F::rechts, dateiSlot::hdRechtsX);
        break;
    default:
        break;
    }
}

// Into the value row of the combination being edited: the upper row would
// give the right-hand combination the left one's texts.
void ColourSettingsFile::werteTexteAnwenden(const EinstellungsBlock& b)
{
    if (b.werte[dateiSlot::modus] == static_cast<int>(Modus::reihen))
        return;
    MainWidgets& w = m_form.w();
    const bool unten = m_form.state().fixLinksAktiv;
    StaticText* r = unten ? w.SGrUnR : w.SGrObR;
    StaticText* g = unten ? w.SGrUnG : w.SGrObG;
    StaticText* bl = unten ? w.SGrUnB : w.SGrObB;
    StaticText* hex = unten ? w.SGrUnHex : w.SGrObHex;
    r->setText(QString::number(b.werte[dateiSlot::grossR]));
    g->setText(QString::number(b.werte[dateiSlot::grossR + 1]));
    bl->setText(QString::number(b.werte[dateiSlot::grossR + 2]));
    hex->setText(QString::fromLatin1(b.hex));
}
