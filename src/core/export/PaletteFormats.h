#pragma once

#include "core/documents/SafeWrite.h"

#include "core/colour/ContrastScales.h"
#include "core/documents/Palette.h"
#include "core/language/Texts.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <QVector>

#include <optional>
#include <span>

class LanguageTable;

enum class PaletteFormat { gpl, ase, soc, css, scss, tokens, svg, png };

struct PaletteFormatDef {
    PaletteFormat id;
    const char* name;      // as --format takes it
    const char* extension; // with its dot, lower case
    Txt descriptionText;   // the file dialog's filter, "Name (*.x)"
};

std::span<const PaletteFormatDef> paletteFormats();
const PaletteFormatDef& paletteFormat(PaletteFormat f);
// "gpl", "ase", ... in any case.
std::optional<PaletteFormat> formatFromName(QStringView name);
// By the file name's extension, in any case (".tokens.json" before ".json").
std::optional<PaletteFormat> formatFromPath(const QString& pathName);
// "gpl, ase, ..." for messages.
QString formatNames();
// Every format's filter for Qt's file dialogs, ";;"-separated, in table order.
QString exportFilter(const LanguageTable& t);
// The path with the format's extension unless it already ends in it.
QString withFormatExtension(const QString& pathName, PaletteFormat f);

// The file's bytes of every format but the PNG picture (nothing for that one):
// these need no QtGui painting.
std::optional<QByteArray> textFileData(const Palette& p, PaletteFormat f, const QString& titleText);
// Every format; nothing when it cannot be made here (a picture without fonts).
std::optional<QByteArray> paletteData(const Palette& p, PaletteFormat f, const QString& titleText);

// What an export with scales asks for: the targets and the light and dark backgrounds.
struct ScaleExportRequest {
    ContrastMethod method = ContrastMethod::wcag2;
    QVector<double> targets = defaultTargets(ContrastMethod::wcag2);
    ScaleBackgrounds backgrounds;
};

// CSS and design tokens can carry scales.
bool carriesScales(PaletteFormat f);

// "a.tokens.json", "a.json" or "a" -> "a.light.tokens.json" or "a.dark.tokens.json":
// the tokens format has no modes, so each scheme is a file.
QString scaleTokensPath(const QString& pathName, bool dark);

struct ExportFile {
    QString path;
    QByteArray data;
};
// What an export to `pathName` with scales writes: the CSS file at `pathName`, or the
// light and the dark tokens file beside it; nothing for the other formats.
QVector<ExportFile> scaleExportFiles(const Palette& p, PaletteFormat f, const QString& pathName,
                                     const QString& titleText, const ScaleExportRequest& r,
                                     const LanguageTable& t);
