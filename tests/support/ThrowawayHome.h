#pragma once

// Points HOME, XDG_CONFIG_HOME and XDG_RUNTIME_DIR at a fresh folder of this
// process, removed at exit; child processes inherit it. Call before any Qt
// object that reads them.
void useThrowawayHome();
