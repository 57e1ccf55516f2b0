#include "core/state/ColourDocument.h"

#include "core/colour/AnglePicture.h"
#include "core/colour/LightDark.h"
#include "core/documents/SettingsApply.h"
#include "core/harmony/FieldColours.h"
#include "core/harmony/Positions.h"
#include "core/harmony/StateHooks.h"
#include "core/state/UndoStep.h"

#include <QScopedValueRollback>

namespace
{

// True when the value was another: an operation that changes nothing announces nothing.
template <typename T> bool setIfChanged(T& field, T value)
{
    if (field == value)
        return false;
    field = value;
    return true;
}

// Forgotten drawn positions make the markers replace the angle lines even
// when no field has moved since the last drawing.
void forgetDrawn(MainState& s)
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

void ColourDocument::replaceState(const MainState& neu)
{
    m_stand = neu;
    mark(everythingChanged, {.whole = true});
}

void ColourDocument::mark(Changes was, Redraw how)
{
    m_offen |= was;
    m_redraw |= how;
    // A field that leaves the change before its end keeps the colours it got.
    if (was & Change::farben)
        for (const Field f : allFields)
            if (m_stand.fieldOn[f])
                m_redraw.recoloured |= 1u << fieldIndex(f);
    if (m_tiefe == 0)
        announce();
}

void ColourDocument::announce()
{
    if (!m_offen && !m_redraw.any())
        return;
    const Changes was = m_offen;
    const Redraw how = m_redraw;
    m_offen = {};
    m_redraw = {};
    planStep(was);
    emit modified(was, how);
}

// --- the history ---

namespace
{

// A change no gesture named, by the most telling of what it changed.
StepKind stepKindFrom(Changes was)
{
    const std::pair<Change, StepKind> kindTable[] = {
        {Change::fixing, StepKind::fixing},
        {Change::separate, StepKind::separateAdjustment},
        {Change::harmonyMode, StepKind::harmonyType},
        {Change::stepCount, StepKind::fieldCount},
        {Change::angles, StepKind::angle},
        {Change::input, StepKind::colourInput},
        {Change::viewOptions, StepKind::view},
        {Change::band, StepKind::bandPosition},
        {Change::lightDark, StepKind::lightDark},
        {Change::choice, StepKind::fieldSelection},
    };
    for (const auto& [aenderung, variety] : kindTable)
        if (was & aenderung)
            return variety;
    return StepKind::colours;
}

} // namespace

// A press and a release close what came before them: a change made before the
// press, or by the drag, never joins the next one.
void ColourDocument::beginGesture(StepKind variety)
{
    if (m_gesteTiefe++ > 0)
        return;
    finishStep();
    m_geste = ++m_gesten;
    m_art = variety;
}

void ColourDocument::endGesture()
{
    if (m_gesteTiefe > 0 && --m_gesteTiefe > 0)
        return;
    finishStep();
    m_geste = 0;
    m_art.reset();
}

ColourDocument::Operation::Operation(ColourDocument& d, StepKind variety) : m_d(d)
{
    if (m_d.m_vorgangTiefe++ > 0 || m_d.m_gesteTiefe > 0)
        return;
    m_d.finishStep();
    m_d.m_art = variety;
}

// An operation that changed nothing leaves no name for a later change.
ColourDocument::Operation::~Operation()
{
    if (--m_d.m_vorgangTiefe == 0 && m_d.m_gesteTiefe == 0 && !m_d.m_seitFestgehalten)
        m_d.m_art.reset();
}

void ColourDocument::planStep(Changes was)
{
    if (m_wendet || !was)
        return;
    if (!m_seitFestgehalten)
        m_schrittGeste = m_geste;
    m_seitFestgehalten |= was;
    if (m_schrittGeplant)
        return;
    m_schrittGeplant = true;
    QMetaObject::invokeMethod(this, &ColourDocument::finishStep, Qt::QueuedConnection);
}

void ColourDocument::finishStep()
{
    m_schrittGeplant = false;
    const Changes was = m_seitFestgehalten;
    m_seitFestgehalten = {};
    const StepKind variety = m_art.value_or(stepKindFrom(was));
    // A press keeps its name for the rest of its drag.
    if (m_gesteTiefe == 0 && m_vorgangTiefe == 0)
        m_art.reset();
    StateDelta d(m_festgehalten, m_stand);
    if (d.blank())
        return;
    m_festgehalten = m_stand;
    const QString name = m_schrittNamen ? m_schrittNamen(variety) : QString();
    m_verlauf.push(new UndoStep(variety, name, std::move(d), m_schrittGeste,
                                [this](const StateDelta& x) { applyStep(x); }));
}

void ColourDocument::restartHistory()
{
    m_verlauf.clear();
    m_festgehalten = m_stand;
    m_seitFestgehalten = {};
}

void ColourDocument::restoreStep(const MainState& neu)
{
    m_festgehalten = neu;
    applyStep(StateDelta());
}

// The step's other state, taken whole and drawn anew.
void ColourDocument::applyStep(const StateDelta& d)
{
    const QScopedValueRollback wendet(m_wendet, true);
    d.applyChange(m_festgehalten);
    m_stand = m_festgehalten;
    m_seitFestgehalten = {};
    mark(everythingChanged, {.whole = true, .bothHalves = true});
}

// --- the recompute ---

void ColourDocument::datenHolen(int p, bool recolour)
{
    const Batch eineAenderung(*this);
    StateHooks hooks(m_stand, m_window, m_notes);
    ::datenHolen(m_stand, p, 0, recolour, hooks);
    Changes was = Change::band;
    if (recolour) {
        inputPaintedOver();
        was |= Change::farben;
    }
    mark(was, {.fieldsMixed = recolour, .markersDue = m_notes.angleMarkerDue});
}

void ColourDocument::fetchDataAtParticipant()
{
    const MainState& s = m_stand;
    if (s.feldGrossAn() || s.feldRechtsAn() || s.feldLinksAn() || s.feldMitteAn())
        datenHolen(involvedFieldPosition(), true);
}

int ColourDocument::involvedFieldPosition() const
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
LightDarkPoint ColourDocument::setLightDark(int x, int y)
{
    const LightDarkPoint p = computeLightDarkMove(m_stand, x, y, m_window.compactLayout);
    StateHooks(m_stand, m_window, m_notes).recolour();
    inputPaintedOver();
    mark(Change::lightDark | Change::farben);
    return p;
}

void ColourDocument::renewLightDark()
{
    setLightDark(m_stand.lightDarkPointX[m_stand.lightDarkTarget],
                 m_stand.lightDarkPointY[m_stand.lightDarkTarget]);
}

bool ColourDocument::angleMarkerDue()
{
    // The drawn positions are the picture's own bookkeeping; nothing to announce.
    return checkAngleDrawing(m_stand, m_window.shown);
}

// --- band ---

void ColourDocument::applyBandType(bool luminoes)
{
    m_stand.bandLuminoes = luminoes;
    m_stand.actionSet.realistisch = !luminoes;
    mark(Change::band);
}

void ColourDocument::setPositions(const PerField<int>& positions)
{
    for (const Field f : allFields)
        m_stand.pos(f) = positions[f];
    mark(Change::band);
}

// --- mode, angles, field count ---

void ColourDocument::setHarmonyMode(HarmonyMode harmonyMode)
{
    if (setIfChanged(m_stand.actionSet.harmonyMode, harmonyMode))
        mark(Change::harmonyMode);
}

void ColourDocument::setHarmonyModeFields(HarmonyMode harmonyMode)
{
    bool anders = false;
    if (harmonyMode == HarmonyMode::twoColour || harmonyMode == HarmonyMode::threeColour ||
        harmonyMode == HarmonyMode::fourColour) {
        anders |= setIfChanged(m_stand.fieldOn[Field::left], harmonyMode != HarmonyMode::twoColour);
        anders |= setIfChanged(m_stand.fieldOn[Field::centre], harmonyMode == HarmonyMode::fourColour);
    }
    if (isRowMode(harmonyMode))
        anders |= setIfChanged(m_stand.separatModus, false);
    if (anders)
        mark(Change::separate);
}

void ColourDocument::setStepCount(int stepCount)
{
    m_stand.stufenAnzahl = stepCount;
    for (int k = 2; k <= 7; ++k)
        m_stand.stufeAktiv[static_cast<std::size_t>(k)] = k <= stepCount;
    if (m_stand.fixiert)
        (m_stand.fixLinksAktiv ? m_stand.stufenFixLinks : m_stand.stufenFixRechts) = stepCount;
    mark(Change::stepCount);
}

void ColourDocument::setDistance1(int separation)
{
    if (setIfChanged(m_stand.abstand1(), separation))
        mark(Change::angles);
}

void ColourDocument::setDistance2(int separation)
{
    if (setIfChanged(m_stand.abstand2(), separation))
        mark(Change::angles);
}

void ColourDocument::setAngleType(bool typ2)
{
    if (setIfChanged(m_stand.winkeltyp2, typ2))
        mark(Change::angles);
}

void ColourDocument::setAngleSliders(int first, int second)
{
    if (m_stand.angleSlider1 == first && m_stand.angleSlider2 == second)
        return;
    m_stand.angleSlider1 = first;
    m_stand.angleSlider2 = second;
    mark(Change::angles);
}

void ColourDocument::forgetAngleMarker()
{
    forgetDrawn(m_stand);
}

void ColourDocument::renewSeparateAngleMarkers()
{
    if (m_stand.actionSet.farbenSeparatEinstellen)
        renewAngleMarker();
}

void ColourDocument::renewAngleMarker()
{
    forgetDrawn(m_stand);
    if (checkAngleDrawing(m_stand, m_window.shown)) {
        m_notes.angleMarkerDue = true;
        mark({}, {.markersDue = true});
    }
}

// --- selection and separate adjustment ---

void ColourDocument::selectField(Field field)
{
    if (setIfChanged(m_stand.lightDarkTarget, field))
        mark(Change::choice);
}

void ColourDocument::setFieldIncluded(Field field, bool an)
{
    if (setIfChanged(m_stand.fieldOn[field], an))
        mark(Change::separate);
}

// The choice changes only with the field taking part, which announces it.
void ColourDocument::onlyFieldTakesPart(Field field)
{
    if (m_stand.separatModus)
        m_stand.separateChoice = field;
    for (const Field f : allFields)
        setFieldIncluded(f, f == field);
}

// Which field takes part is the caller's next step (the first radio button's).
void ColourDocument::switchSeparateOn()
{
    m_stand.actionSet.farbenSeparatEinstellen = true;
    m_stand.separatModus = true;
    m_stand.separateChoice = Field::big;
    mark(Change::separate);
}

// Every small field of the mode takes part again.
void ColourDocument::switchSeparateOff()
{
    const Batch eineAenderung(*this);
    m_stand.actionSet.farbenSeparatEinstellen = false;
    m_stand.separatModus = false;
    const HarmonyMode harmonyMode = m_stand.harmonyMode();
    setFieldIncluded(Field::right, true);
    setFieldIncluded(Field::left,
                     harmonyMode == HarmonyMode::threeColour || harmonyMode == HarmonyMode::fourColour);
    setFieldIncluded(Field::centre, harmonyMode == HarmonyMode::fourColour);
    mark(Change::separate);
}

// --- colours from outside ---

void ColourDocument::eingabeFarbeAktiv(bool an)
{
    if (setIfChanged(m_stand.eingabeFarbeAktiv, an))
        mark(Change::input);
}

void ColourDocument::eingabeTexteZeigen(bool an)
{
    if (setIfChanged(m_stand.eingabeTexteZeigen, an))
        mark(Change::input);
}

void ColourDocument::eingabeUebernommen(bool an)
{
    if (setIfChanged(m_stand.eingabeUebernommen, an))
        mark(Change::input);
}

void ColourDocument::takeInput(const std::array<int, 3>& value, const std::array<QString, 4>& textSet)
{
    m_stand.inputValue = value;
    for (std::size_t i = 0; i < textSet.size(); ++i) {
        auto& target = m_stand.inputText[i];
        target.fill(u'\0');
        const QString text = textSet[i].left(static_cast<qsizetype>(target.size() - 1));
        for (qsizetype k = 0; k < text.size(); ++k)
            target[static_cast<std::size_t>(k)] = text[k].unicode();
    }
    mark(Change::input);
}

void ColourDocument::finishInput()
{
    if (m_stand.eingabeFarbeAktiv) {
        m_stand.inputShown = true;
        m_stand.inputWithTexts = m_stand.eingabeTexteZeigen;
        m_stand.inputField =
            m_stand.harmonyMode() == HarmonyMode::colourRows ? m_stand.lightDarkTarget : Field::big;
    }
    m_stand.eingabeFarbeAktiv = m_stand.eingabeTexteZeigen = false;
    mark(Change::input);
}

void ColourDocument::inputPaintedOver()
{
    MainState& s = m_stand;
    if (s.inputShown && (isRowMode(s.harmonyMode()) || s.fieldOn[s.inputField]))
        s.inputShown = false;
}

void ColourDocument::setWebSafeOnly(bool an)
{
    m_stand.actionSet.nurWebsichereFarbenAnzeigen = an;
    m_stand.nurWebsicher = an;
    mark(Change::viewOptions | Change::farben);
}

void ColourDocument::webSafeAssigned()
{
    m_stand.websicherUebernommen = true;
    m_stand.webSafeLeft = m_stand.fixiert && m_stand.fixLinksAktiv;
    mark(Change::farben);
}

void ColourDocument::forgetWebSafe()
{
    if (!m_stand.websicherUebernommen)
        return;
    m_stand.websicherUebernommen = false;
    mark(Change::farben);
}

// --- view options ---

void ColourDocument::setTextInsteadOfFields(bool an)
{
    m_stand.actionSet.textInsteadOfFields = an;
    mark(Change::viewOptions);
}

void ColourDocument::setColourBandHidden(bool an)
{
    m_stand.actionSet.farbstreifenVerstecken = an;
    mark(Change::viewOptions);
}

// --- fixing ---

void ColourDocument::switchFixingOn(const FixSnapshot& currentState)
{
    MainState& s = m_stand;
    s.stufenFixLinks = s.stufenAnzahl;
    s.stufenFixRechts = s.stufenAnzahl;
    s.fixStand = currentState;
    s.actionSet.fixieren = true;
    s.fixiert = true;
    s.fixWechselRechts = false;
    s.fixWechselLinks = true;
    s.fixLinksAktiv = false;
    s.fixReihen = s.harmonyMode() == HarmonyMode::colourRows;
    s.fixAuffaecher = s.harmonyMode() == HarmonyMode::fanning;
    mark(Change::fixing);
}

void ColourDocument::switchFixingOff()
{
    MainState& s = m_stand;
    s.fixReihen = false;
    s.fixAuffaecher = false;
    s.actionSet.fixieren = false;
    s.fixiert = false;
    s.fixLinksAktiv = false;
    mark(Change::fixing);
}

void ColourDocument::setFixSnapshot(const FixSnapshot& currentState)
{
    m_stand.fixStand = currentState;
    mark(Change::fixing);
}

// A single display has no halves: a click into its big field changes nothing.
void ColourDocument::selectHalf(bool left)
{
    if (!m_stand.fixiert)
        return;
    bool anders = setIfChanged(m_stand.fixLinksAktiv, left);
    anders |= setIfChanged(left ? m_stand.fixWechselRechts : m_stand.fixWechselLinks, true);
    if (anders)
        mark(Change::fixing);
}

void ColourDocument::switchHandled(bool left)
{
    (left ? m_stand.fixWechselLinks : m_stand.fixWechselRechts) = false;
}

// --- a whole combination ---

void ColourDocument::applySetting(const FileSetting& e)
{
    m_stand.inputShown = false;
    ::applySetting(m_stand, e, m_window);
    mark(everythingChanged, {.whole = true});
}

// --- settings files ---

void ColourDocument::rememberFileValues(const SettingsBlock& b)
{
    ::rememberFileValues(m_stand, b);
}

// What a save writes for itself is no change of the user's: no step.
void ColourDocument::fileValuesFrom(const FixSnapshot& current)
{
    for (MainState* s : {&m_stand, &m_festgehalten})
        setFileValues(*s, current);
}

void ColourDocument::setFileValues(MainState& s, const FixSnapshot& current)
{
    s.dateiSeparat = current.fixSeparat;
    s.dateiRealistisch = current.fixRealistisch;
    s.dateiModus = current.fixModus;
    s.dateiWinkeltyp = current.fixWinkeltyp;
    s.dateiAbstand1 = current.fixAbstand1;
    s.dateiAbstand2 = current.fixAbstand2;
}
