#include "harmony/FieldDisplay.h"

#include "harmony/DisplayParts.h"
#include "shell/TForm1.h"

FieldDisplay::FieldDisplay(TForm1& form, DisplayParts& parts) : m_form(form), m_parts(parts) {}

void FieldDisplay::connectWidgets() {}
