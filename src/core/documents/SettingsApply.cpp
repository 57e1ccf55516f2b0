#include "core/documents/SettingsApply.h"

#include "core/colour/AnglePicture.h"
#include "core/colour/BandTables.h"
#include "core/colour/LightDark.h"
#include "core/harmony/FieldColours.h"
#include "core/harmony/Positions.h"
#include "core/harmony/StateHooks.h"

#include <algorithm>

namespace
{

std::optional<bool> onOffValue(int value)
{
    if (value == 1)
        return true;
    if (value == 0)
        return false;
    return std::nullopt;
}

std::optional<HarmonyMode> harmonyModeFrom(int value)
{
    switch (value) {
    case static_cast<int>(HarmonyMode::twoColour):
    case static_cast<int>(HarmonyMode::threeColour):
    case static_cast<int>(HarmonyMode::fourColour):
    case static_cast<int>(HarmonyMode::fanning):
    case static_cast<int>(HarmonyMode::colourRows):
        return static_cast<HarmonyMode>(value);
    default:
        return std::nullopt;
    }
}

int position(int value)
{
    return std::clamp(value, 0, lastBandPosition);
}

int separation(int value)
{
    return std::clamp(value, 0, maxAngleDistance);
}

// The file keeps the cross-hairs as x, y pairs in field order.
int xSlot(Field field)
{
    return fileSlot::lightDarkBigX + 2 * fieldIndex(field);
}

void setInvolvedField(MainState& s, Field field)
{
    for (Field f : allFields)
        s.fieldOn[f] = f == field;
    s.separateChoice = field;
}

void forgetDrawn(MainState& s)
{
    for (Field f : allFields)
        s.posGezeichnet(f) = -1;
}

// Every field of the mode takes part again, as switching separate adjustment off leaves it.
void separateOff(MainState& s)
{
    forgetDrawn(s);
    s.actionSet.farbenSeparatEinstellen = false;
    s.separatModus = false;
    const HarmonyMode harmonyMode = s.harmonyMode();
    s.feldGrossAn() = true;
    s.feldRechtsAn() = true;
    s.feldLinksAn() = harmonyMode == HarmonyMode::threeColour || harmonyMode == HarmonyMode::fourColour;
    s.feldMitteAn() = harmonyMode == HarmonyMode::fourColour;
}

void separateOn(MainState& s)
{
    forgetDrawn(s);
    s.actionSet.farbenSeparatEinstellen = true;
    s.separatModus = true;
    setInvolvedField(s, Field::big);
    s.lightDarkTarget = Field::big;
}

// The mode's fields, and a light/dark target the new mode has.
void setHarmonyMode(MainState& s, HarmonyMode harmonyMode)
{
    if (isRowMode(harmonyMode) && s.separatModus)
        separateOff(s);
    if (s.targetLeaves(harmonyMode))
        s.lightDarkTarget = Field::right;
    switch (harmonyMode) {
    case HarmonyMode::twoColour:
        s.feldLinksAn() = false;
        s.feldMitteAn() = false;
        break;
    case HarmonyMode::threeColour:
        s.feldLinksAn() = !s.separatModus;
        s.feldMitteAn() = false;
        break;
    case HarmonyMode::fourColour:
        s.feldLinksAn() = !s.separatModus;
        s.feldMitteAn() = !s.separatModus;
        break;
    case HarmonyMode::fanning:
    case HarmonyMode::colourRows:
        break;
    }
    s.actionSet.harmonyMode = harmonyMode;
}

void setStepCount(MainState& s, int stepCount)
{
    s.stufenAnzahl = stepCount;
    for (int k = 2; k <= 7; ++k)
        s.stufeAktiv[static_cast<std::size_t>(k)] = k <= stepCount;
    if (s.fixiert)
        (s.fixLinksAktiv ? s.stufenFixLinks : s.stufenFixRechts) = stepCount;
}

} // namespace

std::vector<Field> crossHairFields(int harmonyMode)
{
    using F = Field;
    switch (harmonyMode) {
    case static_cast<int>(HarmonyMode::twoColour):
        return {F::right, F::big};
    case static_cast<int>(HarmonyMode::threeColour):
    case static_cast<int>(HarmonyMode::fanning):
        return {F::right, F::left, F::big};
    case static_cast<int>(HarmonyMode::fourColour):
        return {F::right, F::left, F::centre, F::big};
    case static_cast<int>(HarmonyMode::colourRows):
        return {F::left, F::right};
    default:
        return {};
    }
}

