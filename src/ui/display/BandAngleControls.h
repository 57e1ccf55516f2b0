#pragma once

#include <QObject>

class QEvent;
class QMouseEvent;
class DisplayHost;

// The colour band's mouse handling, the two angle track bars, the angle type
// box and the angle image.
class BandAngleControls : public QObject
{
public:
    explicit BandAngleControls(DisplayHost& host);
    void connectWidgets();

    void Image2MouseDown(int x);
    void Image2MouseMove(int x);
    void Image2MouseUp();

    // sender: the control that changed; the window itself when the program asks.
    void TrackBarAllChange(const QObject* sender);
    // The track bars' positions into the state (after a move without their signal).
    void reglerMerken();
    // The angle markers when their positions moved since they were drawn.
    void winkelZeichnen();
    // Both band markers at the band's left edge plus p.
    void bandMarkerZeigen(int p);
    // Track bars, angle type and field count, the angle labels and picture, from the state.
    void steuerungZeigen();
    // The legend swatches repeat the value-row swatches of the combination being edited.
    void legendeFaerben();
    void winkelResetten();
    void ComboBox3Change();
    // Which angle controls the state's mode, angle type and separate adjustment offer.
    void winkelAnsichtZeigen();

protected:
    // The stand-in of the hidden band takes the band's mouse.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool separat() const;
    void bandMaus(QMouseEvent* event);
    void basisVonBand(int x);
    void winkelBildZeigen();
    void ansichtWinkeltyp1();
    void ansichtWinkeltyp2();
    // The recompute's band marker and due angle markers, once it announced its change.
    void nachRechnenZeigen(bool ganz);
    void markerZeichnen();

    DisplayHost& m_host;
};
