#pragma once

#include "core/state/Field.h"
#include "core/state/MainState.h"
#include "core/state/StepKind.h"
#include "core/state/WindowFacts.h"

#include <QFlags>
#include <QObject>
#include <QUndoStack>

#include <array>
#include <functional>
#include <optional>
#include <utility>

class StateDelta;
struct FileSetting;
struct SettingsBlock;
struct LightDarkPoint;
struct InputPoint;

// What a change touched, so that each view redraws only what it shows.
enum class Change : unsigned {
    farben = 1u << 0,      // base and mixed colours of the fields, row values
    band = 1u << 1,        // band type and the fields' band positions
    harmonyMode = 1u << 2, // harmony mode and the fields it shows
    angles = 1u << 3,      // angle type and distances
    stepCount = 1u << 4,   // field count of fanning and colour rows
    lightDark = 1u << 5,   // light/dark points and amounts
    choice = 1u << 6,      // the field the light/dark field edits
    fixing = 1u << 7,      // fixing, the fixed snapshot, the edited half
    separate = 1u << 8,    // separate adjustment and which fields take part
    viewOptions = 1u << 9, // web-safe display, text instead of fields
    input = 1u << 10,      // a typed or picked colour and its texts
};
Q_DECLARE_FLAGS(Changes, Change)
Q_DECLARE_OPERATORS_FOR_FLAGS(Changes)

// Everything a whole combination can change.
inline constexpr Changes everythingChanged = Changes(Change::farben) | Change::band | Change::harmonyMode |
                                             Change::angles | Change::stepCount | Change::lightDark |
                                             Change::choice | Change::fixing | Change::separate |
                                             Change::viewOptions | Change::input;

// How the views are to draw a change, beside what it touched: orders for the
// render pass, not state.
struct Redraw {
    bool whole = false;        // a whole combination at once: the display is drawn anew
    bool bothHalves = false;   // with both fixed halves (a step taken back or brought again)
    bool fieldsMixed = false;  // the recompute mixed the fields anew: they are painted
    bool markersDue = false;   // the angle markers are drawn anew (no step)
    bool halvesTraded = false; // the fixed halves traded places: their panels already show them
    unsigned recoloured = 0;   // fields that took part when colours changed (a bit per field)

    bool any() const { return whole || bothHalves || fieldsMixed || markersDue || halvesTraded; }
    Redraw& operator|=(const Redraw& o)
    {
        whole |= o.whole;
        bothHalves |= o.bothHalves;
        fieldsMixed |= o.fieldsMixed;
        markersDue |= o.markersDue;
        halvesTraded |= o.halvesTraded;
        recoloured |= o.recoloured;
        return *this;
    }
};

// The colour state of the window and the only way to change it. Every
// operation says what it changed; views follow the announcement.
class ColourDocument : public QObject
{
    Q_OBJECT

public:
    explicit ColourDocument(QObject* parent = nullptr);

    const MainState& currentState() const { return m_stand; }

    // What the computations know of the window: not colour state, so nothing is announced.
    const WindowFacts& window() const { return m_window; }
    void setWindowShown(bool shown) { m_window.shown = shown; }
    void setCompactLayout(bool compact) { m_window.compactLayout = compact; }
    void setInputOnOuterField(bool an) { m_window.inputOnOuterField = an; }
    // What the recompute left for the views since they last took it.
    RecomputeNotes takeNotes() { return std::exchange(m_notes, {}); }

    // Operations made while one lives form one change, announced once when
    // the outermost ends (a file applied, a fixed half restored).
    class Batch
    {
    public:
        explicit Batch(ColourDocument& d) : m_d(d) { ++m_d.m_tiefe; }
        ~Batch()
        {
            if (--m_d.m_tiefe == 0)
                m_d.announce();
        }
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        ColourDocument& m_d;
    };

    // The whole state at once.
    void replaceState(const MainState& neu);

