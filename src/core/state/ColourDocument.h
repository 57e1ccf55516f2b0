#pragma once

#include "core/state/Feld.h"
#include "core/state/MainState.h"
#include "core/state/StepKind.h"

#include <QFlags>
#include <QObject>
#include <QUndoStack>

#include <array>
#include <functional>
#include <optional>

class StateDelta;
struct DateiEinstellung;
struct EinstellungsBlock;
struct HdPunkt;
class QImage;

// What a change touched, so that each view redraws only what it shows.
enum class Aenderung : unsigned {
    farben = 1u << 0,     // base and mixed colours of the fields, row values
    band = 1u << 1,       // band type and the fields' band positions
    modus = 1u << 2,      // harmony mode and the fields it shows
    winkel = 1u << 3,     // angle type and distances
    stufen = 1u << 4,     // field count of fanning and colour rows
    hellDunkel = 1u << 5, // light/dark points and amounts
    auswahl = 1u << 6,    // the field the light/dark field edits
    fixierung = 1u << 7,  // fixing, the fixed snapshot, the edited half
    separat = 1u << 8,    // separate adjustment and which fields take part
    ansicht = 1u << 9,    // web-safe display, text instead of fields
    eingabe = 1u << 10,   // a typed or picked colour and its texts
    ganz = 1u << 11,      // a whole combination at once: the display is drawn anew
    schritt = 1u << 12,   // a step taken back or brought again: both fixed halves too
    gemischt = 1u << 13,  // the recompute mixed the fields anew: they are painted
    marker = 1u << 14,    // the angle markers are due (display only, no step)
};
Q_DECLARE_FLAGS(Aenderungen, Aenderung)
Q_DECLARE_OPERATORS_FOR_FLAGS(Aenderungen)

inline constexpr Aenderungen allesGeaendert = Aenderungen::fromInt(0xfff);
inline constexpr Aenderungen schrittGewendet = Aenderungen::fromInt(0x1fff);

// The colour state of the window and the only way to change it. Every
// operation says what it changed; views follow the announcement.
class ColourDocument : public QObject
{
    Q_OBJECT

public:
    explicit ColourDocument(QObject* parent = nullptr);

    const MainState& stand() const { return m_stand; }
    // The window's progress flags: not colour state, so nothing is announced.
    Ablauf& ablauf() { return m_stand.ablauf; }

    // Operations made while one lives form one change, announced once when
    // the outermost ends (a file applied, a fixed half restored).
    class Sammlung
    {
    public:
        explicit Sammlung(ColourDocument& d) : m_d(d) { ++m_d.m_tiefe; }
        ~Sammlung()
        {
            if (--m_d.m_tiefe == 0)
                m_d.ankuendigen();
        }
        Sammlung(const Sammlung&) = delete;
        Sammlung& operator=(const Sammlung&) = delete;

    private:
        ColourDocument& m_d;
    };

    // The whole state at once.
    void ersetzen(const MainState& neu);

    // Draws another combination (a fixed half not edited) with the routines that
    // draw the state: while zeichnen runs, the state is that one; nothing is
    // announced and the state is the document's again afterwards.
    template <typename F> void mitStand(const MainState& anderer, F zeichnen)
    {
        const MainState eigener = m_stand;
        m_stand = anderer;
        m_stand.ablauf = eigener.ablauf;
        ++m_tiefe;
        zeichnen();
        --m_tiefe;
        m_offen = {};
        const Ablauf ablauf = m_stand.ablauf;
        m_stand = eigener;
        m_stand.ablauf = ablauf;
    }

    // --- the recompute (the views paint what it computed) ---
    void datenHolen(int p, bool recolour);
    // Recomputes from the position of the first field taking part (the big
    // field when it moves with the right one).
    void datenHolenAmTeilnehmer();
    // Where the band marker stands in separate adjustment: that first field's position.
    int teilnehmerPosition() const;
    HdPunkt hellDunkelSetzen(int x, int y);
    // The selected field's own light/dark point is applied again.
    void hellDunkelErneuern();
    // True when the angle markers must be drawn; keeps the positions drawn.
    bool winkelMarkerFaellig();
    // The angle markers are drawn afresh next time, moved or not.
    void winkelMarkerVergessen();
    // The angle markers are drawn afresh now, moved or not.
    void winkelMarkerErneuern();
    // In separate adjustment, the markers are drawn afresh.
    void separatWinkelMarkerErneuern();

    // --- band ---
    void bandTypSetzen(bool luminoes);
    // Turns the band's wheel for the big field's position; true when the picture changed.
    bool bandDrehen(int trackBar3Position, int markerPosition, const QImage& original, QImage& gedreht);
    void positionenSetzen(const FeldWerte<int>& positionen);

