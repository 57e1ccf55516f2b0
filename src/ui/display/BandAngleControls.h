#pragma once

#include "core/colour/AnglePicture.h"
#include "core/state/ColourDocument.h"

#include "ui/widgets/MainWidgets.h"

#include <QImage>
#include <QObject>

#include <memory>

class QEvent;
class QKeyEvent;
class KeyGesture;
class QMouseEvent;
class DisplayHost;
struct DisplayParts;

// The colour band's mouse handling, the two angle track bars, the angle type
// box and the angle image.
class BandAngleControls : public QObject
{
public:
    // The widgets this part draws or reads; no others.
    struct Widgets {
        BandWidgets& band;
        AngleWidgets& angle;
        LegendWidgets& legend;
    };

    BandAngleControls(DisplayHost& host, Widgets widgets, DisplayParts& parts);
    ~BandAngleControls() override;
    void connectWidgets();
    // Its share of the render pass: angle view, markers, legend, the hidden band.
    void follow(Changes was, Redraw how);

    void Image2MouseDown(int x);
    void Image2MouseMove(int x);
    void Image2MouseUp();
    // One step of the history, as a click at that band position would be (keys
    // and assistive tools move the band so).
    void chooseBandPosition(int position);
    // The band position the markers show.
    int bandPosition() const { return markerPosition(); }
    // The two wheel pictures of the band types, from the resource form.
    void setWheels(const QImage& realistic, const QImage& luminous);
    // The band picture of the state's type in front.
    void showBandPicture();
    // The band of the state's type with its wheel turned for the big field.
    void showBandType();
    // Turns the wheel for the current state; true when the picture changed.
    bool rotieren();
    // The wheel of the band type, unturned and turned, and its turn drawn last
    // (0..359; -1: none yet).
    const QImage& imageOriginal() const { return m_imageOriginal; }
    const QImage& imageBg() const { return m_imageBg; }
    int lastTurn() const { return m_lastTurn; }
    // After the band moved: the wheel turned by the marker's new place, and the angles shown.
    void afterBandMove();
    // The left button went down on the band and is not yet released.
    bool bandHeld() const { return m_bandHeld; }
    // The angle image as last drawn: lines, or markers in separate adjustment.
    const QImage& anglePicture() const { return m_anglePicture; }

    // The fields recomputed for the track bars' angles, and the angles shown.
    void TrackBarAllChange();
    // The labels and the picture of the track bars' angles, as the state has them.
    void showAngles();
    // The first angle's track bar, as the user moves it (its change runs the handler).
    int firstSlider() const;
    void setFirstSlider(int position);
    // The angle markers when their positions moved since they were drawn.
    void winkelZeichnen();
    // Both band markers at the band's left edge plus p.
    void showBandMarker(int p);
    // Track bars and angle type, the angle labels and picture, from the state.
    void showControls();
    // The legend swatches repeat the value-row swatches of the combination being edited.
    void colourLegend();
    void winkelResetten();
    void ComboBox3Change();
    // Which angle controls the state's mode, angle type and separate adjustment offer.
    void showAngleView();
    // Separate adjustment: the angle type and track bars greyed, the angle labels hidden.
    void lockAngleControls();
    // The legend of separate adjustment over the track bars, or not.
    void showLegend(bool shown);

protected:
    // The currentState-in of the hidden band takes the band's mouse.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool separate() const;
    void bandMouse(QMouseEvent* event);
    // Left/Right, Page Up/Down, Home/End on the band; false for other keys.
    bool bandKey(const QKeyEvent* event);
    void showAnglePicture();
    QImage anglePictureAt(double ratio);
    void ansichtWinkeltyp1();
    void ansichtWinkeltyp2();
    // The recompute's band marker and due angle markers, once it announced its change.
    void showAfterRecompute(bool whole);
    // The band and the angle picture hidden or shown, as the state's view option says.
    void showBandHidden(bool hidden);
    void drawMarkers();
    QImage wheelOfBandType() const;
    // Band position marked by PaintBox1 (its left edge minus Image2's).
    int markerPosition() const;

    DisplayHost& m_host;

    Widgets m_w;
    DisplayParts& m_parts;
    bool m_bandHeld = false;
    std::unique_ptr<KeyGesture> m_bandKeys;
    QImage m_anglePicture;
    QImage m_wheelRealistic, m_wheelLuminous;
    QImage m_imageOriginal; // the band type's wheel
    QImage m_imageBg;       // the same, turned for the big field
    int m_lastTurn = -1;
    bool m_luminousWheel = false; // the band type m_imageOriginal is the wheel of
    // What m_anglePicture shows, for drawing it again at a finer resolution.
    AngleSegments m_angleLines;
    int m_angleTurn = 0;
    QImage m_sharpWheel; // the wheel at that resolution, turned by m_sharpWheelTurn
    int m_sharpWheelTurn = 0;
    bool m_sharpWheelLuminous = false;
};
