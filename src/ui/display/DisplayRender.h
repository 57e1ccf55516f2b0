#pragma once

class DisplayHost;
struct DisplayParts;

// Draws the display once from the document's state: what a whole combination
// applied to the document (a file, a fixed half) must show. Computes nothing.
class DisplayRender
{
public:
    DisplayRender(DisplayHost& host, DisplayParts& parts);

    void zeichnen();

private:
    DisplayHost& m_host;
    DisplayParts& m_parts;
};
