#pragma once

#include "core/colour/ColourFormats.h"

#include <QRgb>
#include <QStringView>

#include <optional>

// The colour spaces palette files and style sheets name, as CSS Color 4's
// color() and the design tokens' colorSpace spell them.
enum class SourceSpace { srgb, srgbLinear, displayP3, xyzD65, xyzD50, lab, lch, oklab, oklch, hsl, hwb };

std::optional<SourceSpace> sourceSpaceFromName(QStringView name);

// An 8-bit sRGB colour, and whether it had to be brought into sRGB.
struct ImportedColour {
    QRgb rgb = 0;
    bool gamutMapped = false;
};

// Channels as CSS gives them after parsing: srgb, display-p3 and the linear
// and XYZ spaces in 0..1 (or beyond), lab/lch lightness 0..100, oklab/oklch
// lightness 0..1, hues in degrees, hsl/hwb saturation and lightness in 0..1.
// A colour outside sRGB is mapped as CSS Color 4 maps it (OKLCH chroma reduction).
ImportedColour importedColour(SourceSpace space, const Triple& channels);

// Device CMYK by the formula without a print profile: r = (1 - c)(1 - k), ...
ImportedColour naiveCmykColour(double c, double m, double y, double k);
