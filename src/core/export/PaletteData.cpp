// Kept apart from the format table: the PNG pulls in QtGui's painting.
#include "core/export/PaletteFormats.h"
#include "core/export/SwatchPng.h"

std::optional<QByteArray> paletteDaten(const Palette& p, PaletteFormat f, const QString& titel)
{
    return f == PaletteFormat::png ? pngDatei(p) : textDaten(p, f, titel);
}