    // --- intents: each one gesture of the user, done whole, announced once,
    // and the step of the history it names ---
    // The selection operation: the field becomes the light/dark target; in
    // separate adjustment it alone takes part, recomputed at its position.
    void chooseField(Field field);
    // Separate adjustment's choice: only this field takes part. Outside
    // separate adjustment, or for a field the mode lacks, nothing changes.
    void chooseTakingPart(Field field);
    // The band pressed, or the pressed mouse moved, at x: the recompute takes
    // the band's colour there, and the angles follow.
    void pressBand(int x);
    void dragBand(int x);
    // The light/dark field pressed, or the pressed mouse moved, at (x, y).
    void pressLightDark(int x, int y);
    void dragLightDark(int x, int y);
    // The other band type: every field of the mode takes its colour from the new band.
    void switchBandType(bool luminoes);
    // Angle type 1 or 2 of the 4-colour harmony; the fields follow.
    void changeAngleType(bool typ2);
    // The angle track bars stand at these positions; the fields follow.
    void moveAngleSliders(int first, int second);
    // The field count of fanning and colour rows; the row and the light/dark point follow.
    void changeFieldCount(int stepCount);
    // The colour typed into the manual input, found at this band position
    // (1-based) and light/dark point: placed as pressing the band and the
    // light/dark field there would place it. In colour rows the selected outer
    // field takes it.
    void applyTypedColour(int position, InputPoint point);
    // The harmony mode chosen: its fields take part and are recomputed, and the
    // light/dark target stays on a field it has. textsOnShow: the fields whose
    // texts the text view shows now; they are selected in turn, as their texts ask.
    void changeHarmonyMode(HarmonyMode harmonyMode, const PerField<bool>& textsOnShow);
    // Each field whose text is on show selected once, then separate adjustment's choice.
    void selectTextFields(const PerField<bool>& textsOnShow);
    // Separate adjustment on (only the big field takes part) or off (the
    // mode's fields are derived from the big field again).
    void toggleSeparateAdjustment(const PerField<bool>& textsOnShow);
    // The typed colour taken with OK: its texts show in the big field's value row.
    void acceptTypedColour(const std::array<int, 3>& value, const std::array<QString, 4>& textSet);
    // Web-safe colours only, on or off; the fields are recomputed.
    void toggleWebSafeOnly();
    // Fixing on (the combination is frozen in the right half) or off.
    void toggleFixing();
    // The fixed half that the user edits from now on: when its stored
    // combination differs, the two trade places. True when they did.
    bool editHalf(bool left);

    // --- the recompute (the views paint what it computed) ---
    void datenHolen(int p, bool recolour);
    // Recomputes from the position of the first field taking part (the big
    // field when it moves with the right one).
    void fetchDataAtParticipant();
    // Where the band marker stands in separate adjustment: that first field's position.
    int involvedFieldPosition() const;
    LightDarkPoint setLightDark(int x, int y);
    // The selected field's own light/dark point is applied again.
    void renewLightDark();
    // True when the angle markers must be drawn; keeps the positions drawn.
    bool angleMarkerDue();
    // The angle markers are drawn afresh next time, moved or not.
    void forgetAngleMarker();
    // The angle markers are drawn afresh now, moved or not.
    void renewAngleMarker();
    // In separate adjustment, the markers are drawn afresh.
    void renewSeparateAngleMarkers();
    // The distances from the track bars' positions, and the fields recomputed
    // from the big field. Before the window is shown, and in separate
    // adjustment, nothing is computed.
    void recomputeAngles();

    // --- band ---
    void applyBandType(bool luminoes);
    void setPositions(const PerField<int>& positions);

    // --- mode, angles, field count ---
    void setHarmonyMode(HarmonyMode harmonyMode);
    // The small fields a harmony of the mode shows take part.
    void setHarmonyModeFields(HarmonyMode harmonyMode);
    void setStepCount(int stepCount);
    void setDistance1(int separation);
    void setDistance2(int separation);
    void setAngleType(bool typ2);
    void setAngleSliders(int first, int second);

    // --- selection and separate adjustment ---
    void selectField(Field field);
    void setFieldIncluded(Field field, bool an);
    // Only this field takes part (separate adjustment's choice).
    void onlyFieldTakesPart(Field field);
    void switchSeparateOn();
    void switchSeparateOff();

