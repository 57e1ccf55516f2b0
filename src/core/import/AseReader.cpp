// Adobe Swatch Exchange 1.0: "ASEF", version 1.0, a block count, then blocks of
// a 16-bit type and a 32-bit length, big-endian. Group start 0xC001 (a name),
// group end 0xC002, colour 0x0001: a name (UTF-16 units with a terminating
// zero, counted with it), a model ("RGB ", "CMYK", "LAB ", "Gray"), its
// 32-bit floats and a 16-bit colour type.
#include "core/import/ImportText.h"
#include "core/import/ImportedPalette.h"

#include "core/import/ImportColour.h"

#include <QtEndian>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <variant>

namespace
{

class AseCursor
{
public:
    AseCursor(const QByteArray& bytes, qsizetype from, qsizetype to) : m_bytes(bytes), m_at(from), m_end(to)
    {
    }

    qsizetype at() const { return m_at; }
    bool has(qsizetype n) const { return n >= 0 && m_end - m_at >= n; }
    quint16 u16()
    {
        const quint16 v = qFromBigEndian<quint16>(m_bytes.constData() + m_at);
        m_at += 2;
        return v;
    }
    quint32 u32()
    {
        const quint32 v = qFromBigEndian<quint32>(m_bytes.constData() + m_at);
        m_at += 4;
        return v;
    }
    double f32()
    {
        const quint32 bits = u32();
        float v = 0;
        std::memcpy(&v, &bits, sizeof v);
        return v;
    }
    QByteArray raw(qsizetype n)
    {
        const QByteArray v = m_bytes.sliced(m_at, n);
        m_at += n;
        return v;
    }

private:
    const QByteArray& m_bytes;
    qsizetype m_at, m_end;
};

struct AseColour {
    ImportedEntry entry;
    bool cmyk = false;
};

// The name's units, without the terminating zero; nothing when it overruns the block.
std::optional<QString> aseName(AseCursor& c)
{
    if (!c.has(2))
        return std::nullopt;
    const quint16 units = c.u16();
    if (!c.has(2 * qsizetype(units)))
        return std::nullopt;
    QString name;
    for (quint16 i = 0; i < units; ++i)
        name += QChar(static_cast<char16_t>(c.u16()));
    if (name.endsWith(QChar(0)))
        name.chop(1);
    return name;
}

std::variant<AseColour, ImportError> aseColour(AseCursor& c, qsizetype blockStart, const CmykConversion& cmyk)
{
    const std::optional<QString> name = aseName(c);
    if (!name || !c.has(4))
        return ImportError{Txt::importTruncated, {}, 0, blockStart};
    const qsizetype modelAt = c.at();
    const QByteArray model = c.raw(4);
    const auto values = [&](int n) -> std::optional<std::array<double, 4>> {
        if (!c.has(4 * n + 2))
            return std::nullopt;
        std::array<double, 4> v{};
        for (int i = 0; i < n; ++i)
            v[static_cast<std::size_t>(i)] = c.f32();
        c.u16(); // global, spot or normal: all the same to a palette
        return v;
    };
    const auto bad = [&] {
        return ImportError{Txt::importBadColour, QString::fromLatin1(model).trimmed(), 0, modelAt};
    };
    const int n = model == "CMYK" ? 4 : model == "Gray" ? 1 : model == "RGB " || model == "LAB " ? 3 : 0;
    if (n == 0)
        return ImportError{Txt::importUnknownModel, QString::fromLatin1(model.toHex(' ')), 0, modelAt};
    const std::optional<std::array<double, 4>> v = values(n);
    if (!v)
        return ImportError{Txt::importTruncated, {}, 0, blockStart};
    if (!std::all_of(v->begin(), v->end(), [](double x) { return std::isfinite(x); }))
        return bad();
    ImportedColour colour;
    if (model == "RGB ")
        colour = importedColour(SourceSpace::srgb, {(*v)[0], (*v)[1], (*v)[2]});
    else if (model == "Gray")
        colour = importedColour(SourceSpace::srgb, {(*v)[0], (*v)[0], (*v)[0]});
    else if (model == "LAB ") // lightness stored as a fraction of 100
        colour = importedColour(SourceSpace::lab, {(*v)[0] * 100, (*v)[1], (*v)[2]});
    else if (cmyk)
        colour = cmyk({(*v)[0], (*v)[1], (*v)[2], (*v)[3]});
    else
        colour = naiveCmykColour((*v)[0], (*v)[1], (*v)[2], (*v)[3]);
    return AseColour{{*name, colour.rgb, colour.gamutMapped}, model == "CMYK" && !cmyk};
}

} // namespace

