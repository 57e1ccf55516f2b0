#pragma once

#include "core/import/ImageColours.h"
#include "core/import/ImportedPalette.h"

#include <QByteArray>
#include <QString>

// A picture's dominant colours as a palette: one unnamed group, each entry
// with its share and no name.
ImportedPalette picturePalette(const QVector<DominantColour>& colours, const QString& name);

// What an opened or dropped file gives: a palette file by its extension, else
// a picture's six dominant colours; else the error that it is neither.
// `fileName` names the palette and the messages.
ImportResult readPaletteOrPicture(const QByteArray& bytes, const QString& fileName);
