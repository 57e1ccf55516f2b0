#pragma once

#include "core/documents/Palette.h"
#include "core/export/PaletteFormats.h"
#include "core/import/ImageColours.h"

#include <QByteArray>
#include <QStringList>
#include <QStringView>

#include <optional>

// The command line's own option names, without dashes (export, values, help, ...).
bool isCommandLineOption(QStringView name);

// A PNG is asked for. Its text needs fonts, so that run needs a
// QGuiApplication and QtGui's painting; every other run needs QtCore only.
bool needsGui(const QStringList& arguments);

// How a run makes the bytes of a file: textFileData (every format but the PNG)
// or paletteData (all of them, with a QGuiApplication).
using FileWriter = std::optional<QByteArray> (*)(const Palette&, PaletteFormat, const QString&);

// How a run finds a picture's dominant colours (pictureColours): decoding
// needs QtGui, so only the library that draws hands it in.
using PictureReader = std::optional<QVector<DominantColour>> (*)(const QByteArray& bytes, int k);

// Runs the command line in the application the caller made; never shows a
// window and never touches a running instance. The process's exit status:
// 0 done, 1 a file or standard output could not be read or written, 2 wrong
// usage. `arguments` as argumentTexts gives them.
int executeCommandLine(const QStringList& arguments, FileWriter writer,
                       PictureReader pictureReader = nullptr);
