#pragma once

#include "core/documents/SettingsFile.h"
#include "core/state/Field.h"
#include "core/state/MainState.h"
#include "core/state/WindowFacts.h"

#include <optional>
#include <vector>

// The stepCount list offers 3, 5, ... 15 fields: item indexes 0..6.
inline constexpr int lastStepIndex = 6;

// The fields whose cross-hairs a combination of this mode (0..4) restores, in
// the order the window selects them; none for another number.
std::vector<Field> crossHairFields(int harmonyMode);

// One cross-hair, held to the light/dark field (0..fieldLimit on both axes).
struct CrossHair {
    Field field = Field::big;
    int x = 0;
    int y = 0;
    bool operator==(const CrossHair&) const = default;
};

// What one block of a settings file sets, in values the display can take: a
// number the display has no choice for leaves that choice as it is, and every
// position, distance, index and point is held to its control's range, as the
// user's drag would hold it. A block from any bytes gives one of these.
struct FileSetting {
    std::optional<bool> realistisch;        // band type: 1 realistic, 0 luminous, else unchanged
    std::optional<HarmonyMode> harmonyMode; // 0..4, else the mode stays
    int bandClick = 0;                      // where the band is clicked, 0..677
    // The angle controls, each present only in the modes that take it from the file:
    std::optional<bool> winkeltyp2; // 4-colour: type 2 unless the file says 1
    std::optional<int> abstand2;    // 4-colour of type 1: track bar 3, 0..117
    std::optional<int> abstand1;    // 3-, 4-colour, fanning, rows: track bar 2, 0..117
    std::optional<int> stepIndex;   // fanning, rows: 0..6
    // Check marks: 1 on, 0 off, any other number leaves them.
    std::optional<bool> separate;
    std::optional<bool> websicher;
    std::optional<bool> textInstead;
    // Band positions of the four fields, 0..677.
    PerField<int> pos{};
    // The cross-hairs of the mode's fields, in the order they are set.
    std::vector<CrossHair> crossHairs;
    // The big field's value texts; colour rows have none.
    std::optional<ValueTexts> textSet;
};

FileSetting fileSetting(const SettingsBlock& b);

// A fixed snapshot as a block of a settings file would set it; web-safe display
// stays as it is.
FileSetting snapshotSetting(const FixSnapshot& f, bool webSafeOn);

// The block's first six numbers as the file holds them (the dateiXxx fields).
void rememberFileValues(MainState& s, const SettingsBlock& b);
// The four band positions, written over what the recompute put there.
void setPositions(MainState& s, const FileSetting& e);

// Applies a block to a state without a window, in the order the window does:
// band type, mode, angle controls, check marks, the band click with the core
// recompute (positions and base colours of every field), the file's positions,
// then each cross-hair with its field's amounts and mixed colours. Separate
// adjustment takes part as the window's first radio button would have it
// (the big field alone) until a cross-hair selects another field.
void applySetting(MainState& s, const FileSetting& e, const WindowFacts& window = {});
