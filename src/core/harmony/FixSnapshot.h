#pragma once

#include "core/state/MainState.h"

#include <array>

// What the snapshot takes from controls rather than from the state record.
struct FixInputs {
    int angleIndex = 0; // ComboBox3 item index
    int abstand1 = 0;   // TrackBar2 position
    int abstand2 = 0;   // TrackBar3 position
    int stepIndex = 0;  // ComboBox1 item index
};

// The controls' values as the state keeps them.
FixInputs inputsFrom(const MainState& s);

// The snapshot of the current combination, as fixing keeps it.
FixSnapshot fixSnapshotFrom(const MainState& s, const FixInputs& e);

// The 21 values in the order a settings file stores them.
std::array<int, 21> fixSnapshotValues(const FixSnapshot& f);

// The current combination differs from the snapshot in any value.
bool deviates(const MainState& s, const FixInputs& e);
