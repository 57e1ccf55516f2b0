#pragma once

class DisplayHost;
struct DisplayParts;

// Draws the display once from the document's state when a whole combination
// was applied to it (a file, a fixed half). Computes nothing.
class DisplayRender
{
public:
    DisplayRender(DisplayHost& host, DisplayParts& parts);
    // From now on each whole combination the document announces is drawn.
    void connectDocument();

    // beideHaelften: a fixed display's half not edited is drawn from the stored
    // combination as well (a step may leave it as it was at any time).
    void zeichnen(bool beideHaelften = false);

private:
    void andereHaelfteMalen();

    DisplayHost& m_host;
    DisplayParts& m_parts;
};
