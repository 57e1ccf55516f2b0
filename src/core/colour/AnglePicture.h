#pragma once

#include "core/state/MainState.h"

#include <QImage>
#include <QPointF>
#include <QString>

#include <array>
#include <cstddef>

// The angle picture beside the light/dark field: the turned colour wheel with
// lines towards the derived colours, or in separate adjustment the unturned
// wheel with one marker per field.

inline constexpr int anglePictureSize = 123; // the wheel pictures are one pixel smaller
inline constexpr int angleCentre = 61;
// The angle track bars run from 0 to this position.
inline constexpr int maxAngleDistance = 117;

// Conversions between positions and degrees.
int lineAngle(int separation);                             // degrees either side of the axis
int shownAngle(int separation);                            // the whole opening, as the labels show it
int markerAngle(int bandPosition);                         // clockwise from the top; 677 gives 360
int wheelAngle(int bandPosition);                          // rotation of the wheel picture
int firstDistance(int trackBar2, HarmonyMode harmonyMode); // doubled in colour rows
QString angleText(int separation);                         // e.g. "124 °"

// What the angle controls show and store besides the picture.
struct AngleDisplay {
    QString firstAngleText;  // label of the first angle
    QString secondAngleText; // label of the second angle
    int abstand1 = 0;
    int abstand2 = 0;
    bool operator==(const AngleDisplay&) const = default;
};

// Distances and label texts for the two track bar positions.
AngleDisplay angleDistances(HarmonyMode harmonyMode, int trackBar2, int trackBar3);

// A line of the angle picture in its pixels (a pixel's centre on whole
// numbers); unrounded, so that a finer picture draws it where it really lies.
struct AngleSegment {
    QPointF from;
    QPointF to;
};

// The lines of one picture: at most four, a mode's or one marker per field.
struct AngleSegments {
    std::array<AngleSegment, 4> segments{};
    int count = 0;
    void add(const AngleSegment& segment) { segments[static_cast<std::size_t>(count++)] = segment; }
    const AngleSegment* begin() const { return segments.data(); }
    const AngleSegment* end() const { return segments.data() + count; }
};

// The lines of the mode for the two track bar positions.
AngleSegments anglePictureLines(HarmonyMode harmonyMode, bool winkeltyp2, int trackBar2, int trackBar3);

// Redraws winkelBild from the turned wheel and the lines of the mode. The
// picture is made 123 x 123 RGB888 if it is not; the column and row the
// 122-pixel wheel leaves free are white.
AngleDisplay drawAnglePicture(QImage& winkelBild, const QImage& turnedWheel, HarmonyMode harmonyMode,
                              bool winkeltyp2, int trackBar2, int trackBar3);

// Whether the marker picture must be redrawn: only once every field that takes
// part has left the position it was last drawn at. When it must, the drawn
// positions are updated here. Before the window is first shown, never.
bool checkAngleDrawing(MainState& s, bool windowShown);

// Label texts of the marker picture; left and centre stay empty in modes
// without those fields.
struct MarkerLabels {
    QString label11; // big field
    QString label14; // small right
    QString label12; // small left
    QString label13; // small centre
    bool operator==(const MarkerLabels&) const = default;
};

// Redraws winkelBild from the unturned wheel with one marker per field of the
// mode, at the fields' band positions.
MarkerLabels drawMarkerPicture(QImage& winkelBild, const QImage& wheel, const MainState& s);
// The markers' lines alone.
AngleSegments markerPictureLines(const MainState& s);

// The angle picture for a screen with more device pixels than pixels: `wheel`
// (from turnedWheelPicture, at that resolution) with the lines drawn smooth.
QImage sharpAnglePicture(QImage wheel, const AngleSegments& lines);
