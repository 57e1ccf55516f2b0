#pragma once

#include "core/import/ImportColour.h"

#include <QStringView>

#include <optional>

// One CSS Color 4 colour value: hex (3, 4, 6 or 8 digits), rgb(), rgba(), hsl(),
// hsla(), hwb(), lab(), lch(), oklab(), oklch(), color() in the spaces
// ImportColour knows, and the named colours. Alpha is read and left out: a
// palette's colours are opaque. Nothing for any other text.
std::optional<ImportedColour> cssColour(QStringView value);

// Whether a value that cssColour rejects still meant to be a colour (a
// colour function or a hash), so that a file can say it is damaged.
bool looksLikeCssColour(QStringView value);
