// Fuzz target of one palette reader, chosen by TINCTORA_PALETTE_SOURCE (the
// PaletteSource's name): any bytes give a whole palette or a message, never
// both. A palette has at least one and at most maxImportedEntries opaque
// colours; a message names its reason and a place inside the file; and the
// palette written back in its own format (hex lines by hand) reads back to the
// same colours.
#include "FuzzCheck.h"

#include "core/export/PaletteWriters.h"
#include "core/import/ImportText.h"
#include "core/import/ImportedPalette.h"
#include "core/language/LanguageTable.h"

#include <cstddef>
#include <cstdint>

namespace
{

constexpr PaletteSource source = PaletteSource::TINCTORA_PALETTE_SOURCE;

QVector<QRgb> coloursOf(const ImportedPalette& p)
{
    QVector<QRgb> c;
    for (const ImportedGroup& g : p.groups)
        for (const ImportedEntry& e : g.entries)
            c << e.rgb;
    return c;
}

QByteArray writtenBack(const ImportedPalette& p)
{
    const Palette out = exportablePalette(p);
    switch (source) {
    case PaletteSource::gpl:
        return gplFile(out, p.name);
    case PaletteSource::ase:
        return aseFile(out);
    case PaletteSource::soc:
        return socFile(out);
    case PaletteSource::tokens:
        return tokensFile(out);
    case PaletteSource::css:
        return cssFile(out, p.name);
    case PaletteSource::hexLines:
        break;
    }
    QByteArray lines;
    for (const QRgb c : coloursOf(p))
        lines += QByteArray::number(c & 0xFFFFFF, 16).rightJustified(6, '0') + '\n';
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const ImportResult r = readPalette(source, bytes, QStringLiteral("fuzz"));
    if (!r.palette) {
        FUZZ_CHECK(r.error.byte < static_cast<qint64>(size) + 1);
        FUZZ_CHECK(r.error.line >= 0);
        static const LanguageTable t = LanguageTable::forLanguage(Language::english);
        FUZZ_CHECK(!importErrorText(r.error, QStringLiteral("f"), t).isEmpty());
        return 0;
    }
    const QVector<QRgb> colours = coloursOf(*r.palette);
    FUZZ_CHECK(!colours.isEmpty() && colours.size() <= maxImportedEntries);
    for (const QRgb c : colours)
        FUZZ_CHECK(qAlpha(c) == 255);
    const ImportResult again = readPalette(source, writtenBack(*r.palette), QStringLiteral("fuzz"));
    FUZZ_CHECK(again.palette && coloursOf(*again.palette) == colours);
    return 0;
}
