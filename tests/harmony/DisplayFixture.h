#pragma once

#include "shell/WindowFixture.h"

#include "colour/BandTables.h"
#include "harmony/DisplayParts.h"
#include "harmony/FieldDisplay.h"
#include "harmony/FieldSelection.h"
#include "harmony/ModeActions.h"
#include "shell/ColourPanel.h"
#include "shell/StaticText.h"

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
