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

// Pictures for a screen with `ratio` device pixels to a pixel (above 1): as
// many pixels as the screen shows there, the ratio set on the picture. At
// ratio 1 they are the pictures above.
QImage bandPicture(bool luminoes, double ratio);
// The wheel drawn anew at that resolution, turned clockwise by `turnDegrees`
// about its centre (61, 61), in a picture of anglePictureSize pixels a side
// (white in the column and row the wheel leaves free). Format_RGB32.
QImage turnedWheelPicture(bool luminoes, double turnDegrees, double ratio);

// Band position shown at angle `degrees`, measured clockwise from the top.
int wheelPosition(double degrees);
