#pragma once

// What the recompute needs from the window: repainting, the angle markers and
// the band markers. The core computes; the window implements these.
class RecomputeHooks
{
public:
    virtual ~RecomputeHooks() = default;

    // Repaint the fields of the 2-, 3- and 4-colour harmonies.
    virtual void farben() = 0;
    // Repaint the fields of fanning and colour rows.
    virtual void farbenA() = 0;
    // Redraw the per-field markers of the angle image (separate adjustment).
    virtual void winkelZeichnen() = 0;
    // Move both band markers to the band's left edge plus p.
    virtual void bandMarkerVerschieben(int p) = 0;
    // The manual input dialog is applying its colour to an outer row field;
    // the band markers then stay where they are.
    virtual bool manualInputToOuterRowField() const = 0;
};
