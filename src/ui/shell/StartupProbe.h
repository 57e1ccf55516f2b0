#pragma once

class QWidget;

// With TINCTORA_STARTUP_PROBE set, prints the wall-clock time (milliseconds
// since the epoch) of the window's first paint and the time since `startMs`,
// then quits. Lets a script time a whole start to the first visible window.
void installStartupProbe(QWidget& window, long long startMs);
