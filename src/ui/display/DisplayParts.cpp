#include "display/DisplayParts.h"

#include "display/BandAngleControls.h"
#include "display/LightDarkField.h"
#include "display/FieldDisplay.h"
#include "display/FieldSelection.h"
#include "display/ModeActions.h"

DisplayParts::DisplayParts(TForm1& form)
    : display(std::make_unique<FieldDisplay>(form, *this)),
      modes(std::make_unique<ModeActions>(form, *this)),
      selection(std::make_unique<FieldSelection>(form, *this)),
      band(std::make_unique<BandAngleControls>(form, *this)),
      hellDunkel(std::make_unique<LightDarkField>(form, *this))
{
}

DisplayParts::~DisplayParts() = default;

void DisplayParts::connectAll()
{
    display->connectWidgets();
    modes->connectWidgets();
    selection->connectWidgets();
    band->connectWidgets();
    hellDunkel->connectWidgets();
}
