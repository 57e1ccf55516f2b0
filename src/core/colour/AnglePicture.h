#pragma once

#include "core/state/MainState.h"

#include <QImage>
#include <QString>

// The angle picture beside the light/dark field: the turned colour wheel with
// lines towards the derived colours, or in separate adjustment the unturned
// wheel with one marker per field.

inline constexpr int winkelBildGroesse = 123; // the wheel pictures are one pixel smaller
inline constexpr int winkelMitte = 61;
// The angle track bars run from 0 to this position.
inline constexpr int groessterAbstand = 117;

// Conversions between positions and degrees.
int linienWinkel(int abstand);                 // degrees either side of the axis
int gezeigterWinkel(int abstand);              // the whole opening, as the labels show it
int markerWinkel(int bandPosition);            // clockwise from the top; 677 gives 360
int drehWinkel(int bandPosition);              // rotation of the wheel picture
int ersterAbstand(int trackBar2, Modus modus); // doubled in colour rows
QString winkelText(int abstand);               // e.g. "124 °"

// What the angle controls show and store besides the picture.
struct WinkelAnzeige {
    QString winkelO; // label of the first angle
    QString winkelU; // label of the second angle
    int abstand1 = 0;
    int abstand2 = 0;
    bool operator==(const WinkelAnzeige&) const = default;
};

// Distances and label texts for the two track bar positions.
WinkelAnzeige winkelAbstaende(Modus modus, int trackBar2, int trackBar3);

// Redraws winkelBild from the turned wheel and the lines of the mode. The
// picture is made 123 x 123 RGB888 if it is not; the column and row the
// 122-pixel wheel leaves free are white.
WinkelAnzeige zeichneWinkelBild(QImage& winkelBild, const QImage& gedrehtesRad, Modus modus, bool winkeltyp2,
                                int trackBar2, int trackBar3);

// Whether the marker picture must be redrawn: only once every field that takes
// part has left the position it was last drawn at. When it must, the drawn
// positions are updated here.
bool winkelZeichnenPruefen(MainState& s);

// Label texts of the marker picture; left and centre stay empty in modes
// without those fields.
struct MarkerTexte {
    QString label11; // big field
    QString label14; // small right
    QString label12; // small left
    QString label13; // small centre
    bool operator==(const MarkerTexte&) const = default;
};

// Redraws winkelBild from the unturned wheel with one marker per field of the
// mode, at the fields' band positions.
MarkerTexte zeichneMarkerBild(QImage& winkelBild, const QImage& rad, const MainState& s);