    // --- colours from outside ---
    void eingabeFarbeAktiv(bool an);
    void eingabeTexteZeigen(bool an);
    void eingabeUebernommen(bool an);
    // The colour typed into the manual input and its texts as typed.
    void takeInput(const std::array<int, 3>& value, const std::array<QString, 4>& textSet);
    // The dialog closed: an applied colour stays shown on its field until the
    // field is painted anew.
    void finishInput();
    void setWebSafeOnly(bool an);
    void webSafeAssigned();
    void forgetWebSafe();

    // --- view options ---
    void setTextInsteadOfFields(bool an);
    void setColourBandHidden(bool an);

    // --- fixing ---
    void switchFixingOn(const FixSnapshot& currentState);
    void switchFixingOff();
    void setFixSnapshot(const FixSnapshot& currentState);
    // The half that the user edits now; remembers the other for its swap back.
    void selectHalf(bool left);
    void switchHandled(bool left);

    // --- a whole combination ---
    // A block of a settings file or a fixed half, applied as opening a file does.
    void applySetting(const FileSetting& e);

    // --- settings files ---
    void rememberFileValues(const SettingsBlock& b);
    void fileValuesFrom(const FixSnapshot& current);

    // --- the history of steps ---
    // Every change the user makes becomes one step once the event that made it
    // is handled; the changes between a mouse press and its release are one.
    QUndoStack& history() { return m_verlauf; }
    // A press (or a modal dialog) holds the step open until its release; nested
    // ones join the outermost, whose kind names the step.
    void beginGesture(StepKind variety);
    void endGesture();
    // A gesture of one event (a key, a menu command, a click): what changes while
    // it lives is its step, named by its kind; nested ones join the outermost.
    class Operation
    {
    public:
        Operation(ColourDocument& d, StepKind variety);
        ~Operation();
        Operation(const Operation&) = delete;
        Operation& operator=(const Operation&) = delete;

    private:
        ColourDocument& m_d;
    };
    // The steps' names in the interface language.
    void setStepNames(std::function<QString(StepKind)> names) { m_schrittNamen = std::move(names); }
    // The history starts anew at the current state (a file opened, the window shown).
    void restartHistory();
    // A change not yet a step becomes one now.
    void finishStep();
    // The whole state given as a step of the history gives it: drawn anew, both
    // fixed halves included; no step is made.
    void restoreStep(const MainState& neu);

signals:
    void modified(Changes was, Redraw how);

protected:
    // Marks what an operation touched and announces it unless a Batch is open.
    void mark(Changes was, Redraw how = {});
    MainState& mutableState() { return m_stand; }

private:
    // An intent's change, announced once; its own step unless it is part of
    // a change under way (a click that first made its half the edited one).
    class Intent
    {
    public:
        Intent(ColourDocument& d, StepKind variety);
        ~Intent();
        Intent(const Intent&) = delete;
        Intent& operator=(const Intent&) = delete;

    private:
        ColourDocument& m_d;
        std::optional<Batch> m_batch;
    };

    // The typed colour's steps: the band pressed at p - 1, wrapping round; the
    // light/dark point (the compact field's worth two steps); a row's outer field.
    void einfaerben(int p);
    void pressBandForInput(int position);
    void applyInputPoint(InputPoint point);
    void assignToRows(int position, InputPoint point);
    // Separate adjustment: only this field takes part, and it is the target.
    void takePartAlone(Field field);
    // The mode change's recompute of the mode's fields.
    void recomputeMode(HarmonyMode harmonyMode, const PerField<bool>& textsOnShow);

    void announce();
    // The fields about to be painted anew no longer show a typed colour.
    void inputPaintedOver();
    void planStep(Changes was);
    void applyStep(const StateDelta& d);
    static void setFileValues(MainState& s, const FixSnapshot& current);

    MainState m_stand;
    WindowFacts m_window;
    RecomputeNotes m_notes;
    int m_tiefe = 0;
    Changes m_offen;
    Redraw m_redraw;

    QUndoStack m_verlauf;
    MainState m_festgehalten;   // the state the last step ended in
    Changes m_seitFestgehalten; // what changed since, for a name no gesture gave
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
