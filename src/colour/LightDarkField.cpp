#include "colour/LightDarkField.h"

#include "harmony/DisplayParts.h"
#include "shell/TForm1.h"

LightDarkField::LightDarkField(TForm1& form, DisplayParts& parts) : m_form(form), m_parts(parts) {}

void LightDarkField::connectWidgets() {}
