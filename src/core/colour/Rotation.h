#pragma once

#include "core/state/MainState.h"

#include <QImage>

// Turns `source` into `target` by `angleDegrees` (clockwise on screen) about
// (cx, cy) with bilinear interpolation. Target pixels whose source lies
// outside `source` keep their content. Both pictures are used as 24-bit
// RGB; another format is converted first.
void SmoothRotate(const QImage& source, QImage& target, int cx, int cy, double angleDegrees);

// Centre of the colour wheel pictures.
inline constexpr int wheelCentre = 61;

// The turn that brings the base hue at `markerPosition` to the top; the
// four-colour harmony with angle type 1 also turns by the second angle
// distance, colour rows currentState half a turn round.
int rotationAngle(HarmonyMode harmonyMode, bool winkeltyp2, int trackBar3Position, int markerPosition);

// Turns the wheel for the current state. Returns true when `imageBg` was
// repainted (the caller then refreshes its widget); false in separate
// adjustment or when the turn has not changed since the last call.
// lastTurn keeps the last turn as 0..359 degrees, so −1 always forces a
// repaint even when the new turn is −1 degree.
bool rotieren(const MainState& s, int& lastTurn, int trackBar3Position, int markerPosition,
              const QImage& imageOriginal, QImage& imageBg);
