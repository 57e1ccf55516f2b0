#pragma once

#include "core/export/PaletteWriters.h"
#include "core/print/PrintConversion.h"

#include <QRgb>
#include <QString>
#include <QVector>

#include <optional>
#include <variant>

class LanguageTable;

// "relative" or "perceptual", as --intent takes it.
std::optional<PrintIntent> intentFrom(const QString& text);

// The conversion through the profile file, or the one line that says why not.
std::variant<PrintConversion, QString> conversionFrom(const QString& profilePath, PrintIntent intent,
                                                      const LanguageTable& t);

// The head line `header`, then per colour one tab-separated line: hex, C, M,
// Y, K in percent with one decimal, and "in" or "out" of the print gamut.
QString cmykReport(const QVector<QRgb>& colours, const PrintConversion& conversion, const QString& header);

// CMYK in 0..1 through the conversion, as swatch files carry it.
CmykOf cmykFractions(const PrintConversion& conversion);
