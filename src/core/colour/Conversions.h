#pragma once

#include <QString>

// Platform colour value: B * 65536 + G * 256 + R (red in the lowest byte).
int BerechneHex(int r, int g, int b);

// "#" and two upper-case hex digits each for r, g, b (each taken modulo 256).
// The odd argument order (r, g, text, b) is the routine's historic signature.
void HexwertAnzeigen(int r, int g, QString& text, int b);
QString hexText(int r, int g, int b);

// Nearest web-safe level (0, 51, ..., 255); negative values give 0.
int websicher(int v);

// Web-safe value `level` steps around the nearest one (level 2 = nearest,
// 0/1 darker, 3/4 lighter); a level outside 0..4 counts as 2.
int websichereFarben(int value, int level);
