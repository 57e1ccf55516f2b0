#pragma once

#include "core/state/ColourDocument.h"

#include "ui/widgets/MainWidgets.h"

class DisplayHost;
struct DisplayParts;

// Draws the display from the document's state: all of it once when a whole
// combination was applied (a file, a fixed half, a step), the two halves or the
// single display when fixing is switched. Computes nothing.
class DisplayRender
{
public:
    DisplayRender(DisplayHost& host, DisplayParts& parts);
    // From now on each whole combination the document announces is drawn.
    void connectDocument();

    // bothHalves: a fixed display's half not edited is drawn from the stored
    // combination as well (a step may leave it as it was at any time).
    void drawDisplay(bool bothHalves = false);

private:
    // Every view's share of one announcement, in order.
    void renderPass(Changes was, Redraw how);
    void paintOtherHalf();
    // Two halves or the single display, as the state is fixed or not; whole:
    // the whole display is drawn after it.
    void showFixing(bool whole);

    DisplayHost& m_host;
    DisplayParts& m_parts;
};
