#pragma once

#include "core/state/MainState.h"

#include <QByteArray>
#include <QString>

#include <optional>

class QIODevice;

// Slot numbers of one block of a colour settings file (1-based).
namespace fileSlot
{
inline constexpr int realistisch = 1;
inline constexpr int harmonyMode = 2;
inline constexpr int posGross = 3;
inline constexpr int angleTypeNumber = 4;
inline constexpr int abstand1 = 5;
inline constexpr int abstand2 = 6;
inline constexpr int separate = 7;
inline constexpr int lightDarkBigX = 8; // 8..15: big, right, left, centre as x, y
inline constexpr int lightDarkRightX = 10;
inline constexpr int lightDarkLeftX = 12;
inline constexpr int lightDarkCentreX = 14;
inline constexpr int posGross2 = 16;
inline constexpr int posRechts = 17;
inline constexpr int posLinks = 18;
inline constexpr int posMitte = 19;
inline constexpr int stepIndex = 20;
inline constexpr int websicher = 21;
inline constexpr int textInstead = 22;
inline constexpr int bigR = 23; // 23..25: R, G, B
} // namespace fileSlot

inline constexpr qsizetype fileBlockBytes = 111;
inline constexpr qsizetype fileHexBytes = 7;

// One block: slots 1..25 as integers, the hex text (slot 26), the fixed flag (slot 27).
struct SettingsBlock {
    OneBased<25> valueSet{};
    QByteArray hex = QByteArray(fileHexBytes, ' ');
    int fixiert = 0;
    bool operator==(const SettingsBlock&) const = default;
};

// The big field's value texts as a value row shows them.
struct ValueTexts {
    QString r, g, b, hex;
};

// What both blocks take from the display as it is, whichever combination they hold.
struct FileOptions {
    bool websicher = false;
    bool textInstead = false;
    bool fixiert = false;
};

// Block 1 always holds the right-hand combination, block 2 the left-hand one.
struct FileBlocks {
    SettingsBlock block1;
    SettingsBlock block2;
};

// current: the combination being edited; leftActive: it is the left-hand one.
// upper/unten: the upper and lower value rows.
FileBlocks fileBlocks(const FixSnapshot& current, const FixSnapshot& snapshot, bool leftActive,
                      const FileOptions& options, const ValueTexts& upper, const ValueTexts& unten);

// 222 bytes, 32-bit little-endian integers.
QByteArray encode(const FileBlocks& blocks);
// False when the device takes fewer bytes than written.
bool writeWord(QIODevice& target, const FileBlocks& blocks);

// What a read got before the data ran out; a block is there only when whole.
struct ParsedFile {
    std::optional<SettingsBlock> block1; // slots 1..26
    std::optional<int> fixiert;          // slot 27 of block 1, two-block files only
    std::optional<SettingsBlock> block2; // slots 1..26, only when fixiert is 1
    bool fullyRead = false;              // everything the file should hold was there
};
ParsedFile readIn(QIODevice& source, bool twoBlocks);

// ".tnfx" in any case: the file holds two blocks.
bool isTwoBlockFile(const QString& pathName);
// The extension of the file name replaced by ".tnfx", appended when it has none.
QString withTnfxExtension(const QString& pathName);
