#pragma once

#include "core/harmony/FieldColours.h"
#include "core/harmony/RecomputeHooks.h"

#include <string>
#include <vector>

// One call a painting routine received.
struct PaintCall {
    std::string routine;
    int r = 0, g = 0, b = 0;
    int n = 0; // row panel for KleineFlaecheN, else 0
    bool operator==(const PaintCall&) const = default;
};

class RecordingTarget : public PaintTarget
{
public:
    std::vector<PaintCall> calls;
    void GrosseFlaeche(int r, int g, int b) override { calls.push_back({"GrosseFlaeche", r, g, b, 0}); }
    void KleineFlaecheA(int r, int g, int b) override { calls.push_back({"KleineFlaecheA", r, g, b, 0}); }
    void KleineFlaecheB(int r, int g, int b) override { calls.push_back({"KleineFlaecheB", r, g, b, 0}); }
    void KleineFlaecheC(int r, int g, int b) override { calls.push_back({"KleineFlaecheC", r, g, b, 0}); }
    void KleineFlaecheN(int r, int g, int b, int n) override
    {
        calls.push_back({"KleineFlaecheN", r, g, b, n});
    }
    std::vector<std::string> routines() const
    {
        std::vector<std::string> out;
        for (const PaintCall& c : calls)
            out.push_back(c.routine + (c.n ? std::to_string(c.n) : std::string()));
        return out;
    }
};

// Hooks that log what the recompute asked for and paint into a recording
// target through the real colour drivers, as the window does.
class RecordingHooks : public RecomputeHooks
{
public:
    explicit RecordingHooks(MainState& state) : s(state) {}
    MainState& s;
    RecordingTarget target;
    std::vector<std::string> log;
    std::vector<int> markerPositions;
    bool inputToOuterField = false;

    void farben() override
    {
        log.push_back("farben");
        ::farben(s, target);
    }
    void farbenA() override
    {
        log.push_back("farbenA");
        ::farbenA(s, target);
    }
    void winkelZeichnen() override { log.push_back("winkelZeichnen"); }
    void moveBandMarker(int p) override
    {
        log.push_back("marker");
        markerPositions.push_back(p);
    }
    bool manualInputToOuterRowField() const override { return inputToOuterField; }
};
