// The document's intents: each gesture of the user as one whole change.
#include "core/state/ColourDocument.h"

#include "core/colour/AnglePicture.h"
#include "core/colour/BandTables.h"
#include "core/colour/LightDark.h"
#include "core/colour/ManualInput.h"
#include "core/colour/Rounding.h"
#include "core/documents/SettingsApply.h"
#include "core/harmony/FixSnapshot.h"

#include <algorithm>

ColourDocument::Intent::Intent(ColourDocument& d, StepKind variety) : m_d(d)
{
    m_batch.emplace(d);
    if (m_d.m_vorgangTiefe++ > 0 || m_d.m_gesteTiefe > 0 || m_d.m_seitFestgehalten)
        return;
    m_d.finishStep();
    m_d.m_art = variety;
}

// Announced first, so that the step knows what changed before its name is settled.
ColourDocument::Intent::~Intent()
{
    m_batch.reset();
    if (--m_d.m_vorgangTiefe == 0 && m_d.m_gesteTiefe == 0 && !m_d.m_seitFestgehalten)
        m_d.m_art.reset();
}

void ColourDocument::chooseField(Field field)
{
    const Intent choice(*this, StepKind::fieldSelection);
    const MainState& s = m_stand;
    if (!s.separatModus) {
        selectField(field);
        renewLightDark();
        return;
    }
    // The field already taking part stays as it is; the big field is fetched again.
    if (field == Field::big || s.separateChoice != field)
        takePartAlone(field);
}

void ColourDocument::chooseTakingPart(Field field)
{
    const Intent choice(*this, StepKind::separateAdjustment);
    const MainState& s = m_stand;
    if (s.separatModus && modeHasField(s.harmonyMode(), field))
        takePartAlone(field);
}

// Separate adjustment: the field alone takes part, recomputed at its place,
// and the light/dark field works on it.
void ColourDocument::takePartAlone(Field field)
{
    onlyFieldTakesPart(field);
    datenHolen(m_stand.pos(field), false);
    selectField(field);
    renewLightDark();
}

// A press ends the typed colour's turn on the fields.
void ColourDocument::pressBand(int x)
{
    const Intent band(*this, StepKind::bandPosition);
    eingabeFarbeAktiv(false);
    dragBand(x);
}

void ColourDocument::dragBand(int x)
{
    const Intent band(*this, StepKind::bandPosition);
    if (m_stand.hdZielGross())
        eingabeTexteZeigen(false);
    datenHolen(std::clamp(x, 0, lastBandPosition), true);
    recomputeAngles();
}

void ColourDocument::applyTypedColour(int position, InputPoint point)
{
    const Intent input(*this, StepKind::colourInput);
    const MainState& s = m_stand;
    einfaerben(position);
    eingabeFarbeAktiv(true);
    if (s.harmonyMode() == HarmonyMode::colourRows) {
        assignToRows(position, point);
    } else if (s.separatModus || s.hdZielGross()) {
        applyInputPoint(point);
    } else {
        // The typed colour is the big field's; the small field stays selected.
        const Field small = s.lightDarkTarget;
        chooseField(Field::big);
        applyInputPoint(point);
        chooseField(small);
    }
}

void ColourDocument::einfaerben(int p)
{
    if (m_stand.harmonyMode() == HarmonyMode::colourRows)
        setInputOnOuterField(true);
    pressBandForInput(p - 1);
}

// A position off either end of the band wraps round, as the wheel does.
void ColourDocument::pressBandForInput(int position)
{
    pressBand(((position % bandLength) + bandLength) % bandLength);
    eingabeFarbeAktiv(true);
}

void ColourDocument::applyInputPoint(InputPoint point)
{
    if (m_window.compactLayout)
        point = {roundHalfEven(point.x / 2.0), 127 - roundHalfEven((255 - point.y) / 2.0)};
    setLightDark(point.x, point.y);
}

// The row's centre goes half the row's angle away from the found position, so
// that the selected outer field lands on it once the angle is back.
void ColourDocument::assignToRows(int position, InputPoint point)
{
    const MainState& s = m_stand;
    setInputOnOuterField(true);
    // The track bar shows no position beyond its ends.
    const int v = std::clamp(s.angleSlider1, 0, maxAngleDistance);
    const int second = std::clamp(s.angleSlider2, 0, maxAngleDistance);
    if (v != 0)
        moveAngleSliders(0, second);
    const double x = v * 467.0 / 117.0;
    int centre = position;
    if (s.hdZielRechts()) {
        applyInputPoint(point);
        chooseField(Field::right);
        centre = roundHalfEven(position - x / 2);
    } else if (s.hdZielLinks()) {
        applyInputPoint(point);
        chooseField(Field::left);
        centre = roundHalfEven(position + x / 2);
    }
    einfaerben(centre);
    setInputOnOuterField(false);
    if (v != 0)
        moveAngleSliders(v, second);
    // Pressing at the found position itself would move the outer field off it again.
    pressBandForInput(centre - 1);
}

