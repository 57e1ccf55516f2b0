#pragma once

#include "core/colour/ColourFormats.h"

// CIEDE2000 colour difference of two CIE Lab colours (kL = kC = kH = 1), as
// Sharma, Wu and Dalal (2005) set it out in "The CIEDE2000 Color-Difference
// Formula: Implementation Notes, Supplementary Test Data, and Mathematical
// Observations", Color Research and Application 30(1).
double ciede2000(const Triple& lab1, const Triple& lab2);
