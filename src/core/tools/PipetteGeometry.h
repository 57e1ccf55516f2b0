#pragma once

#include <QRect>
#include <QString>

#include <array>

// The three magnifiers: the screen rectangle around the cursor each shows
// (right and bottom edges exclusive), stretched over its 64 x 64 picture.
inline constexpr int magnifierSize = 64;
struct Magnifier {
    int left, upper, extent; // relative to the cursor
    QRect source(int x, int y) const { return {x + left, y + upper, extent, extent}; }
};
inline constexpr std::array<Magnifier, 3> magnifiers{{{-7, -7, 16}, {-4, -4, 9}, {-1, -1, 3}}};

// Cross-hair marks of the second and third magnifier (left, top, right,
// bottom in picture pixels, right and bottom exclusive); the first has none.
struct CrossHairMark {
    int l, o, r, u;
};
inline constexpr std::array<std::array<CrossHairMark, 4>, 3> magnifierMarks{{
    {},
    {{{31, 24, 33, 27}, {31, 37, 33, 40}, {24, 31, 27, 33}, {37, 31, 40, 33}}},
    {{{31, 17, 33, 20}, {31, 44, 33, 47}, {17, 31, 20, 33}, {44, 31, 47, 33}}},
}};

// Decimal text of one byte of an 0xRRGGBB colour by its letter; any other
// letter gives nothing.
QString RGBWert(unsigned colourValue, char colourChannel);
// "#" and two upper-case hex digits each for R, G, B.
QString HEXWert(unsigned colourValue);

// What outlives one pipette window: where the cursor was last found and last
// drawn, the pending pick, and whether the hint is due at the next tick.
struct PipetteState {
    int cursorX = 0, cursorY = 0;
    int abgetastetX = 1, abgetastetY = 1;
    bool aufnahmeAngefordert = false;
    bool farbeAufgenommen = false;
    bool hinweisFaellig = true;
};
