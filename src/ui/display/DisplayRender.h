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

    void zeichnen();

private:
    DisplayHost& m_host;
    DisplayParts& m_parts;
};
