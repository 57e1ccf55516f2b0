#include "core/state/ColourDocument.h"

#include "core/colour/AnglePicture.h"
#include "core/colour/LightDark.h"
#include "core/colour/Rotation.h"
#include "core/documents/SettingsApply.h"
#include "core/harmony/FieldColours.h"
#include "core/harmony/Positions.h"
#include "core/harmony/StateHooks.h"
#include "core/state/UndoStep.h"

#include <QScopedValueRollback>

namespace
{

// True when the value was another: an operation that changes nothing announces nothing.
template <typename T> bool setzen(T& feld, T wert)
{
    if (feld == wert)
        return false;
    feld = wert;
    return true;
}

// Forgotten drawn positions make the markers replace the angle lines even
// when no field has moved since the last drawing.
void gezeichnetVergessen(MainState& s)
{
    for (int slotNr : {slot::posGezeichnetGross, slot::posGezeichnetRechts, slot::posGezeichnetLinks,
                       slot::posGezeichnetMitte})
        s.farbWerte[slotNr] = -1;
}

} // namespace

ColourDocument::ColourDocument(QObject* parent) : QObject(parent), m_verlauf(this)
{
    // Ten thousand steps; each holds only the words it changed.
    m_verlauf.setUndoLimit(10000);
}

void ColourDocument::ersetzen(const MainState& neu)
{
    m_stand = neu;
    markieren(allesGeaendert);
}

void ColourDocument::markieren(Aenderungen was)
{
    m_offen |= was;
    if (m_tiefe == 0)
        ankuendigen();
}

void ColourDocument::ankuendigen()
{
    if (!m_offen)
        return;
    const Aenderungen was = m_offen;
    m_offen = {};
    schrittPlanen(was);
    emit geaendert(was);
}

// --- the history ---

namespace
{

// A change no gesture named, by the most telling of what it changed.
StepKind artAus(Aenderungen was)
{
    const std::pair<Aenderung, StepKind> arten[] = {
        {Aenderung::fixierung, StepKind::fixing},     {Aenderung::separat, StepKind::separateAdjustment},
        {Aenderung::modus, StepKind::harmonyType},    {Aenderung::stufen, StepKind::fieldCount},
        {Aenderung::winkel, StepKind::angle},         {Aenderung::eingabe, StepKind::colourInput},
        {Aenderung::ansicht, StepKind::view},         {Aenderung::band, StepKind::bandPosition},
        {Aenderung::hellDunkel, StepKind::lightDark}, {Aenderung::auswahl, StepKind::fieldSelection},
    };
    for (const auto& [aenderung, art] : arten)
        if (was & aenderung)
            return art;
    return StepKind::colours;
}

} // namespace

// A press and a release close what came before them: a change made before the
// press, or by the drag, never joins the next one.
void ColourDocument::gesteBeginnen(StepKind art)
{
    if (m_gesteTiefe++ > 0)
        return;
    schrittAbschliessen();
    m_geste = ++m_gesten;
    m_art = art;
}

void ColourDocument::gesteBeenden()
{
    if (m_gesteTiefe > 0 && --m_gesteTiefe > 0)
        return;
    schrittAbschliessen();
    m_geste = 0;
    m_art.reset();
}

ColourDocument::Operation::Operation(ColourDocument& d, StepKind art) : m_d(d)
{
    if (m_d.m_vorgangTiefe++ > 0 || m_d.m_gesteTiefe > 0)
        return;
    m_d.schrittAbschliessen();
    m_d.m_art = art;
}

// An operation that changed nothing leaves no name for a later change.
ColourDocument::Operation::~Operation()
{
    if (--m_d.m_vorgangTiefe == 0 && m_d.m_gesteTiefe == 0 && !m_d.m_seitFestgehalten)
        m_d.m_art.reset();
}

void ColourDocument::schrittPlanen(Aenderungen was)
{
    if (m_wendet || !(was & ~Aenderungen(Aenderung::marker)))
        return;
    if (!m_seitFestgehalten)
        m_schrittGeste = m_geste;
    m_seitFestgehalten |= was;
    if (m_schrittGeplant)
        return;
    m_schrittGeplant = true;
    QMetaObject::invokeMethod(this, &ColourDocument::schrittAbschliessen, Qt::QueuedConnection);
}

