#pragma once

#include "core/documents/Palette.h"

#include <QByteArray>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

// A sheet of swatches: each group under its name, each colour as a square with
// its name and hex text below it, dark on an opaque white sheet so that it reads
// on any background.
struct SwatchSlot {
    QRect field;
    QPoint name; // centre of the baseline
    QPoint hex;
    QString nameText;
    QString hexText;
    QRgb rgb = 0;
};

struct SwatchSheetLayout {
    QSize extent;
    QVector<std::pair<QPoint, QString>> titleText; // baseline start and group name
    QVector<SwatchSlot> places;
};

inline constexpr int swatchColumns = 6;
SwatchSheetLayout swatchSheetLayout(const Palette& p);

QByteArray svgFile(const Palette& p, const QString& titleText);

// The sheet's measures in pixels and its greys, shared by the SVG and the PNG.
namespace swatchMetrics
{
inline constexpr int outer = 24;
inline constexpr int page = 96;
inline constexpr int gap = 40;
inline constexpr int column = page + gap;
inline constexpr int textWidth = column - 4; // longer names are narrowed to this
inline constexpr int titleHeight = 26;
inline constexpr int nameOffset = 16;    // swatch bottom to the name's baseline
inline constexpr int hexOffset = 30;     // swatch bottom to the hex text's baseline
inline constexpr int captionHeight = 36; // swatch bottom to below the hex text
inline constexpr int lineHeight = page + 42;
inline constexpr int titleFontSize = 14;
inline constexpr int textFontSize = 10;
inline constexpr QRgb paperColour = 0xFFFFFFFF;
inline constexpr QRgb ink = 0xFF202020;
inline constexpr QRgb swatchBorder = 0xFF808080;
} // namespace swatchMetrics
