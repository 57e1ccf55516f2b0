#pragma once

// What the recompute hands on as it goes: mixed colours, the angle markers and
// the band marker. The document implements it on the state (StateHooks); the
// views then show what it noted.
class RecomputeHooks
{
public:
    virtual ~RecomputeHooks() = default;

    // The fields of the 2-, 3- and 4-colour harmonies are mixed anew.
    virtual void farben() = 0;
    // The fields of fanning and colour rows are mixed anew.
    virtual void farbenA() = 0;
    // The per-field markers of the angle image may be due (separate adjustment).
    virtual void winkelZeichnen() = 0;
    // Both band markers belong at the band's left edge plus p.
    virtual void moveBandMarker(int p) = 0;
    // The manual input dialog is applying its colour to an outer row field;
    // the band markers then stay where they are.
    virtual bool manualInputToOuterRowField() const = 0;
};
