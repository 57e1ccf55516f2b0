#pragma once

class QObject;
class TForm1;
struct DisplayParts;

// The colour band's mouse handling, the two angle track bars, the angle type
// box and the angle image.
class BandAngleControls
{
public:
    BandAngleControls(TForm1& form, DisplayParts& parts);
    void connectWidgets();

    void Image2MouseDown(int x);
    void Image2MouseMove(int x);
    void Image2MouseUp();

    // sender: the track bar that changed, or nullptr when the program asks.
    void TrackBarAllChange(const QObject* sender);
    void winkelZeichnen();
    void winkelResetten();
    void ComboBox3Change();
    void ansichtWinkeltyp1();
    void ansichtWinkeltyp2();

private:
    TForm1& m_form;
    DisplayParts& m_parts;
};
