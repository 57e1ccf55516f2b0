#include "core/import/PaletteOrPicture.h"

#include <QFileInfo>

ImportedPalette picturePalette(const QVector<DominantColour>& colours, const QString& name)
{
    ImportedPalette p{name, {{QString(), {}}}, false};
    for (const DominantColour& c : colours)
        p.groups.front().entries << ImportedEntry{QString(), c.rgb, false, c.share};
    return p;
}

ImportResult readPaletteOrPicture(const QByteArray& bytes, const QString& fileName)
{
    const QString name = QFileInfo(fileName).completeBaseName();
    if (const std::optional<PaletteSource> source = paletteSourceFromPath(fileName))
        return readPalette(*source, bytes, name);
    const std::optional<QVector<DominantColour>> colours = pictureColours(bytes, defaultImageColours);
    if (!colours)
        return ImportResult::failure(Txt::importNotAPalette);
    if (colours->isEmpty())
        return ImportResult::failure(Txt::importNoColours);
    return {picturePalette(*colours, name), {}};
}
