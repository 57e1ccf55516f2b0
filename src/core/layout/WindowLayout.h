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
inline constexpr int referenzBreite = 680;
inline constexpr int referenzHoehe = 362;

// A row of fifteen panels (R1..R15, or a fixed half's R1Re..R15Re).
struct RowGeometry {
    int width = 0;
    int height = 0;
    int top = 0;
    int gap = 0;
    std::array<int, 16> tag{}; // 1..15: the computed left edge; panels 2..14 stand there
};

struct DisplayGeometry {
    // Single display (inside Anzeige_Normal).
    QRect kleinRechts, kleinLinks, kleinMitte;
    RowGeometry reihe;
    QString r1Hint, r15Hint;

    // Fixed display: two halves side by side; the top edges stay as they are.
    int fixedLinksBreite = 0;
    int fixedHoehe = 0;
    int fixedRechtsBreite = 0;
    int fixedRechtsLinks = 0;
    // Small fields of either half (both halves use the same places).
    QRect fixedKleinRechts, fixedKleinLinks, fixedKleinMitte;
    int fixedReihenLinksBreite = 0;
    int fixedReihenHoehe = 0;
    int fixedReihenRechtsBreite = 0;
    int fixedReihenRechtsLinks = 0;
    RowGeometry fixedReihe; // R1Re..R15Re and R1Li..R15Li alike
    // Left edges of the outer panels of each fixed row, by its step count.
    int r1ReLinks = 0, r15ReLinks = 0, r1LiLinks = 0, r15LiLinks = 0;
};

// Every rectangle the resize handler sets, for a display of w x h pixels and
// the step counts of the two fixed rows (taken as 1..7).
DisplayGeometry displayGeometry(int w, int h, int stufenFixRechts, int stufenFixLinks);

// Left edges of a fixed row's outer panels for step count s: the tags of the
// innermost unused ring, or at s = 7 their own.
std::pair<int, int> aeussereFixedPanels(const RowGeometry& reihe, int s);

// The first show switches to the compact layout on screens below 1020 x 764.
bool kompaktesLayoutNoetig(QSize screen);

// One fixed placement of the compact layout. `keep` leaves a value as it is.
inline constexpr int keep = INT_MIN;
struct Platzierung {
    QString name;
    int left = keep;
    int top = keep;
    int width = keep;
    int height = keep;
    bool ohneAusrichtung = false; // detach from automatic alignment
    bool nachVorne = false;       // bring to the front afterwards
    bool gestreckt = false;       // a picture stretched to its new size
};
// The compact layout's placements, in the order they are applied.
const std::vector<Platzierung>& kompaktPlatzierungen();

// A stored window placement that shows at least a usable corner of the window
// on one of the screens; otherwise the default placement on the first screen.
// Either is then moved and shrunk into the available area of the screen that
// shows most of it. A placement is the frame's top left corner and the inside
// size, as stored; `rahmen` is the frame around the inside.
QRect sichtbarePlatzierung(const QRect& gespeichert, const QList<QRect>& bildschirme,
                           const QMargins& rahmen = {});

// The design size of the main window, and its size when nothing is stored.
inline constexpr int fensterStandardBreite = 988;
inline constexpr int fensterStandardHoehe = 728;

// Background brightness, by the item of ComboBox2: 0 standard, 1 white, 2 gray, 3 black.
struct Hintergrund {
    std::optional<QColor> farbe;   // none: the system's button face colour
    std::optional<QColor> schrift; // none: the system's window text colour
    bool anzeigeRahmen = true;     // Anzeige keeps its lowered outer bevel
    bool schwarz = false;          // labels and list boxes turn gray on black
};
Hintergrund hintergrundFuer(int index);
inline constexpr QRgb grauAufSchwarz = 0xff808080;

// Normal colours of the value texts for a background item; none: the system's
// entry-field colours.
struct WerteTextFarben {
    QColor hintergrund;
    QColor schrift;
};
std::optional<WerteTextFarben> werteTextFarben(int hintergrundIndex);