void ColourDocument::schrittAbschliessen()
{
    m_schrittGeplant = false;
    const Aenderungen was = m_seitFestgehalten;
    m_seitFestgehalten = {};
    const StepKind art = m_art.value_or(artAus(was));
    // A press keeps its name for the rest of its drag.
    if (m_gesteTiefe == 0 && m_vorgangTiefe == 0)
        m_art.reset();
    StateDelta d(m_festgehalten, m_stand);
    if (d.leer())
        return;
    m_festgehalten = m_stand;
    const QString name = m_schrittNamen ? m_schrittNamen(art) : QString();
    m_verlauf.push(new UndoStep(art, name, std::move(d), m_schrittGeste,
                                [this](const StateDelta& x) { schrittAnwenden(x); }));
}

void ColourDocument::verlaufNeu()
{
    m_verlauf.clear();
    m_festgehalten = m_stand;
    m_seitFestgehalten = {};
}

void ColourDocument::wiederherstellen(const MainState& neu)
{
    m_festgehalten = neu;
    schrittAnwenden(StateDelta());
}

// The step's other state, taken whole and drawn anew; the window's progress stays.
void ColourDocument::schrittAnwenden(const StateDelta& d)
{
    const QScopedValueRollback wendet(m_wendet, true);
    d.anwenden(m_festgehalten);
    const Ablauf ablauf = m_stand.ablauf;
    m_stand = m_festgehalten;
    m_stand.ablauf = ablauf;
    m_seitFestgehalten = {};
    markieren(schrittGewendet);
}

// --- the recompute ---

void ColourDocument::datenHolen(int p, bool recolour)
{
    const Sammlung eineAenderung(*this);
    StateHooks hooks(m_stand);
    ::datenHolen(m_stand, p, 0, recolour, hooks);
    Aenderungen was = Aenderung::band;
    if (recolour) {
        eingabeUebermalt();
        was |= Aenderung::farben | Aenderung::gemischt;
    }
    if (m_stand.ablauf.winkelMarkerFaellig)
        was |= Aenderung::marker;
    markieren(was);
}

void ColourDocument::datenHolenAmTeilnehmer()
{
    const MainState& s = m_stand;
    if (s.feldGrossAn() || s.feldRechtsAn() || s.feldLinksAn() || s.feldMitteAn())
        datenHolen(teilnehmerPosition(), true);
}

int ColourDocument::teilnehmerPosition() const
{
    const MainState& s = m_stand;
    if (s.feldGrossAn() && s.feldRechtsAn())
        return s.posGross();
    if (s.feldRechtsAn())
        return s.posRechts();
    if (s.feldLinksAn())
        return s.posLinks();
    if (s.feldMitteAn())
        return s.posMitte();
    return s.posGross();
}

// Moving a point mixes its field anew, whoever moved it.
HdPunkt ColourDocument::hellDunkelSetzen(int x, int y)
{
    const HdPunkt p = bewegeHellDunkelRechnen(m_stand, x, y);
    StateHooks(m_stand).neuFaerben();
    eingabeUebermalt();
    markieren(Aenderung::hellDunkel | Aenderung::farben);
    return p;
}

void ColourDocument::hellDunkelErneuern()
{
    hellDunkelSetzen(m_stand.hdPunktX[m_stand.hdZiel], m_stand.hdPunktY[m_stand.hdZiel]);
}

bool ColourDocument::winkelMarkerFaellig()
{
    // The drawn positions are the picture's own bookkeeping; nothing to announce.
    return winkelZeichnenPruefen(m_stand);
}

// --- band ---

void ColourDocument::bandTypSetzen(bool luminoes)
{
    m_stand.bandLuminoes = luminoes;
    m_stand.aktionen.realistisch = !luminoes;
    markieren(Aenderung::band);
}

bool ColourDocument::bandDrehen(int trackBar3Position, int markerPosition, const QImage& original,
                                QImage& gedreht)
{
    // The turn angle drawn last is the picture's bookkeeping; nothing to announce.
    return ::rotieren(m_stand, trackBar3Position, markerPosition, original, gedreht);
}

void ColourDocument::positionenSetzen(const FeldWerte<int>& positionen)
{
    for (const Feld f : alleFelder)
        m_stand.pos(f) = positionen[f];
    markieren(Aenderung::band);
}

// --- mode, angles, field count ---

void ColourDocument::modusSetzen(Modus modus)
{
    if (setzen(m_stand.aktionen.modus, modus))
        markieren(Aenderung::modus);
}

void ColourDocument::modusFelderSetzen(Modus modus)
{
    bool anders = false;
    if (modus == Modus::zweier || modus == Modus::dreier || modus == Modus::vierer) {
        anders |= setzen(m_stand.feldAn[Feld::links], modus != Modus::zweier);
        anders |= setzen(m_stand.feldAn[Feld::mitte], modus == Modus::vierer);
    }
    if (istReihenModus(modus))
        anders |= setzen(m_stand.separatModus, false);
    if (anders)
        markieren(Aenderung::separat);
}

