#pragma once

#include "core/documents/Palette.h"
#include "core/import/ImportColour.h"
#include "core/language/Texts.h"

#include <QByteArray>
#include <QIODevice>
#include <QRgb>
#include <QString>
#include <QVector>

#include <functional>
#include <optional>

class LanguageTable;

struct ImportedEntry {
    QString name;
    QRgb rgb = 0;             // opaque 8-bit sRGB
    bool gamutMapped = false; // the file's colour lies outside sRGB and was brought in
    double share = 0;         // percent of a picture's pixels; 0 for an entry of a file
    bool operator==(const ImportedEntry&) const = default;
};

struct ImportedGroup {
    QString name; // empty: the entries outside any group
    QVector<ImportedEntry> entries;
    bool operator==(const ImportedGroup&) const = default;
};

struct ImportedPalette {
    QString name;
    QVector<ImportedGroup> groups;
    // CMYK colours were turned into RGB by the formula without a print profile.
    bool naiveCmyk = false;
    bool operator==(const ImportedPalette&) const = default;
};

// What is wrong and where: a line (text formats, from 1) or a byte offset
// (binary formats, from 0); `detail` fills the reason's %1.
struct ImportError {
    Txt reason = Txt::importNotAPalette;
    QString detail;
    int line = 0;
    qint64 byte = -1;
};

// A whole palette or an error, never part of one.
struct ImportResult {
    std::optional<ImportedPalette> palette;
    ImportError error;
    static ImportResult failure(Txt reason, QString detail = {}, int line = 0, qint64 byte = -1)
    {
        return {std::nullopt, {reason, std::move(detail), line, byte}};
    }
};

// "name.gpl, line 3: ..." in the table's language.
QString importErrorText(const ImportError& e, const QString& fileName, const LanguageTable& t);

enum class PaletteSource { gpl, ase, soc, tokens, css, hexLines };

// By the file name's extension (".tokens.json" and ".json" are tokens, ".txt"
// and ".hex" plain hex lines); nothing for other names.
std::optional<PaletteSource> paletteSourceFromPath(const QString& pathName);

// Each reader takes the file's bytes; a UTF-8 byte order mark is skipped and
// CRLF line ends are taken as LF. `fallbackName` names a palette whose file
// names none.
ImportResult readGpl(const QByteArray& bytes, const QString& fallbackName);
// How an Adobe swatch's CMYK becomes sRGB: the transform of the print profile
// chosen; without one, the formula without a profile, and the palette says so.
using CmykConversion = std::function<ImportedColour(const Cmyk&)>;
ImportResult readAse(const QByteArray& bytes, const QString& fallbackName, const CmykConversion& cmyk = {});
ImportResult readSoc(const QByteArray& bytes, const QString& fallbackName);
ImportResult readTokens(const QByteArray& bytes, const QString& fallbackName);
ImportResult readCss(const QByteArray& bytes, const QString& fallbackName);
ImportResult readHexLines(const QByteArray& bytes, const QString& fallbackName);

ImportResult readPalette(PaletteSource source, const QByteArray& bytes, const QString& fallbackName);
// The device read to its end; a device that cannot be read is an error.
ImportResult readPalette(PaletteSource source, QIODevice& device, const QString& fallbackName);

// The palette as the exporters take it: groups and entries with their names,
// empty groups left out; entries outside any group get the palette's name as their group's.
Palette exportablePalette(const ImportedPalette& p);

// Every entry, group after group.
int entryCount(const ImportedPalette& p);