    // --- mode, angles, field count ---
    void modusSetzen(Modus modus);
    // The small fields a harmony of the mode shows take part.
    void modusFelderSetzen(Modus modus);
    void stufenSetzen(int stufen);
    void abstand1Setzen(int abstand);
    void abstand2Setzen(int abstand);
    void winkeltypSetzen(bool typ2);
    void winkelReglerSetzen(int erster, int zweiter);

    // --- selection and separate adjustment ---
    void feldWaehlen(Feld feld);
    void feldTeilnahme(Feld feld, bool an);
    // Only this field takes part (separate adjustment's choice).
    void nurFeldTeilnehmen(Feld feld);
    void separatEinschalten();
    void separatAusschalten();

    // --- colours from outside ---
    void eingabeFarbeAktiv(bool an);
    void eingabeTexteZeigen(bool an);
    void eingabeUebernommen(bool an);
    // The colour typed into the manual input and its texts as typed.
    void eingabeNehmen(const std::array<int, 3>& wert, const std::array<QString, 4>& texte);
    // The dialog closed: an applied colour stays shown on its field until the
    // field is painted anew.
    void eingabeBeenden();
    void nurWebsicherSetzen(bool an);
    void websicherZugewiesen();
    void websicherVergessen();

    // --- view options ---
    void textStattFlaechenSetzen(bool an);
    void farbstreifenVersteckenSetzen(bool an);

    // --- fixing ---
    void fixierenEin(const FixStand& stand);
    void fixierenAus();
    void fixStandSetzen(const FixStand& stand);
    // The half that the user edits now; remembers the other for its swap back.
    void haelfteWaehlen(bool links);
    void wechselErledigt(bool links);

    // --- a whole combination ---
    // A block of a settings file or a fixed half, applied as opening a file does.
    void einstellungAnwenden(const DateiEinstellung& e);

    // --- settings files ---
    void dateiWerteMerken(const EinstellungsBlock& b);
    void dateiWerteAus(const FixStand& aktuell);

    // --- the history of steps ---
    // Every change the user makes becomes one step once the event that made it
    // is handled; the changes between a mouse press and its release are one.
    QUndoStack& verlauf() { return m_verlauf; }
    // A press (or a modal dialog) holds the step open until its release; nested
    // ones join the outermost, whose kind names the step.
    void gesteBeginnen(StepKind art);
    void gesteBeenden();
    // A gesture of one event (a key, a menu command, a click): what changes while
    // it lives is its step, named by its kind; nested ones join the outermost.
    class Operation
    {
    public:
        Operation(ColourDocument& d, StepKind art);
        ~Operation();
        Operation(const Operation&) = delete;
        Operation& operator=(const Operation&) = delete;

    private:
        ColourDocument& m_d;
    };
    // The steps' names in the interface language.
    void setSchrittNamen(std::function<QString(StepKind)> namen) { m_schrittNamen = std::move(namen); }
    // The history starts anew at the current state (a file opened, the window shown).
    void verlaufNeu();
    // A change not yet a step becomes one now.
    void schrittAbschliessen();
    // The whole state given as a step of the history gives it: drawn anew, both
    // fixed halves included; no step is made.
    void wiederherstellen(const MainState& neu);

signals:
    void geaendert(Aenderungen was);

protected:
    // Marks what an operation touched and announces it unless a Sammlung is open.
    void markieren(Aenderungen was);
    MainState& veraendern() { return m_stand; }

private:
    void ankuendigen();
    // The fields about to be painted anew no longer show a typed colour.
    void eingabeUebermalt();
    void schrittPlanen(Aenderungen was);
    void schrittAnwenden(const StateDelta& d);
    static void dateiWerteSetzen(MainState& s, const FixStand& aktuell);

    MainState m_stand;
    int m_tiefe = 0;
    Aenderungen m_offen;

    QUndoStack m_verlauf;
    MainState m_festgehalten;       // the state the last step ended in
    Aenderungen m_seitFestgehalten; // what changed since, for a name no gesture gave
    std::function<QString(StepKind)> m_schrittNamen;
    std::optional<StepKind> m_art; // the kind of the gesture the pending step began with
    bool m_schrittGeplant = false;
    bool m_wendet = false;  // a step is undone or redone
    int m_geste = 0;        // the press in progress; 0: none
    int m_gesteTiefe = 0;   // presses and dialogs nested
    int m_vorgangTiefe = 0; // operations nested
    int m_gesten = 0;
    int m_schrittGeste = 0; // the press the pending step began in
};
