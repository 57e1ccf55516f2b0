#pragma once

class QWidget;

// With TINCTORA_STARTUP_PROBE set, prints the wall-clock time (milliseconds
// since the epoch) of the window's first paint and the time since `startMs`,
// then quits. Lets a script time a whole start to the first visible window.
// Set to "stay", the program keeps running and then prints "raised <title>"
// each time the window is brought to the front, so a script can follow what
// later starts do to the running instance. Set to "help", it opens the help
// contents after the first paint, prints "help-window <title>" (or
// "help-viewer-missing") and "tutorial <start page>" (or "-"), then quits.
void installStartupProbe(QWidget& window, long long startMs);
