#pragma once

#include "core/harmony/RecomputeHooks.h"

struct MainState;

// The recompute without a window: row colours are kept in the state, the
// angle markers' drawn positions are kept, and what the display must show
// afterwards is noted in the state's progress flags for the views.
class StateHooks : public RecomputeHooks
{
public:
    explicit StateHooks(MainState& s) : m_s(s) {}
    void farben() override {}
    void farbenA() override;
    void winkelZeichnen() override;
    void moveBandMarker(int p) override;
    bool manualInputToOuterRowField() const override;
    // Mixes the fields again after the light/dark amounts changed.
    void recolour();

private:
    MainState& m_s;
};