void ColourDocument::stufenSetzen(int stufen)
{
    m_stand.stufenAnzahl = stufen;
    for (int k = 2; k <= 7; ++k)
        m_stand.stufeAktiv[static_cast<std::size_t>(k)] = k <= stufen;
    if (m_stand.fixiert)
        (m_stand.fixLinksAktiv ? m_stand.stufenFixLinks : m_stand.stufenFixRechts) = stufen;
    markieren(Aenderung::stufen);
}

void ColourDocument::abstand1Setzen(int abstand)
{
    if (setzen(m_stand.abstand1(), abstand))
        markieren(Aenderung::winkel);
}

void ColourDocument::abstand2Setzen(int abstand)
{
    if (setzen(m_stand.abstand2(), abstand))
        markieren(Aenderung::winkel);
}

void ColourDocument::winkeltypSetzen(bool typ2)
{
    if (setzen(m_stand.winkeltyp2, typ2))
        markieren(Aenderung::winkel);
}

void ColourDocument::winkelReglerSetzen(int erster, int zweiter)
{
    if (m_stand.winkelRegler1 == erster && m_stand.winkelRegler2 == zweiter)
        return;
    m_stand.winkelRegler1 = erster;
    m_stand.winkelRegler2 = zweiter;
    markieren(Aenderung::winkel);
}

void ColourDocument::winkelMarkerVergessen()
{
    gezeichnetVergessen(m_stand);
}

void ColourDocument::separatWinkelMarkerErneuern()
{
    if (m_stand.aktionen.farbenSeparatEinstellen)
        winkelMarkerErneuern();
}

void ColourDocument::winkelMarkerErneuern()
{
    gezeichnetVergessen(m_stand);
    if (winkelZeichnenPruefen(m_stand)) {
        m_stand.ablauf.winkelMarkerFaellig = true;
        markieren(Aenderung::marker);
    }
}

// --- selection and separate adjustment ---

void ColourDocument::feldWaehlen(Feld feld)
{
    if (setzen(m_stand.hdZiel, feld))
        markieren(Aenderung::auswahl);
}

void ColourDocument::feldTeilnahme(Feld feld, bool an)
{
    if (setzen(m_stand.feldAn[feld], an))
        markieren(Aenderung::separat);
}

void ColourDocument::nurFeldTeilnehmen(Feld feld)
{
    for (const Feld f : alleFelder)
        feldTeilnahme(f, f == feld);
}

// Which field takes part is the caller's next step (the first radio button's).
void ColourDocument::separatEinschalten()
{
    m_stand.aktionen.farbenSeparatEinstellen = true;
    m_stand.separatModus = true;
    markieren(Aenderung::separat);
}

// Every small field of the mode takes part again.
void ColourDocument::separatAusschalten()
{
    const Sammlung eineAenderung(*this);
    m_stand.aktionen.farbenSeparatEinstellen = false;
    m_stand.separatModus = false;
    const Modus modus = m_stand.modus();
    feldTeilnahme(Feld::rechts, true);
    feldTeilnahme(Feld::links, modus == Modus::dreier || modus == Modus::vierer);
    feldTeilnahme(Feld::mitte, modus == Modus::vierer);
    markieren(Aenderung::separat);
}

// --- colours from outside ---

void ColourDocument::eingabeFarbeAktiv(bool an)
{
    if (setzen(m_stand.eingabeFarbeAktiv, an))
        markieren(Aenderung::eingabe);
}

void ColourDocument::eingabeTexteZeigen(bool an)
{
    if (setzen(m_stand.eingabeTexteZeigen, an))
        markieren(Aenderung::eingabe);
}

void ColourDocument::eingabeUebernommen(bool an)
{
    if (setzen(m_stand.eingabeUebernommen, an))
        markieren(Aenderung::eingabe);
}

void ColourDocument::eingabeNehmen(const std::array<int, 3>& wert, const std::array<QString, 4>& texte)
{
    m_stand.eingabeWert = wert;
    for (std::size_t i = 0; i < texte.size(); ++i) {
        auto& ziel = m_stand.eingabeText[i];
        ziel.fill(u'\0');
        const QString text = texte[i].left(static_cast<qsizetype>(ziel.size() - 1));
        for (qsizetype k = 0; k < text.size(); ++k)
            ziel[static_cast<std::size_t>(k)] = text[k].unicode();
    }
    markieren(Aenderung::eingabe);
}

