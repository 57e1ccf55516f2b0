#pragma once

#include "support/FieldHelpers.h"
#include "support/WindowFixture.h"

#include "ui/display/DisplayParts.h"
#include "ui/display/FieldDisplay.h"
#include "ui/display/FieldSelection.h"
#include "ui/display/ModeActions.h"
#include "ui/widgets/ColourPanel.h"
#include "ui/widgets/StaticText.h"

#include <QAction>

// The main window ready for the display routines without being shown: the
// angle controls act (the window counts as shown) and the row panels keep their design
// positions, since no resize has laid them out yet.
struct DisplayFixture : WindowFixture {
    DisplayFixture() { d().setWindowShown(true); }

    DisplayParts& parts() { return form->parts(); }
    void harmonyMode(const char* actionItem) { form->actionItem(actionItem)->trigger(); }
};
