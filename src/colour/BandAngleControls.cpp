#include "colour/BandAngleControls.h"

#include "harmony/DisplayParts.h"
#include "shell/TForm1.h"

BandAngleControls::BandAngleControls(TForm1& form, DisplayParts& parts) : m_form(form), m_parts(parts) {}

void BandAngleControls::connectWidgets() {}
