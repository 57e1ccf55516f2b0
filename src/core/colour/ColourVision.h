#pragma once

#include <QImage>
#include <QRgb>

#include <array>

// How the shown colours are seen: normal, one of the three dichromacies
// (Machado, Oliveira and Fernandes 2009, severity 1.0) or without colour.
enum class Farbsehen { normal, protanopie, deuteranopie, tritanopie, achromatopsie };

inline constexpr std::array<Farbsehen, 5> alleFarbsehen{Farbsehen::normal, Farbsehen::protanopie,
                                                        Farbsehen::deuteranopie, Farbsehen::tritanopie,
                                                        Farbsehen::achromatopsie};

// sRGB transfer function: 0..255 to linear light 0..1, and back (clamped, rounded to nearest).
double srgbZuLinear(int v);
int linearZuSrgb(double linear);

// One routine per kind; alpha passes through unchanged.
QRgb protanopie(QRgb c);
QRgb deuteranopie(QRgb c);
QRgb tritanopie(QRgb c);
QRgb achromatopsie(QRgb c);

// The colour as `kind` sees it (normal: unchanged).
QRgb simuliert(Farbsehen kind, QRgb c);

// A picture as `kind` sees it; premultiplied pictures stay premultiplied.
// In tinctora_core_gui (ColourVisionPicture.cpp).
QImage simuliert(Farbsehen kind, const QImage& bild);
