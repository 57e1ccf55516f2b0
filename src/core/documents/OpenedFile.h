#pragma once

#include "documents/SettingsFile.h"
#include "state/MainState.h"

#include <optional>

class QIODevice;

// A colour settings file computed without a window, as a fresh start that
// opens it shows it: the right-hand combination (block 1) is edited and, in a
// fixed file, the left-hand one (block 2) is the fixed snapshot.
struct GeoeffneteDatei {
    MainState zustand;
    // The big field's value texts each block holds (shown as the file has them).
    std::optional<WerteTexte> texteRechts;
    std::optional<WerteTexte> texteLinks;
};

// Nothing when the file does not hold everything it should.
std::optional<GeoeffneteDatei> dateiBerechnen(QIODevice& quelle, bool zweiBloecke);

// A block's slots 1..22 as the fixed snapshot keeps them.
FixStand fixStandAusBlock(const EinstellungsBlock& b);
