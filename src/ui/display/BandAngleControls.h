#pragma once

#include <QObject>

class QEvent;
class QMouseEvent;
class DisplayHost;
struct DisplayParts;

// The colour band's mouse handling, the two angle track bars, the angle type
// box and the angle image.
class BandAngleControls : public QObject
{
public:
    BandAngleControls(DisplayHost& host, DisplayParts& parts);
    void connectWidgets();

    void Image2MouseDown(int x);
    void Image2MouseMove(int x);
    void Image2MouseUp();

    // sender: the control that changed; the window itself when the program asks.
    void TrackBarAllChange(const QObject* sender);
    // The track bars' positions into the state (after a move without their signal).
    void reglerMerken();
    void winkelZeichnen();
    // Track bars, angle type and field count, the angle labels and picture, from the state.
    void steuerungZeigen();
    void winkelResetten();
    void ComboBox3Change();
    void ansichtWinkeltyp1();
    void ansichtWinkeltyp2();

protected:
    // The stand-in of the hidden band takes the band's mouse.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool separat() const;
    void bandMaus(QMouseEvent* event);
    void basisVonBand(int x);
    void winkelBildZeigen();
    void legendeFaerben();

    DisplayHost& m_host;
    DisplayParts& m_parts;
};