// A press ends the typed colour's turn on the fields.
void ColourDocument::pressLightDark(int x, int y)
{
    const Intent lightDark(*this, StepKind::lightDark);
    eingabeFarbeAktiv(false);
    dragLightDark(x, y);
}

void ColourDocument::dragLightDark(int x, int y)
{
    const Intent lightDark(*this, StepKind::lightDark);
    if (m_stand.hdZielGross())
        eingabeTexteZeigen(false);
    setLightDark(x, y);
}

// A typed-in big-field colour belongs to the luminous band: the realistic band
// drops it, the luminous band fetches the big field again to show it.
void ColourDocument::switchBandType(bool luminoes)
{
    const Intent bandType(*this, StepKind::bandType);
    const MainState& s = m_stand;
    const bool textsShown = s.eingabeTexteZeigen;
    if (s.hdZielGross())
        eingabeTexteZeigen(false);
    if (!luminoes)
        eingabeFarbeAktiv(false);
    applyBandType(luminoes);
    fetchDataAtParticipant();
    // Every field of the mode is selected once, so that it takes the new band's
    // colour at its own position with its own amounts (in separate adjustment a
    // recompute moves only the field taking part); then the one selected before.
    const Field before = s.lightDarkTarget;
    for (const Field f : allFields)
        if (f != before && modeHasField(s.harmonyMode(), f))
            chooseField(f);
    chooseField(before);
    renewSeparateAngleMarkers();
    if (textsShown) {
        eingabeTexteZeigen(true);
        if (luminoes && s.feldGrossAn())
            datenHolen(s.posGross(), true);
    }
    recomputeAngles();
    // Separate adjustment shows the unturned wheel of the new band under its markers.
    renewSeparateAngleMarkers();
}

void ColourDocument::acceptTypedColour(const std::array<int, 3>& value, const std::array<QString, 4>& textSet)
{
    const Intent input(*this, StepKind::colourInput);
    takeInput(value, textSet);
    eingabeUebernommen(true);
    eingabeTexteZeigen(true);
}

void ColourDocument::toggleWebSafeOnly()
{
    const Intent webSafe(*this, StepKind::view);
    setWebSafeOnly(!m_stand.actionSet.nurWebsichereFarbenAnzeigen);
    fetchDataAtParticipant();
}

void ColourDocument::changeAngleType(bool typ2)
{
    const Intent angleType(*this, StepKind::angleType);
    setAngleType(typ2);
    recomputeAngles();
}

void ColourDocument::moveAngleSliders(int first, int second)
{
    const Intent angles(*this, StepKind::angle);
    setAngleSliders(first, second);
    recomputeAngles();
}

void ColourDocument::recomputeAngles()
{
    const MainState& s = m_stand;
    if (!m_window.shown || s.actionSet.farbenSeparatEinstellen)
        return;
    const Batch eineAenderung(*this);
    const AngleDisplay distances =
        angleDistances(s.harmonyMode(), std::clamp(s.angleSlider1, 0, maxAngleDistance),
                       std::clamp(s.angleSlider2, 0, maxAngleDistance));
    setDistance1(distances.abstand1);
    datenHolen(s.posGross(), true);
    setDistance2(distances.abstand2);
    datenHolen(s.posGross(), true);
}

void ColourDocument::changeFieldCount(int stepCount)
{
    const Intent count(*this, StepKind::fieldCount);
    setStepCount(std::clamp(stepCount, 1, 7));
    recomputeAngles();
    renewLightDark();
    // The big field's point is applied again after the right one's, as selecting both in turn does.
    if (m_stand.hdZielGross()) {
        chooseField(Field::right);
        chooseField(Field::big);
    }
}

void ColourDocument::toggleFixing()
{
    const Intent fixing(*this, StepKind::fixing);
    if (m_stand.fixiert)
        switchFixingOff();
    else
        switchFixingOn(fixSnapshotFrom(m_stand, inputsFrom(m_stand)));
}

