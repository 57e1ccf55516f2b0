#pragma once

#include <QRgb>
#include <QString>

class LanguageTable;

// A colour in words, as a person would name it: lightness, then a greyish
// cast, then the hue ("dark greyish blue", "dunkles gräuliches Blau").
QString colourName(QRgb colour, const LanguageTable& language);
