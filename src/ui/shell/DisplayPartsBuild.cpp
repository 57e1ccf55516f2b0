// The shell assembles the display parts: the record itself only names them,
// so the parts that reach each other through it do not depend on all of them.
#include "ui/display/DisplayParts.h"

#include "ui/display/BandAngleControls.h"
#include "ui/display/DisplayRender.h"
#include "ui/display/FieldDisplay.h"
#include "ui/display/FieldSelection.h"
#include "ui/display/FixedPanels.h"
#include "ui/display/Fixing.h"
#include "ui/display/HalfSwap.h"
#include "ui/display/HiddenBand.h"
#include "ui/display/LightDarkField.h"
#include "ui/display/ManualInputApply.h"
#include "ui/display/ModeActions.h"
#include "ui/display/SeparateAdjustment.h"
#include "ui/display/SinglePanels.h"
#include "ui/display/TextView.h"
#include "ui/display/WebSafeDisplay.h"

DisplayParts::DisplayParts(DisplayHost& host, MainWidgets& w)
    : display(std::make_unique<FieldDisplay>(host, FieldDisplay::Widgets{w.fields, w.values}, panelHold)),
      singlePanels(std::make_unique<SinglePanels>(host, SinglePanels::Widgets{w.fields}, panelHold)),
      fixedPanels(std::make_unique<FixedPanels>(host, FixedPanels::Widgets{w.fields}, panelHold)),
      modes(std::make_unique<ModeActions>(host, ModeActions::Widgets{w.rowControls, w.furniture}, *this)),
      selection(std::make_unique<FieldSelection>(
          host, FieldSelection::Widgets{w.values, w.choice, w.fields, w.furniture}, *this)),
      band(std::make_unique<BandAngleControls>(host, BandAngleControls::Widgets{w.band, w.angle, w.legend},
                                               *this)),
      lightDark(std::make_unique<LightDarkField>(host, LightDarkField::Widgets{w.lightDark}, panelHold)),
      fixing(std::make_unique<Fixing>(host, *this)), halves(std::make_unique<HalfSwap>(host)),
      separate(std::make_unique<SeparateAdjustment>(host, *this)),
      websicher(std::make_unique<WebSafeDisplay>(host, WebSafeDisplay::Widgets{w.warning}, *this)),
      text(std::make_unique<TextView>(host, TextView::Widgets{w.fields}, *this)),
      hiddenBand(std::make_unique<HiddenBand>(host)), input(std::make_unique<ManualInputApply>(host, *this)),
      render(std::make_unique<DisplayRender>(host, *this))
{
}

DisplayParts::~DisplayParts() = default;

void DisplayParts::connectAll()
{
    modes->connectWidgets();
    selection->connectWidgets();
    band->connectWidgets();
    lightDark->connectWidgets();
    fixing->connectWidgets();
    separate->connectWidgets();
    websicher->connectWidgets();
    text->connectWidgets();
    hiddenBand->connectWidgets();
    input->connectWidgets();
    render->connectDocument();
}