// The stored combination is applied as a block of a settings file is, and the
// edited one is stored in its place.
bool ColourDocument::editHalf(bool left)
{
    const Intent swap(*this, StepKind::fixing);
    const MainState& s = m_stand;
    selectHalf(left);
    if (!(left ? s.fixWechselLinks : s.fixWechselRechts) || !s.actionSet.fixieren)
        return false;
    switchHandled(left);
    if (!deviates(s, inputsFrom(s)))
        return false;
    const FixSnapshot stored = s.fixStand;
    setFixSnapshot(fixSnapshotFrom(s, inputsFrom(s)));
    applySetting(snapshotSetting(stored, s.nurWebsicher));
    mark({}, {.halvesTraded = true});
    renewSeparateAngleMarkers();
    return true;
}

void ColourDocument::changeHarmonyMode(HarmonyMode harmonyMode, const PerField<bool>& textsOnShow)
{
    const Intent change(*this, StepKind::harmonyType);
    const MainState& s = m_stand;
    if (isRowMode(harmonyMode)) {
        // Fanning and colour rows know no separate adjustment.
        if (s.separatModus && s.actionSet.farbenSeparatEinstellen)
            toggleSeparateAdjustment(textsOnShow);
        setHarmonyModeFields(harmonyMode);
    }
    if (s.eingabeUebernommen) {
        eingabeUebernommen(false);
        renewLightDark();
    }
    eingabeFarbeAktiv(false);
    // The light/dark target stays on a field the new mode has.
    if (s.targetLeaves(harmonyMode))
        chooseField(Field::right);
    setHarmonyMode(harmonyMode);
    setHarmonyModeFields(harmonyMode);
    recomputeMode(harmonyMode, textsOnShow);
    // The half's count may be from before a swap that restored a harmony,
    // which leaves the field count alone: its rows are the current count's.
    if (s.fixiert)
        setStepCount(s.stufenAnzahl);
    renewSeparateAngleMarkers();
}

void ColourDocument::recomputeMode(HarmonyMode harmonyMode, const PerField<bool>& textsOnShow)
{
    const MainState& s = m_stand;
    const bool harmony = !isRowMode(harmonyMode);
    if (harmony && s.separatModus) {
        // The chosen field takes part again; added fields get their colours.
        chooseTakingPart(s.separateChoice);
        if (harmonyMode == HarmonyMode::threeColour || harmonyMode == HarmonyMode::fourColour)
            chooseField(Field::left);
        if (harmonyMode == HarmonyMode::fourColour)
            chooseField(Field::centre);
    } else if (harmonyMode == HarmonyMode::twoColour) {
        datenHolen(s.posGross(), true);
    }
    recomputeAngles();
    if (!harmony)
        renewLightDark();
    if (harmony) {
        if (s.actionSet.textInsteadOfFields)
            selectTextFields(textsOnShow);
    } else if (harmonyMode == HarmonyMode::fanning && s.hdZielGross()) {
        chooseField(Field::right);
        chooseField(Field::big);
    }
}

void ColourDocument::selectTextFields(const PerField<bool>& textsOnShow)
{
    const Intent choice(*this, StepKind::fieldSelection);
    const Field last = m_stand.separateChoice;
    for (const Field f : allFields)
        if (f != last && (f == Field::big || textsOnShow[f]))
            chooseField(f);
    chooseField(last);
}

void ColourDocument::toggleSeparateAdjustment(const PerField<bool>& textsOnShow)
{
    const Intent separate(*this, StepKind::separateAdjustment);
    const MainState& s = m_stand;
    const Field target = s.lightDarkTarget;
    chooseField(Field::big);
    if (s.actionSet.farbenSeparatEinstellen) {
        forgetAngleMarker();
        switchSeparateOff();
        // The mode derives every small field from the big field again.
        if (!isRowMode(s.harmonyMode()))
            changeHarmonyMode(s.harmonyMode(), textsOnShow);
    } else {
        renewAngleMarker();
        switchSeparateOn();
        for (const Field f : allFields)
            setFieldIncluded(f, f == Field::big);
    }
    // The big field takes part, and the field selected before is selected again
    // when the mode has it.
    setFieldIncluded(Field::big, true);
    selectField(Field::big);
    datenHolen(s.posGross(), false);
    renewLightDark();
    if (target != Field::big && modeHasField(s.harmonyMode(), target))
        chooseField(target);
}
