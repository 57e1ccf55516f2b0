#pragma once

#include <QImage>
#include <QRgb>

#include <array>

// How the shown colours are seen: normal, one of the three dichromacies
// (Machado, Oliveira and Fernandes 2009, severity 1.0) or without colour.
enum class ColourVisionKind { normal, protanopia, deuteranopia, tritanopia, achromatopsia };

inline constexpr std::array<ColourVisionKind, 5> allColourVisions{
    ColourVisionKind::normal, ColourVisionKind::protanopia, ColourVisionKind::deuteranopia,
    ColourVisionKind::tritanopia, ColourVisionKind::achromatopsia};

// sRGB transfer function: 0..255 to linear light 0..1, and back (clamped, rounded to nearest).
double srgbToLinear(int v);
int linearToSrgb(double linear);

// One routine per kind; alpha passes through unchanged.
QRgb protanopia(QRgb c);
QRgb deuteranopia(QRgb c);
QRgb tritanopia(QRgb c);
QRgb achromatopsia(QRgb c);

// The colour as `kind` sees it (normal: unchanged).
QRgb simulated(ColourVisionKind kind, QRgb c);

// A picture as `kind` sees it; premultiplied pictures stay premultiplied.
// In tinctora_core_gui (ColourVisionPicture.cpp).
QImage simulated(ColourVisionKind kind, const QImage& picture);
