#pragma once

#include "core/documents/Palette.h"
#include "core/export/PaletteFormats.h"

#include <QByteArray>
#include <QStringList>

#include <optional>

// The arguments name one of the command line's own options (--export,
// --values, --help, ...); a plain file argument opens in the window instead.
bool istKommandozeile(int argc, char** argv);

// A PNG is asked for. Its text needs fonts, so that run needs a
// QGuiApplication and QtGui's painting; every other run needs QtCore only.
bool brauchtBild(int argc, char** argv);

QStringList argumenteAus(int argc, char** argv);

// How a run makes the bytes of a file: textDaten (every format but the PNG)
// or paletteDaten (all of them, with a QGuiApplication).
using DateiSchreiber = std::optional<QByteArray> (*)(const Palette&, PaletteFormat, const QString&);

// Runs the command line in the application the caller made; never shows a
// window and never touches a running instance. The process's exit status.
int kommandozeileAusfuehren(const QStringList& argumente, DateiSchreiber schreiber);
