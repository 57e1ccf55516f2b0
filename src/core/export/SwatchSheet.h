#pragma once

#include "documents/Palette.h"

#include <QByteArray>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <optional>

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
// Needs fonts, which Qt loads only with a QGuiApplication; nothing without one.
std::optional<QByteArray> pngDatei(const Palette& p);
