#include "core/documents/SettingsFile.h"

#include "core/harmony/FixSnapshot.h"

#include <QFileInfo>
#include <QIODevice>
#include <QtEndian>

namespace
{

constexpr qsizetype slotBytes = 4;
constexpr int integerSlots = 25;

struct Zahlen {
    int r, g, b;
    QByteArray hex;
};

Zahlen numbersFrom(const ValueTexts& t, const Zahlen& ersatz)
{
    const auto numeral = [](const QString& text, int sonst) {
        bool ok = false;
        const int value = text.toInt(&ok);
        return ok ? value : sonst;
    };
    return {numeral(t.r, ersatz.r), numeral(t.g, ersatz.g), numeral(t.b, ersatz.b),
            t.hex.size() == fileHexBytes ? t.hex.toLatin1() : ersatz.hex};
}

SettingsBlock block(const FixSnapshot& f, const FileOptions& o, const Zahlen& z)
{
    SettingsBlock b;
    const std::array<int, 21> valueSet = fixSnapshotValues(f);
    for (int i = 1; i <= fileSlot::stepIndex; ++i)
        b.valueSet[i] = valueSet[static_cast<std::size_t>(i - 1)];
    b.valueSet[fileSlot::websicher] = o.websicher ? 1 : 0;
    b.valueSet[fileSlot::textInstead] = o.textInstead ? 1 : 0;
    b.valueSet[fileSlot::bigR] = z.r;
    b.valueSet[fileSlot::bigR + 1] = z.g;
    b.valueSet[fileSlot::bigR + 2] = z.b;
    b.hex = z.hex;
    b.fixiert = o.fixiert ? 1 : 0;
    return b;
}

void appendInt(QByteArray& bytes, int value)
{
    char le[slotBytes];
    qToLittleEndian<qint32>(value, le);
    bytes.append(le, slotBytes);
}

// Slots 1..26 of one block; nothing when the data ends first.
std::optional<SettingsBlock> readBlock(QIODevice& source)
{
    const QByteArray bytes = source.read(integerSlots * slotBytes + fileHexBytes);
    if (bytes.size() != integerSlots * slotBytes + fileHexBytes)
        return std::nullopt;
    SettingsBlock b;
    for (int i = 1; i <= integerSlots; ++i)
        b.valueSet[i] = qFromLittleEndian<qint32>(bytes.constData() + (i - 1) * slotBytes);
    b.hex = bytes.right(fileHexBytes);
    return b;
}

std::optional<int> readInteger(QIODevice& source)
{
    const QByteArray bytes = source.read(slotBytes);
    if (bytes.size() != slotBytes)
        return std::nullopt;
    return qFromLittleEndian<qint32>(bytes.constData());
}

} // namespace

FileBlocks fileBlocks(const FixSnapshot& current, const FixSnapshot& snapshot, bool leftActive,
                      const FileOptions& options, const ValueTexts& upper, const ValueTexts& unten)
{
    const Zahlen zahlen1 = numbersFrom(upper, {0, 0, 0, QByteArray(fileHexBytes, ' ')});
    const Zahlen zahlen2 = numbersFrom(unten, zahlen1);
    const FixSnapshot& right = leftActive ? snapshot : current;
    const FixSnapshot& left = leftActive ? current : snapshot;
    return {block(right, options, zahlen1), block(left, options, zahlen2)};
}

QByteArray encode(const FileBlocks& blocks)
{
    QByteArray bytes;
    bytes.reserve(2 * fileBlockBytes);
    for (const SettingsBlock* b : {&blocks.block1, &blocks.block2}) {
        for (int i = 1; i <= integerSlots; ++i)
            appendInt(bytes, b->valueSet[i]);
        bytes.append(b->hex.leftJustified(fileHexBytes, ' ', true));
        appendInt(bytes, b->fixiert);
    }
    return bytes;
}

bool writeWord(QIODevice& target, const FileBlocks& blocks)
{
    const QByteArray bytes = encode(blocks);
    return target.write(bytes) == bytes.size();
}

ParsedFile readIn(QIODevice& source, bool twoBlocks)
{
    ParsedFile d;
    d.block1 = readBlock(source);
    if (!d.block1)
        return d;
    if (!twoBlocks) {
        d.fullyRead = true;
        return d;
    }
    d.fixiert = readInteger(source);
    if (!d.fixiert)
        return d;
    if (*d.fixiert != 1) {
        d.fullyRead = true;
        return d;
    }
    d.block2 = readBlock(source);
    d.fullyRead = d.block2.has_value();
    return d;
}

bool isTwoBlockFile(const QString& pathName)
{
    return pathName.endsWith(QStringLiteral(".tnfx"), Qt::CaseInsensitive);
}

QString withTnfxExtension(const QString& pathName)
{
    const QString name = QFileInfo(pathName).fileName();
    const qsizetype point = name.lastIndexOf(QLatin1Char('.'));
    const qsizetype endPoint = point < 0 ? pathName.size() : pathName.size() - (name.size() - point);
    return pathName.left(endPoint) + QStringLiteral(".tnfx");
}