ImportResult readAse(const QByteArray& bytes, const QString& fallbackName, const CmykConversion& cmyk)
{
    AseCursor c(bytes, 0, bytes.size());
    if (!c.has(12) || !bytes.startsWith("ASEF"))
        return ImportResult::failure(Txt::importMissingHeader, QStringLiteral("ASEF"), 0, 0);
    c.raw(4);
    if (const quint16 major = c.u16(); major != 1)
        return ImportResult::failure(Txt::importUnknownVersion, QString::number(major), 0, 4);
    c.u16();
    const quint32 count = c.u32();
    ImportedPalette p{fallbackName, {}, false};
    bool inGroup = false;
    bool looseRun = false; // the last group gathers colours outside any group
    int entries = 0;
    for (quint32 i = 0; i < count; ++i) {
        const qsizetype blockStart = c.at();
        if (!c.has(6))
            return ImportResult::failure(Txt::importTruncated, {}, 0, blockStart);
        const quint16 type = c.u16();
        const quint32 length = c.u32();
        if (!c.has(length))
            return ImportResult::failure(Txt::importTruncated, {}, 0, blockStart);
        AseCursor block(bytes, c.at(), c.at() + length);
        c.raw(length);
        if (type == 0xC001) {
            const std::optional<QString> name = aseName(block);
            if (!name)
                return ImportResult::failure(Txt::importTruncated, {}, 0, blockStart);
            if (inGroup)
                return ImportResult::failure(Txt::importNotClosed, p.groups.back().name, 0, blockStart);
            p.groups << ImportedGroup{*name, {}};
            inGroup = true;
            looseRun = false;
        } else if (type == 0xC002) {
            if (!inGroup)
                return ImportResult::failure(Txt::importGroupEnd, {}, 0, blockStart);
            inGroup = false;
        } else if (type == 0x0001) {
            std::variant<AseColour, ImportError> colour = aseColour(block, blockStart, cmyk);
            if (const ImportError* e = std::get_if<ImportError>(&colour))
                return {std::nullopt, *e};
            if (++entries > maxImportedEntries)
                return ImportResult::failure(Txt::importTooManyColours, QString::number(maxImportedEntries),
                                             0, blockStart);
            const AseColour& a = std::get<AseColour>(colour);
            p.naiveCmyk = p.naiveCmyk || a.cmyk;
            // Colours outside a group gather in an unnamed one, in file order.
            if (!inGroup && !looseRun)
                p.groups << ImportedGroup{};
            looseRun = !inGroup;
            p.groups.back().entries << a.entry;
        } else {
            return ImportResult::failure(Txt::importUnknownBlock,
                                         QStringLiteral("0x%1").arg(type, 4, 16, QLatin1Char('0')), 0,
                                         blockStart);
        }
    }
    if (inGroup)
        return ImportResult::failure(Txt::importNotClosed, p.groups.back().name, 0, c.at());
    if (c.has(1))
        return ImportResult::failure(Txt::importTrailingData, {}, 0, c.at());
    if (entryCount(p) == 0)
        return ImportResult::failure(Txt::importNoColours);
    return {std::move(p), {}};
}
