// Kept apart from the format table: the PNG pulls in QtGui's painting.
#include "core/export/PaletteFormats.h"
#include "core/export/SwatchPng.h"

std::optional<QByteArray> paletteData(const Palette& p, PaletteFormat f, const QString& titleText)
{
    return f == PaletteFormat::png ? pngFile(p) : textFileData(p, f, titleText);
}
