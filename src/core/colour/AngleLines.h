#pragma once

#include <QImage>
#include <QPoint>

// Line drawing of the angle picture on a 24-bit picture (QImage::Format_RGB888).
// Pixels outside the picture are skipped; other formats are left untouched.

// A line along a column or a row, drawn like an ordinary pen: from the start
// point up to, but not including, the end point. Anything else is ignored.
void drawStraightLine(QImage& picture, QPoint start, QPoint endPoint, QRgb colourValue = qRgb(0, 0, 0));

// Xiaolin Wu's anti-aliased line through both end points.
void drawWuLine(QImage& picture, QPoint start, QPoint endPoint, QRgb colourValue = qRgb(0, 0, 0));

// Chooses between the two: straight lines with the pen, all others anti-aliased.
void drawImageLine(QImage& picture, QPoint start, QPoint endPoint, QRgb colourValue = qRgb(0, 0, 0));

// Mixes colourValue into one pixel with weight w: round(w * colourValue + (1 - w) * alt).
void blendPixel(QImage& picture, int x, int y, double w, QRgb colourValue);
