#pragma once

#include "support/FieldHelpers.h"
#include "support/WindowFixture.h"

#include "display/DisplayParts.h"
#include "display/FieldDisplay.h"
#include "display/FieldSelection.h"
#include "display/ModeActions.h"
#include "widgets/ColourPanel.h"
#include "widgets/StaticText.h"

#include <QAction>

// The main window ready for the display routines without being shown: the
// angle controls act (formularBereit) and the row panels keep their design
// positions, since no resize has laid them out yet.
struct DisplayFixture : WindowFixture {
    DisplayFixture() { s().formularBereit = true; }

    DisplayParts& parts() { return form->parts(); }
    void modus(const char* aktion) { form->aktion(aktion)->trigger(); }
};