FileSetting fileSetting(const SettingsBlock& b)
{
    FileSetting e;
    const int harmonyMode = b.valueSet[fileSlot::harmonyMode];
    e.realistisch = onOffValue(b.valueSet[fileSlot::realistisch]);
    e.harmonyMode = harmonyModeFrom(harmonyMode);
    e.bandClick = position(b.valueSet[fileSlot::posGross]);
    switch (harmonyMode) {
    case static_cast<int>(HarmonyMode::threeColour):
        e.abstand1 = separation(b.valueSet[fileSlot::abstand1]);
        break;
    case static_cast<int>(HarmonyMode::fourColour):
        e.winkeltyp2 = b.valueSet[fileSlot::angleTypeNumber] != 1;
        if (!*e.winkeltyp2)
            e.abstand2 = separation(b.valueSet[fileSlot::abstand2]);
        e.abstand1 = separation(b.valueSet[fileSlot::abstand1]);
        break;
    case static_cast<int>(HarmonyMode::fanning):
    case static_cast<int>(HarmonyMode::colourRows):
        e.abstand1 = separation(b.valueSet[fileSlot::abstand1]);
        // An index past the list is held to its ends, as the list offers no other.
        e.stepIndex = std::clamp(b.valueSet[fileSlot::stepIndex], 0, lastStepIndex);
        break;
    default:
        break;
    }
    e.separate = onOffValue(b.valueSet[fileSlot::separate]);
    e.websicher = onOffValue(b.valueSet[fileSlot::websicher]);
    e.textInstead = onOffValue(b.valueSet[fileSlot::textInstead]);
    for (Field f : allFields)
        e.pos[f] = position(b.valueSet[fileSlot::posGross2 + fieldIndex(f)]);
    for (const Field field : crossHairFields(harmonyMode)) {
        const int x = xSlot(field);
        e.crossHairs.push_back(
            {field, std::clamp(b.valueSet[x], 0, fieldLimit), std::clamp(b.valueSet[x + 1], 0, fieldLimit)});
    }
    if (harmonyMode != static_cast<int>(HarmonyMode::colourRows))
        e.textSet = ValueTexts{QString::number(b.valueSet[fileSlot::bigR]),
                               QString::number(b.valueSet[fileSlot::bigR + 1]),
                               QString::number(b.valueSet[fileSlot::bigR + 2]), QString::fromLatin1(b.hex)};
    return e;
}

FileSetting snapshotSetting(const FixSnapshot& f, bool webSafeOn)
{
    const FileBlocks blocks =
        fileBlocks(f, f, false, {.websicher = webSafeOn, .textInstead = f.fixTextStattFlaechen == 1}, {}, {});
    return fileSetting(blocks.block1);
}

void rememberFileValues(MainState& s, const SettingsBlock& b)
{
    s.dateiRealistisch = b.valueSet[fileSlot::realistisch];
    s.dateiModus = b.valueSet[fileSlot::harmonyMode];
    s.dateiWinkeltyp = b.valueSet[fileSlot::angleTypeNumber];
    s.dateiAbstand1 = b.valueSet[fileSlot::abstand1];
    s.dateiAbstand2 = b.valueSet[fileSlot::abstand2];
    s.dateiSeparat = b.valueSet[fileSlot::separate];
}

void setPositions(MainState& s, const FileSetting& e)
{
    for (Field f : allFields)
        s.pos(f) = e.pos[f];
}

void applySetting(MainState& s, const FileSetting& e, const WindowFacts& window)
{
    // The whole display is drawn anew afterwards: what the recompute notes is not needed.
    RecomputeNotes notes;
    StateHooks hooks(s, window, notes);
    if (e.realistisch) {
        s.actionSet.realistisch = *e.realistisch;
        s.bandLuminoes = !*e.realistisch;
    }
    if (e.harmonyMode)
        setHarmonyMode(s, *e.harmonyMode);
    const HarmonyMode harmonyMode = s.harmonyMode();
    if (e.winkeltyp2)
        s.winkeltyp2 = *e.winkeltyp2;
    if (e.abstand2) {
        s.abstand2() = *e.abstand2;
        s.angleSlider2 = *e.abstand2;
    }
    if (e.abstand1) {
        s.abstand1() = firstDistance(*e.abstand1, harmonyMode);
        s.angleSlider1 = *e.abstand1;
    }
    if (e.stepIndex)
        setStepCount(s, *e.stepIndex + 1);

    if (e.separate && !isRowMode(harmonyMode) && *e.separate != s.separatModus) {
        if (*e.separate)
            separateOn(s);
        else
            separateOff(s);
    }
    if (e.websicher)
        s.actionSet.nurWebsichereFarbenAnzeigen = s.nurWebsicher = *e.websicher;
    if (e.textInstead)
        s.actionSet.textInsteadOfFields = *e.textInstead;

    datenHolen(s, e.bandClick, 0, true, hooks);
    setPositions(s, e);

    for (const CrossHair& k : e.crossHairs) {
        if (s.separatModus) {
            setInvolvedField(s, k.field);
            datenHolen(s, s.pos(k.field), 0, false, hooks);
        }
        s.lightDarkTarget = k.field;
        computeLightDarkMove(s, k.x, k.y, window.compactLayout);
        hooks.recolour();
    }
}
