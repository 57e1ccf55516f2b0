#pragma once

#include "core/colour/BandTables.h"

#include <array>

// One row field as painted: its colour and whether it stands in the row display
// (a parked panel keeps an old colour that nobody sees).
struct RowField {
    Rgb colourValue{};
    bool displayed = false;
};

// Row fields R1..R15; element 0 is unused so that indexes match the field numbers.
using RowFields = std::array<RowField, 16>;

// True when a compared pair of shown fields has the same colour. Compared are
// the neighbours, both outer fields with the centre, and each outer field with
// every field of its own side.
bool sameColourInRow(const RowFields& row);
