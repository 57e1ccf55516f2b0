#pragma once

// What the user did that made a step of the history: its name in either language.
enum class StepKind {
    harmonyType,
    bandType,
    bandPosition,
    lightDark,
    angle,
    angleType,
    fieldCount,
    fieldSelection,
    fixing,
    separateAdjustment,
    view,
    colourInput,
    webSafeColours,
    colours, // a change no gesture named
};
