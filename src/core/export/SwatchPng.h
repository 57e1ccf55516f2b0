#pragma once

#include "core/documents/Palette.h"

#include <QByteArray>

#include <optional>

// The swatch sheet as a PNG. Needs fonts, which Qt loads only with a
// QGuiApplication; nothing without one. The only export that needs QtGui's
// painting, kept apart so that the command line left it only for pictures.
std::optional<QByteArray> pngFile(const Palette& p);
