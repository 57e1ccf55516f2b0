#pragma once

#include "support/WindowFixture.h"

#include "colour/BandTables.h"
#include "display/DisplayParts.h"
#include "display/FieldDisplay.h"
#include "display/FieldSelection.h"
#include "display/ModeActions.h"
#include "widgets/ColourPanel.h"
#include "widgets/StaticText.h"

#include <QAction>
#include <QColor>
#include <QComboBox>

// The main window ready for the display routines without being shown: the
// angle controls act (formularBereit) and the row panels keep their design
// positions, since no resize has laid them out yet.
struct DisplayFixture : WindowFixture {
    DisplayFixture() { s().formularBereit = true; }

    DisplayParts& parts() { return form->parts(); }
    void modus(const char* aktion) { form->aktion(aktion)->trigger(); }
    // Chooses 2K+1 fields as the user does in ComboBox1.
    void felder(int stufen)
    {
        w().ComboBox1->setCurrentIndex(stufen - 1);
        parts().modes->ComboBox1Change();
    }
};

inline QColor bandFarbe(bool luminoes, int p)
{
    const Rgb c = bandTable(luminoes).at(p);
    return QColor(c.r, c.g, c.b);
}

inline QString hex(const QColor& c)
{
    return c.name(QColor::HexRgb).toUpper();
}
