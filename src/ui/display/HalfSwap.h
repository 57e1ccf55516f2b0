#pragma once

class DisplayHost;

// The halves of a fixed display trade places: before a field of the half not
// being edited is selected, that half's stored combination becomes the edited
// one and the edited one is stored.
class HalfSwap
{
public:
    explicit HalfSwap(DisplayHost& host);

    // Read-back before a field of the right (left) half is selected.
    void fixiertAuslesenAlle();
    void fixiertAuslesenAlleLi();

private:
    // The other half becomes the edited one; swaps when they differ.
    void swapHalf(bool left);

    DisplayHost& m_host;
};