void ColourDocument::eingabeBeenden()
{
    if (m_stand.eingabeFarbeAktiv) {
        m_stand.eingabeGezeigt = true;
        m_stand.eingabeMitTexten = m_stand.eingabeTexteZeigen;
        m_stand.eingabeFeld = m_stand.modus() == Modus::reihen ? m_stand.hdZiel : Feld::gross;
    }
    m_stand.eingabeFarbeAktiv = m_stand.eingabeTexteZeigen = false;
    markieren(Aenderung::eingabe);
}

void ColourDocument::eingabeUebermalt()
{
    MainState& s = m_stand;
    if (s.eingabeGezeigt && (istReihenModus(s.modus()) || s.feldAn[s.eingabeFeld]))
        s.eingabeGezeigt = false;
}

void ColourDocument::nurWebsicherSetzen(bool an)
{
    m_stand.aktionen.nurWebsichereFarbenAnzeigen = an;
    m_stand.nurWebsicher = an;
    markieren(Aenderung::ansicht | Aenderung::farben);
}

void ColourDocument::websicherZugewiesen()
{
    m_stand.websicherUebernommen = true;
    m_stand.websicherLinks = m_stand.fixiert && m_stand.fixLinksAktiv;
    markieren(Aenderung::farben);
}

void ColourDocument::websicherVergessen()
{
    if (!m_stand.websicherUebernommen)
        return;
    m_stand.websicherUebernommen = false;
    markieren(Aenderung::farben);
}

// --- view options ---

void ColourDocument::textStattFlaechenSetzen(bool an)
{
    m_stand.aktionen.textAnstelleFlaechen = an;
    markieren(Aenderung::ansicht);
}

void ColourDocument::farbstreifenVersteckenSetzen(bool an)
{
    m_stand.aktionen.farbstreifenVerstecken = an;
    markieren(Aenderung::ansicht);
}

// --- fixing ---

void ColourDocument::fixierenEin(const FixStand& stand)
{
    MainState& s = m_stand;
    s.stufenFixLinks = s.stufenAnzahl;
    s.stufenFixRechts = s.stufenAnzahl;
    s.fixStand = stand;
    s.aktionen.fixieren = true;
    s.fixiert = true;
    s.fixWechselRechts = false;
    s.fixWechselLinks = true;
    s.fixLinksAktiv = false;
    s.fixReihen = s.modus() == Modus::reihen;
    s.fixAuffaecher = s.modus() == Modus::auffaecher;
    markieren(Aenderung::fixierung);
}

void ColourDocument::fixierenAus()
{
    MainState& s = m_stand;
    s.fixReihen = false;
    s.fixAuffaecher = false;
    s.aktionen.fixieren = false;
    s.fixiert = false;
    s.fixLinksAktiv = false;
    markieren(Aenderung::fixierung);
}

void ColourDocument::fixStandSetzen(const FixStand& stand)
{
    m_stand.fixStand = stand;
    markieren(Aenderung::fixierung);
}

// A single display has no halves: a click into its big field changes nothing.
void ColourDocument::haelfteWaehlen(bool links)
{
    if (!m_stand.fixiert)
        return;
    bool anders = setzen(m_stand.fixLinksAktiv, links);
    anders |= setzen(links ? m_stand.fixWechselRechts : m_stand.fixWechselLinks, true);
    if (anders)
        markieren(Aenderung::fixierung);
}

void ColourDocument::wechselErledigt(bool links)
{
    (links ? m_stand.fixWechselLinks : m_stand.fixWechselRechts) = false;
}

// --- a whole combination ---

void ColourDocument::einstellungAnwenden(const DateiEinstellung& e)
{
    m_stand.eingabeGezeigt = false;
    ::einstellungAnwenden(m_stand, e);
    markieren(allesGeaendert);
}

// --- settings files ---

void ColourDocument::dateiWerteMerken(const EinstellungsBlock& b)
{
    ::dateiWerteMerken(m_stand, b);
}

// What a save writes for itself is no change of the user's: no step.
void ColourDocument::dateiWerteAus(const FixStand& aktuell)
{
    for (MainState* s : {&m_stand, &m_festgehalten})
        dateiWerteSetzen(*s, aktuell);
}

void ColourDocument::dateiWerteSetzen(MainState& s, const FixStand& aktuell)
{
    s.dateiSeparat = aktuell.fixSeparat;
    s.dateiRealistisch = aktuell.fixRealistisch;
    s.dateiModus = aktuell.fixModus;
    s.dateiWinkeltyp = aktuell.fixWinkeltyp;
    s.dateiAbstand1 = aktuell.fixAbstand1;
    s.dateiAbstand2 = aktuell.fixAbstand2;
}
