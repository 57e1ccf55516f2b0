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
struct SwatchPlatz {
    QRect feld;
    QPoint name; // centre of the baseline
    QPoint hex;
    QString nameText;
    QString hexText;
    QRgb rgb = 0;
};

struct SwatchBogen {
    QSize groesse;
    QVector<std::pair<QPoint, QString>> titel; // baseline start and group name
    QVector<SwatchPlatz> plaetze;
};

inline constexpr int swatchSpalten = 6;
SwatchBogen swatchBogen(const Palette& p);

QByteArray svgDatei(const Palette& p, const QString& titel);

// The sheet's measures in pixels and its greys, shared by the SVG and the PNG.
namespace swatchMasse
{
inline constexpr int aussen = 24;
inline constexpr int seite = 96;
inline constexpr int luecke = 40;
inline constexpr int spalte = seite + luecke;
inline constexpr int textBreite = spalte - 4; // longer names are narrowed to this
inline constexpr int titelHoehe = 26;
inline constexpr int nameAbstand = 16;  // swatch bottom to the name's baseline
inline constexpr int hexAbstand = 30;   // swatch bottom to the hex text's baseline
inline constexpr int unterSchrift = 36; // swatch bottom to below the hex text
inline constexpr int zeilenHoehe = seite + 42;
inline constexpr int titelSchrift = 14;
inline constexpr int textSchrift = 10;
inline constexpr QRgb papier = 0xFFFFFFFF;
inline constexpr QRgb tinte = 0xFF202020;
inline constexpr QRgb kante = 0xFF808080;
} // namespace swatchMasse
