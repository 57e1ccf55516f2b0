#pragma once

#include "core/documents/SettingsFile.h"
#include "core/state/MainState.h"

#include <optional>

class QIODevice;

// A colour settings file computed without a window, as a fresh start that
// opens it shows it: the right-hand combination (block 1) is edited and, in a
// fixed file, the left-hand one (block 2) is the fixed snapshot.
struct OpenedFile {
    MainState fileState;
};

// Nothing for a damaged file: one that does not hold everything it should, or
// whose mode is none of the five (the window would keep the mode it has; a
// file the program wrote always names one).
std::optional<OpenedFile> evaluateFile(QIODevice& source, bool twoBlocks);

// A block's slots 1..22 as the fixed snapshot keeps them.
FixSnapshot fixSnapshotFromBlock(const SettingsBlock& b);
