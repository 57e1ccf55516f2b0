#pragma once

#include <QByteArray>
#include <QRgb>
#include <QSize>
#include <QVector>

#include <cstdint>
#include <optional>
#include <vector>

// A PNG of 8-bit palette indexes, one byte a pixel, rows top to bottom, at
// 96 dpi; compressed for speed, since a swatch sheet is runs and repeated
// rows. Nothing when the palette has more than 256 colours or the sizes do
// not agree.
std::optional<QByteArray> palettePng(QSize extent, const QVector<QRgb>& farben,
                                     const std::vector<std::uint8_t>& indices);
