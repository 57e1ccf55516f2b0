#pragma once

#include <QColor>
#include <QList>
#include <QMargins>
#include <QRect>
#include <QSize>
#include <QString>

#include <array>
#include <climits>
#include <optional>
#include <vector>

// Geometry of the main window's colour display, computed from the size of the
// display area alone; the window applies it to its panels.

// The display is laid out against this reference size.
inline constexpr int referenceWidth = 680;
inline constexpr int referenceHeight = 362;

// A row of fifteen panels (R1..R15, or a fixed half's R1Re..R15Re).
struct RowGeometry {
    int width = 0;
    int height = 0;
    int top = 0;
    int gap = 0;
    std::array<int, 16> tag{}; // 1..15: the computed left edge; panels 2..14 currentState there
};

struct DisplayGeometry {
    // Single display (inside Anzeige_Normal).
    QRect smallRight, smallLeft, smallCentre;
    RowGeometry row;
    QString r1Hint, r15Hint;

    // Fixed display: two halves side by side; the top edges stay as they are.
    int fixedLeftWidth = 0;
    int fixedHeight = 0;
    int fixedRightWidth = 0;
    int fixedRightX = 0;
    // Small fields of either half (both halves use the same places).
    QRect fixedSmallRight, fixedSmallLeft, fixedSmallCentre;
    int fixedRowsLeftWidth = 0;
    int fixedRowsHeight = 0;
    int fixedRowsRightWidth = 0;
    int fixedRowsRightX = 0;
    RowGeometry fixedRowGeometry; // R1Re..R15Re and R1Li..R15Li alike
    // Left edges of the outer panels of each fixed row, by its step count.
    int r1ReLeft = 0, r15ReLeft = 0, r1LiLeft = 0, r15LiLeft = 0;
};

// Every rectangle the resize handler sets, for a display of w x h pixels and
// the step counts of the two fixed rows (taken as 1..7).
DisplayGeometry displayGeometry(int w, int h, int stufenFixRechts, int stufenFixLinks);

// Left edges of a fixed row's outer panels for step count s: the tags of the
// innermost unused ring, or at s = 7 their own.
std::pair<int, int> outerFixedPanels(const RowGeometry& row, int s);

// The first show switches to the compact layout on screens below 1020 x 764.
bool compactLayoutNeeded(QSize screen);

// One fixed placement of the compact layout. `keep` leaves a value as it is.
inline constexpr int keep = INT_MIN;
struct Placement {
    QString name;
    int left = keep;
    int top = keep;
    int width = keep;
    int height = keep;
    bool withoutAlignment = false; // detach from automatic alignment
    bool bringToFront = false;     // bring to the front afterwards
    bool stretchPicture = false;   // a picture stretched to its new size
};
// The compact layout's placements, in the order they are applied.
const std::vector<Placement>& compactPlacements();

// A stored window placement that shows at least a usable corner of the window
// on one of the screens; otherwise the default placement on the first screen.
// Either is then moved and shrunk into the available area of the screen that
// shows most of it. A placement is the frame's top left corner and the inside
// size, as stored; `frame` is the frame around the inside.
QRect visiblePlacement(const QRect& persisted, const QList<QRect>& screens, const QMargins& frame = {});

// The design size of the main window, and its size when nothing is stored.
inline constexpr int defaultWindowWidth = 988;
inline constexpr int defaultWindowHeight = 728;

// Background brightness, by the item of ComboBox2: 0 standard, 1 white, 2 gray, 3 black.
struct BackgroundStyle {
    std::optional<QColor> colourValue; // none: the system's button face colour
    std::optional<QColor> lettering;   // none: the system's window text colour
    bool displayBevel = true;          // Anzeige keeps its lowered outer bevel
    bool onBlack = false;              // labels and list boxes turn gray on black
};
BackgroundStyle backgroundStyleFor(int index);
inline constexpr QRgb greyOnBlack = 0xff808080;

// Normal colours of the value texts for a background item; none: the system's
// entry-field colours.
struct ValueTextColours {
    QColor backgroundColour;
    QColor lettering;
};
std::optional<ValueTextColours> valueTextColours(int hintergrundIndex);
