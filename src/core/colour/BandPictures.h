#pragma once

#include <QImage>

// Pictures drawn from the band tables. Each is built once per band type and
// shared afterwards (QImage copies are cheap until written to).

inline constexpr int bandPictureWidth = 678; // one column per band position
inline constexpr int bandPictureHeight = 65;
inline constexpr int wheelPictureSize = 122; // the colour wheel is square

// Column x shows band position x; Format_RGB888.
QImage bandPicture(bool luminoes);

// The hues as a ring round a white centre, red at the top, band order
// clockwise; anti-aliased on a white background. Format_RGB888.
QImage wheelPicture(bool luminoes);

// Band position shown at angle `degrees`, measured clockwise from the top.
int wheelPosition(double degrees);
