#include "display/DisplayParts.h"

#include "display/BandAngleControls.h"
#include "display/FieldDisplay.h"
#include "display/FieldSelection.h"
#include "display/FixedPanels.h"
#include "display/Fixing.h"
#include "display/HiddenBand.h"
#include "display/LightDarkField.h"
#include "display/ManualInputApply.h"
#include "display/ModeActions.h"
#include "display/SeparateAdjustment.h"
#include "display/TextView.h"
#include "display/WebSafeDisplay.h"

DisplayParts::DisplayParts(DisplayHost& host)
    : display(std::make_unique<FieldDisplay>(host, *this)), modes(std::make_unique<ModeActions>(host, *this)),
      selection(std::make_unique<FieldSelection>(host, *this)),
      band(std::make_unique<BandAngleControls>(host, *this)),
      hellDunkel(std::make_unique<LightDarkField>(host, *this)),
      fixedPanels(std::make_unique<FixedPanels>(host, *this)), fixing(std::make_unique<Fixing>(host, *this)),
      separat(std::make_unique<SeparateAdjustment>(host, *this)),
      websicher(std::make_unique<WebSafeDisplay>(host, *this)), text(std::make_unique<TextView>(host, *this)),
      bandVersteck(std::make_unique<HiddenBand>(host)),
      eingabe(std::make_unique<ManualInputApply>(host, *this))
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
    fixing->connectWidgets();
    separat->connectWidgets();
    websicher->connectWidgets();
    text->connectWidgets();
    bandVersteck->connectWidgets();
    eingabe->connectWidgets();
}
