#pragma once

#include "harmony/FieldColours.h"
#include "harmony/RecomputeHooks.h"

class TForm1;
struct DisplayParts;

// Paints what the recompute computed: field panels, swatches, value texts,
// rich edits; the window's implementation of the recompute hooks.
class FieldDisplay : public RecomputeHooks, public PaintTarget
{
public:
    FieldDisplay(TForm1& form, DisplayParts& parts);
    void connectWidgets();

    // The central recompute at band position p for the current mode.
    void datenHolen(int p, bool recolour);

    // RecomputeHooks
    void farben() override;
    void farbenA() override;
    void winkelZeichnen() override;
    void bandMarkerVerschieben(int p) override;
    bool manualInputToOuterRowField() const override;

    // PaintTarget
    void GrosseFlaeche(int r, int g, int b) override;
    void KleineFlaecheA(int r, int g, int b) override;
    void KleineFlaecheB(int r, int g, int b) override;
    void KleineFlaecheC(int r, int g, int b) override;
    void KleineFlaecheN(int r, int g, int b, int n) override;

private:
    TForm1& m_form;
    DisplayParts& m_parts;
};
