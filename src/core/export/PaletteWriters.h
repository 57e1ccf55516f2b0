#pragma once

#include "core/colour/ColourFormats.h"
#include "core/colour/ContrastScales.h"
#include "core/documents/Palette.h"

#include <QByteArray>
#include <QString>

#include <functional>

// Palette files for other programs, each written from the palette alone.
// `titleText` names the palette where a format has a place for it.

// One entry of a format without groups: with two groups, the group's name leads.
struct FlatEntry {
    QString name;
    QRgb rgb = 0;
};
QVector<FlatEntry> flatEntries(const Palette& p);

// A name made safe as a CSS/Sass identifier: ASCII lower case, digits and
// hyphens; German umlauts and ß spelled out; a leading digit gets "field-".
QString identifier(const QString& name);

QByteArray gplFile(const Palette& p, const QString& titleText);  // GIMP palette
QByteArray aseFile(const Palette& p);                            // Adobe Swatch Exchange 1.0
QByteArray socFile(const Palette& p);                            // LibreOffice colour table
QByteArray cssFile(const Palette& p, const QString& titleText);  // custom properties in :root
QByteArray scssFile(const Palette& p, const QString& titleText); // Sass variables
QByteArray tokensFile(const Palette& p);                         // Design Tokens (DTCG 2025.10)

// The swatch exchange file with each colour in the CMYK model, as `cmyk` (0..1) gives it.
using CmykOf = std::function<Cmyk(QRgb)>;
QByteArray aseFile(const Palette& p, const CmykOf& cmyk);

// What files with scales say of a step and of a colour's missing steps, in
// the interface's language: "%1, target %2, achieved %3 on %4" (method,
// target, the step's contrast, background) and "%1; no step reaches %2".
struct ScaleWording {
    QString step;
    QString unreachable;
};

// A step's name in a file: its target with "-" for the decimal point ("4-5").
QString stepName(double target);

// The scales of every flatEntries entry, in that order, light and dark.
struct ScaleSets {
    ContrastMethod method = ContrastMethod::wcag2;
    ScaleBackgrounds backgrounds;
    LightAndDarkScales scales;
};

// The custom properties with, after the colours' own, one per step ("--red-4-5"):
// the light steps in :root, the dark ones for a dark colour scheme.
QByteArray cssWithScales(const Palette& p, const QString& titleText, const ScaleSets& s,
                         const ScaleWording& w);
// One group per entry, one colour token per step that exists; the dark set or the light one.
QByteArray tokensWithScales(const Palette& p, const ScaleSets& s, bool dark, const ScaleWording& w);
