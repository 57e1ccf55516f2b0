#pragma once

#include "core/documents/Palette.h"

#include <QByteArray>
#include <QString>

// Palette files for other programs, each written from the palette alone.
// `titel` names the palette where a format has a place for it.

// One entry of a format without groups: with two groups, the group's name leads.
struct FlacherEintrag {
    QString name;
    QRgb rgb = 0;
};
QVector<FlacherEintrag> flacheEintraege(const Palette& p);

// A name made safe as a CSS/Sass identifier: ASCII lower case, digits and
// hyphens; German umlauts and ß spelled out; a leading digit gets "field-".
QString bezeichner(const QString& name);

QByteArray gplDatei(const Palette& p, const QString& titel);  // GIMP palette
QByteArray aseDatei(const Palette& p);                        // Adobe Swatch Exchange 1.0
QByteArray socDatei(const Palette& p);                        // LibreOffice colour table
QByteArray cssDatei(const Palette& p, const QString& titel);  // custom properties in :root
QByteArray scssDatei(const Palette& p, const QString& titel); // Sass variables
QByteArray tokensDatei(const Palette& p);                     // Design Tokens (DTCG 2025.10)
