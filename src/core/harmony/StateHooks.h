#pragma once

#include "core/harmony/RecomputeHooks.h"
#include "core/state/WindowFacts.h"

struct MainState;

// The recompute without a window: row colours are kept in the state, the
// angle markers' drawn positions are kept, and what the display must show
// afterwards is noted for the views.
class StateHooks : public RecomputeHooks
{
public:
    StateHooks(MainState& s, const WindowFacts& window, RecomputeNotes& notes)
        : m_s(s), m_window(window), m_notes(notes)
    {
    }
    void farben() override {}
    void farbenA() override;
    void winkelZeichnen() override;
    void moveBandMarker(int p) override;
    bool manualInputToOuterRowField() const override;
    // Mixes the fields again after the light/dark amounts changed.
    void recolour();

private:
    MainState& m_s;
    const WindowFacts& m_window;
    RecomputeNotes& m_notes;
};
