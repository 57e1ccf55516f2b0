#pragma once

#include "core/state/MainState.h"

#include <QByteArray>
#include <QString>

#include <optional>

class QIODevice;

// Slot numbers of one block of a colour settings file (1-based).
namespace dateiSlot
{
inline constexpr int realistisch = 1;
inline constexpr int modus = 2;
inline constexpr int posGross = 3;
inline constexpr int winkeltyp = 4;
inline constexpr int abstand1 = 5;
inline constexpr int abstand2 = 6;
inline constexpr int separat = 7;
inline constexpr int hdGrossX = 8; // 8..15: big, right, left, centre as x, y
inline constexpr int hdRechtsX = 10;
inline constexpr int hdLinksX = 12;
inline constexpr int hdMitteX = 14;
inline constexpr int posGross2 = 16;
inline constexpr int posRechts = 17;
inline constexpr int posLinks = 18;
inline constexpr int posMitte = 19;
inline constexpr int stufenIndex = 20;
inline constexpr int websicher = 21;
inline constexpr int textStatt = 22;
inline constexpr int grossR = 23; // 23..25: R, G, B
} // namespace dateiSlot

inline constexpr qsizetype dateiBlockBytes = 111;
inline constexpr qsizetype dateiHexBytes = 7;

// One block: slots 1..25 as integers, the hex text (slot 26), the fixed flag (slot 27).
struct EinstellungsBlock {
    OneBased<25> werte{};
    QByteArray hex = QByteArray(dateiHexBytes, ' ');
    int fixiert = 0;
    bool operator==(const EinstellungsBlock&) const = default;
};

// The big field's value texts as a value row shows them.
struct WerteTexte {
    QString r, g, b, hex;
};

// What both blocks take from the display as it is, whichever combination they hold.
struct DateiOptionen {
    bool websicher = false;
    bool textStatt = false;
    bool fixiert = false;
};

// Block 1 always holds the right-hand combination, block 2 the left-hand one.
struct DateiBloecke {
    EinstellungsBlock block1;
    EinstellungsBlock block2;
};

// aktuell: the combination being edited; linksAktiv: it is the left-hand one.
// oben/unten: the upper and lower value rows.
DateiBloecke dateiBloecke(const FixStand& aktuell, const FixStand& schnappschuss, bool linksAktiv,
                          const DateiOptionen& optionen, const WerteTexte& oben, const WerteTexte& unten);

// 222 bytes, 32-bit little-endian integers.
QByteArray kodieren(const DateiBloecke& bloecke);
// False when the device takes fewer bytes than written.
bool schreiben(QIODevice& ziel, const DateiBloecke& bloecke);

// What a read got before the data ran out; a block is there only when whole.
struct GeleseneDatei {
    std::optional<EinstellungsBlock> block1; // slots 1..26
    std::optional<int> fixiert;              // slot 27 of block 1, two-block files only
    std::optional<EinstellungsBlock> block2; // slots 1..26, only when fixiert is 1
    bool vollstaendig = false;               // everything the file should hold was there
};
GeleseneDatei lesen(QIODevice& quelle, bool zweiBloecke);

// ".tnfx" in any case: the file holds two blocks.
bool istZweiBlockDatei(const QString& pfad);
// The extension of the file name replaced by ".tnfx", appended when it has none.
QString mitTnfxEndung(const QString& pfad);
