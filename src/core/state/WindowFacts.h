#pragma once

// What the computations need to know of the window beside the colour state.
// None of it is colour state: no file keeps it, no step holds it.
struct WindowFacts {
    // The angle markers are worked out only once the window is shown.
    bool shown = false;
    // The compact layout's light/dark field is half as large.
    bool compactLayout = false;
    // The manual input is applying a colour to an outer field of a colour row:
    // the band markers and the angle picture stay.
    bool inputOnOuterField = false;
};

// What the last recompute left for the views to show.
struct RecomputeNotes {
    int bandMarker = 0; // where the band marker stands
    bool bandMarkerDue = false;
    bool angleMarkerDue = false;
};
