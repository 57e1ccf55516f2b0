#pragma once

#include <QImage>
#include <QPoint>

// Line drawing of the angle picture on a 24-bit picture (QImage::Format_RGB888).
// Pixels outside the picture are skipped; other formats are left untouched.

// A line along a column or a row, drawn like an ordinary pen: from the start
// point up to, but not including, the end point. Anything else is ignored.
void zeichneGeradeLinie(QImage& bild, QPoint start, QPoint ende, QRgb farbe = qRgb(0, 0, 0));

// Xiaolin Wu's anti-aliased line through both end points.
void zeichneWuLinie(QImage& bild, QPoint start, QPoint ende, QRgb farbe = qRgb(0, 0, 0));

// Chooses between the two: straight lines with the pen, all others anti-aliased.
void zeichneLinie(QImage& bild, QPoint start, QPoint ende, QRgb farbe = qRgb(0, 0, 0));

// Mixes farbe into one pixel with weight w: round(w * farbe + (1 - w) * alt).
void mischePixel(QImage& bild, int x, int y, double w, QRgb farbe);
